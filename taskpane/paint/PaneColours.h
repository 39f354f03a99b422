#pragma once

// Colours of the task pane: resolving colour values with the pane's
// defaults, and the HLS recolouring of glyphs and watermarks.

#include "model/PaneRecords.h"

#include <QColor>
#include <QImage>

class QPalette;

namespace zelvano::pane {

// The shared system colour table and colour arithmetic, under the names the
// pane's code uses.
using zelvano::blend;
using zelvano::SystemColour;
using zelvano::systemColour;
using enum zelvano::SystemColour;

inline constexpr OleColour sysColourCode(int index) {
    return zelvano::systemColourCode(index);
}
inline constexpr bool isSysColourCode(OleColour c) {
    return zelvano::isSystemColourCode(c);
}

inline QColor fromOle(OleColour rgb) { // plain RGB value, red in the low byte
    return zelvano::rgbColour(rgb);
}
inline OleColour toOle(const QColor& c) {
    return zelvano::colourValue(c);
}

// RGB of a colour value; -1 resolves to the fallback (itself a colour value),
// and black when that is -1 too.
QColor resolveColour(OleColour colour, OleColour fallback, const QPalette& palette);

// Hue, lightness, saturation in 0..1 (hue as a fraction of the full turn).
struct Hls {
    double h = 0, l = 0, s = 0;
};
Hls toHls(QRgb rgb);
QRgb fromHls(const Hls& hls);

// Recolours a picture onto a target colour: its pixel (1, 1) is the
// background and becomes the target; darker pixels take the target's hue and
// saturation with their lightness scaled; lighter ones keep their lightness.
// The result is opaque ARGB32, or, with clearBackground, has the background
// pixels transparent instead of the target colour.
QImage colourise(const QImage& source, const QColor& target, bool clearBackground = false);

} // namespace zelvano::pane
