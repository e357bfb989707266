#pragma once

#include <QRect>
#include <cmath>

// Window geometry is designed in twips (1440 to the inch); the screen is taken as 96 dpi.
namespace vx::platform {

constexpr int TwipsPerInch = 1440;
constexpr int PixelsPerInch = 96;

constexpr int twipsToPixels(int twips)
{
    // Round half away from zero so that symmetrical layouts stay symmetrical.
    const int scaled = twips * PixelsPerInch;
    return scaled >= 0 ? (scaled + TwipsPerInch / 2) / TwipsPerInch : -((-scaled + TwipsPerInch / 2) / TwipsPerInch);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerInch / PixelsPerInch;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace vx::platform
