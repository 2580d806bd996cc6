#pragma once
// Units of the original screens: twips, a fixed 15 per logical pixel here.
// Colours written &HBBGGRR are converted in platform/desktop/color.h.
//
// Both conversions take any int: twipsToPixels never overflows, and
// pixelsToTwips raises the run time's overflow (6) when the twips would not
// fit in an int, as the original's Long arithmetic does.

#include "platform/base/error.h"

namespace platform {

constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel (halves away from 0).
constexpr int twipsToPixels(int twips)
{
    const int rest = twips % kTwipsPerPixel; // same sign as twips
    const int half = kTwipsPerPixel / 2 + 1;
    return twips / kTwipsPerPixel + (rest >= half ? 1 : rest <= -half ? -1 : 0);
}

constexpr int pixelsToTwips(int pixels)
{
    int twips = 0;
    if (__builtin_mul_overflow(pixels, kTwipsPerPixel, &twips))
        throw platform::Error(errors::Overflow, QStringLiteral("Overflow"));
    return twips;
}

}  // namespace platform
