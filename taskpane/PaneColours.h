#pragma once

// Colour values of the task pane: resolving OLE colour values (plain RGB,
// -1 for the default, system-colour codes) against the widget's palette,
// the pane's blend, and the HLS recolouring of glyphs and watermarks.

#include "PaneRecords.h"

#include <QColor>
#include <QImage>

class QPalette;

namespace pane {

// Indices of the system colour table that the pane uses.
enum SystemColour : int {
    SysScrollBar = 0,
    SysBackground = 1,
    SysActiveCaption = 2,
    SysInactiveCaption = 3,
    SysMenu = 4,
    SysWindow = 5,
    SysWindowFrame = 6,
    SysMenuText = 7,
    SysWindowText = 8,
    SysCaptionText = 9,
    SysActiveBorder = 10,
    SysInactiveBorder = 11,
    SysAppWorkspace = 12,
    SysHighlight = 13,
    SysHighlightText = 14,
    SysButtonFace = 15,
    SysButtonShadow = 16,
    SysGrayText = 17,
    SysButtonText = 18,
    SysInactiveCaptionText = 19,
    SysButtonHighlight = 20,
    SysDarkShadow3D = 21,
    SysLight3D = 22,
    SysInfoText = 23,
    SysInfoBackground = 24,
    SysHotLight = 26,
    SysGradientActiveCaption = 27,
    SysGradientInactiveCaption = 28,
    SysMenuHighlight = 29,
    SysMenuBar = 30,
};

inline constexpr OleColor sysColourCode(int index) {
    return static_cast<OleColor>(0x80000000u | static_cast<unsigned>(index & 0xFF));
}
inline constexpr bool isSysColourCode(OleColor c) {
    return c != kDefaultColor && (static_cast<std::uint32_t>(c) & 0x80000000u) != 0;
}

QColor fromOle(OleColor rgb); // plain RGB value, red in the low byte
OleColor toOle(const QColor& c);

// The system colour with the given index, taken from the palette (Qt has no
// caption colours; they are derived from the highlight). Unknown: black.
QColor systemColour(int index, const QPalette& palette);

// RGB of a colour value; -1 resolves to the fallback (itself a colour value).
QColor resolveColour(OleColor colour, OleColor fallback, const QPalette& palette);

// Per channel A * w / 255 + B * (255 - w) / 255, rounded to nearest.
QColor blend(const QColor& a, const QColor& b, int w);

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

} // namespace pane
