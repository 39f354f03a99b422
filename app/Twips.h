#pragma once

#include <QRect>

namespace zelvano::app {

// The window layout is stored in twips (1/1440 inch). At 96 dots per inch
// 15 twips make one device-independent pixel; Qt scales those on HiDPI screens.
inline constexpr int kTwipsPerPixel = 15;

// A rectangle in twips, relative to the control's container.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// Nearest whole pixel.
constexpr int twipsToPixels(int twips) {
    constexpr int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

// The edges are rounded, not the size, so that controls that touch in twips
// touch in pixels.
constexpr QRect toPixels(const TwipsRect& r) {
    const int x = twipsToPixels(r.left);
    const int y = twipsToPixels(r.top);
    return QRect(x, y, twipsToPixels(r.left + r.width) - x, twipsToPixels(r.top + r.height) - y);
}

} // namespace zelvano::app
