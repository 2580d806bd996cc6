#pragma once
// Units of the original screens: twips, a fixed 15 per logical pixel here.
// Colours written &HBBGGRR are converted in platform/desktop/color.h.

namespace platform {

constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace platform
