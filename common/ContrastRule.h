#pragma once

// The colour rule of the window and the controls: a colour they pick
// themselves stays, unless the scheme is a high-contrast one or a dark one in
// which it is not legible on what it is drawn on. Then it gives way to the
// scheme's colour for what it is drawn as. A text must stand 4.5:1 from its
// ground, an edge, glyph, indicator or focus mark 3:1 (luminance contrast as
// WCAG 2.2 measures it).

#include "CommonExport.h"

#include <QColor>

class QPalette;

namespace zelvano {

// What a colour is drawn as; each has its ratio and its scheme colours.
enum class InkRole {
    Text,    // plain text: the window text
    Link,    // link text: the system's hyperlink colour
    HotText, // text under the mouse: the highlight
    Mark,    // edges, glyphs, indicators and focus marks: the window text
};

inline constexpr double kTextContrast = 4.5;
inline constexpr double kMarkContrast = 3.0;

ZELVANO_COMMON_EXPORT double relativeLuminance(const QColor& colour);
// 1 (same luminance) to 21 (black and white).
ZELVANO_COMMON_EXPORT double contrastRatio(const QColor& a, const QColor& b);
ZELVANO_COMMON_EXPORT double requiredContrast(InkRole role);

// A palette whose window and window text stand at least 20:1 apart.
ZELVANO_COMMON_EXPORT bool isHighContrastPalette(const QPalette& palette);
// A window darker than its text.
ZELVANO_COMMON_EXPORT bool isDarkPalette(const QPalette& palette);
// The system's high-contrast setting, the ZELVANO_HIGH_CONTRAST=1
// environment variable (which forces it where the system cannot say so), or
// a high-contrast palette.
ZELVANO_COMMON_EXPORT bool isHighContrast(const QPalette& palette);

// The scheme's colour for `role` on `background`: the first of the role's
// system colours that reaches the role's ratio there, else the one of them,
// black and white that stands farthest from it.
ZELVANO_COMMON_EXPORT QColor schemeInk(InkRole role, const QPalette& palette,
                                       const QColor& background);

// `fixed` where the scheme leaves it legible on `background`, else
// schemeInk: under high contrast always, in a dark scheme below the role's
// ratio, never in a light one.
ZELVANO_COMMON_EXPORT QColor legibleInk(const QColor& fixed, const QColor& background, InkRole role,
                                        const QPalette& palette);

} // namespace zelvano
