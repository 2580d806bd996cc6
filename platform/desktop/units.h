#pragma once
// Units of the original screens: twips (a fixed 15 per logical pixel here)
// and colours written &HBBGGRR (blue in the high byte, red in the low one).

#include <QColor>

namespace platform {

constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// A colour given as &HBBGGRR.
inline QColor colorFromBgr(unsigned int bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace platform
