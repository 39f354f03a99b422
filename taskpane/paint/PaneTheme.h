#pragma once

// Where the pane's pictures come from: the decision whether a visual-style
// theme is active, the themed image set (location and image numbers), and
// the pane's own greyscale glyphs recoloured for emulated drawing.

#include <QImage>
#include <QString>

#include <array>
#include <optional>

class QColor;
class QWidget;

namespace zelvano::pane {

// How the pane draws itself.
enum class PaneLook {
    Themed,   // UseExplorerStyle and an active theme: the themed image set
    Emulated, // UseExplorerStyle False: the pane's own recoloured glyphs
    Classic,  // UseExplorerStyle True without a theme: plain system colours
};

// A theme counts as active unless the widget runs the classic "windows"
// style (flat 3-D look, no visual styles), the scheme is a high-contrast one
// (ContrastRule.h: the system's setting, or window and window text at least
// 20:1 apart), or a dark one (window darker than window text): the themed
// image set is a light theme and would stand out of a dark window.
bool visualStyleActive(const QWidget* widget);

// One picture at 1x and, when shipped, 2x for HiDPI screens.
struct PaneImage {
    QImage normal;
    QImage hidpi; // may be null

    bool isNull() const { return normal.isNull(); }
    QSize size() const { return normal.size(); } // device-independent pixels
    const QImage& forRatio(qreal dpr) const { return dpr > 1 && !hidpi.isNull() ? hidpi : normal; }
};

// The themed image library: a folder of PNGs named by image number (and
// number@2x for HiDPI). Another set can be dropped in by pointing the
// renderer at another folder.
namespace ThemeLibrary {
inline constexpr const char* kDefaultLocation = ":/taskpane/theme";
// Image numbers by glyph-set index: eight glyph states, the special and
// standard title strips, the panel sample.
inline constexpr std::array<int, 11> kImageNumbers = {100, 101, 102, 103, 104, 105,
                                                      106, 107, 110, 112, 14};
inline constexpr int kSpecialStrip = 8;
inline constexpr int kStandardStrip = 9;
inline constexpr int kPanelSample = 10;
// Optional: the pane background, stretched over the client area.
inline constexpr const char* kBackgroundName = "background";
} // namespace ThemeLibrary

inline constexpr const char* kOwnGlyphLocation = ":/taskpane/glyphs";
inline constexpr std::array<int, 4> kOwnGlyphNumbers = {101, 102, 103, 104};

// Glyph-set index of a title glyph.
inline constexpr int glyphIndex(bool special, bool expanded, bool hot) {
    return (special ? 4 : 0) + (expanded ? 0 : 2) + (hot ? 1 : 0);
}

using GlyphSet = std::array<PaneImage, 11>;

PaneImage loadPaneImage(const QString& location, const QString& name);
// All eleven themed images, or nothing when any is missing.
std::optional<GlyphSet> loadThemeImages(const QString& location);
// Title strips without their own alpha show their top-left colour as
// transparent (the rounded corners of an opaque picture).
void keyOutStripCorners(GlyphSet& set);
// Glyph-set entries 0..7 built from the pane's own images 101..104.
GlyphSet buildEmulatedGlyphs(const QColor& standard, const QColor& special);

} // namespace zelvano::pane
