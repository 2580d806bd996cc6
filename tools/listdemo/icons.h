#pragma once
// Row icons of the viewer's list: the cart (fixed icon) and the note (flag
// icon), normal and highlighted, drawn here.

#include "listcontrols/thgrid.h"

namespace listdemo {

// [0][k] normal, [1][k] highlighted: k = 0 cart, 1 note.
THPictures IconesLista();

}  // namespace listdemo
