// Positions and sizes of a form and its controls: stored in twips (1440 per
// logical inch) as the form designer keeps them, shown in pixels.
#pragma once

namespace forms {

constexpr int kTwipsPerInch = 1440;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

// The one conversion from twips to pixels, rounded to the nearest pixel.
int TwipsToPixels(int twips, int pixelsPerInch);

// Position and size are converted separately, so that controls of equal size
// in twips stay of equal size in pixels.
PixelRect ToPixels(const TwipsRect& rect, int dpiX, int dpiY);

// Moves `window` the least distance that puts it inside `area`. A window larger
// than the area is aligned with the area's left or top edge, so that its
// caption stays reachable.
PixelRect MoveInside(PixelRect window, const PixelRect& area);

}  // namespace forms
