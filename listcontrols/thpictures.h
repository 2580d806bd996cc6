#pragma once
// The pictures that belong to the list controls' own design: the drop-down
// arrow of THCombo (normal and highlighted, 22 by 22 pixels) and the hand
// pointer of row icons and faces.  They are drawn here; everything a host
// shows in its lists (row icons) comes from the host through ObtemPictures.

#include <QCursor>
#include <QPixmap>

namespace THImagens {

// The drop-down arrow img1 (destacada false) and its highlighted twin img2.
QPixmap Seta(bool destacada);

// The custom pointer of mouse-pointer value 99: the hand picture CURSORMAO
// (hot spot at the tip of the finger) when the program carries its pictures,
// else the system's pointing hand.
QCursor CursorMao();

}  // namespace THImagens
