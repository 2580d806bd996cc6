#pragma once
// Colours of the original design are Windows colour values &HBBGGRR (blue in
// the high byte, red in the low one); this is the one conversion to QColor
// and back.

#include <QColor>

namespace platform {

inline QColor colorFromBgr(long bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline long bgrFromColor(const QColor& c)
{
    return static_cast<long>(c.red()) | (static_cast<long>(c.green()) << 8) | (static_cast<long>(c.blue()) << 16);
}

}  // namespace platform
