#pragma once
// Twips and screen pixels in the list controls' own code: Px gives the
// pixels of a twips measure, Tw the twips of a pixel measure.

#include "platform/desktop/units.h"

#include <QString>

namespace THUnits {

inline int Px(int twips) { return platform::twipsToPixels(twips); }
inline int Tw(int px) { return platform::pixelsToTwips(px); }

// The tag of the control's own form in the layout's names.
inline const QString kForm = QStringLiteral("FORM");

}  // namespace THUnits
