#include "Geometry.h"

#include <algorithm>
#include <cmath>

namespace forms {

int TwipsToPixels(int twips, int pixelsPerInch)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * pixelsPerInch / kTwipsPerInch));
}

PixelRect ToPixels(const TwipsRect& rect, int dpiX, int dpiY)
{
    return {TwipsToPixels(rect.left, dpiX), TwipsToPixels(rect.top, dpiY),
            TwipsToPixels(rect.width, dpiX), TwipsToPixels(rect.height, dpiY)};
}

namespace {

int MoveSpanInside(int start, int length, int areaStart, int areaLength)
{
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

PixelRect MoveInside(PixelRect window, const PixelRect& area)
{
    window.left = MoveSpanInside(window.left, window.width, area.left, area.width);
    window.top = MoveSpanInside(window.top, window.height, area.top, area.height);
    return window;
}

}  // namespace forms
