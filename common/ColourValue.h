#pragma once

// Colour values as the controls' stored settings hold them: a signed 32-bit
// number that is either plain RGB with red in the low byte (0x00BBGGRR), -1
// for "the default" (the container's colour, or a default the control picks),
// or a system colour (high bit set, index in the low byte). System colours
// are resolved through a palette when drawing, so a theme or palette change
// recolours whatever uses them.

#include "CommonExport.h"

#include <QColor>

#include <cstdint>
#include <optional>

class QPalette;

namespace zelvano {

using ColourValue = std::int32_t;

inline constexpr ColourValue kDefaultColour = -1;
inline constexpr std::uint32_t kSystemColourFlag = 0x80000000u;

constexpr ColourValue systemColourCode(int index) {
    return static_cast<ColourValue>(kSystemColourFlag | static_cast<std::uint32_t>(index & 0xFF));
}

constexpr ColourValue rgbColourValue(int red, int green, int blue) {
    return static_cast<ColourValue>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}

constexpr bool isSystemColourCode(ColourValue value) {
    return value != kDefaultColour && (static_cast<std::uint32_t>(value) & kSystemColourFlag) != 0;
}

// The RGB colour of a plain value (the low three bytes; the rest is ignored).
ZELVANO_COMMON_EXPORT QColor rgbColour(ColourValue value);

// A plain colour value (0x00BBGGRR) for a colour; alpha is dropped.
ZELVANO_COMMON_EXPORT ColourValue colourValue(const QColor& colour);

// The colour to draw `value` with, or nothing for kDefaultColour (the caller
// picks its default). A code with stray bits beside the index is no system
// colour and resolves like an unknown index.
ZELVANO_COMMON_EXPORT std::optional<QColor> resolveColour(ColourValue value,
                                                          const QPalette& palette);

} // namespace zelvano
