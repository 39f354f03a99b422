#pragma once

// Colour values as the saved settings hold them: a signed 32-bit number that
// is either plain RGB with red in the low byte (0x00BBGGRR), -1 for "the
// container's colour", or a system colour (high bit set, index in the low
// byte). System colours are resolved through a palette when the control
// draws, so a theme or palette change recolours the control.

#include <QColor>
#include <QPalette>

#include <cstdint>
#include <optional>

namespace zelvano::link {

using ColorValue = std::int32_t;

inline constexpr ColorValue kContainerColor = -1;
inline constexpr std::uint32_t kSystemColorFlag = 0x80000000u;

constexpr ColorValue systemColor(int index) {
    return static_cast<ColorValue>(kSystemColorFlag | static_cast<std::uint32_t>(index & 0xFF));
}

constexpr ColorValue rgbColor(int red, int green, int blue) {
    return static_cast<ColorValue>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}

constexpr bool isSystemColor(ColorValue value) {
    return value != kContainerColor && (static_cast<std::uint32_t>(value) & kSystemColorFlag) != 0;
}

// The palette role that stands for a system colour index, or nothing for an
// index the system does not define.
struct SystemColorRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
std::optional<SystemColorRole> systemColorRole(int index);

// The colour to draw `value` with, or nothing for kContainerColor (the caller
// keeps the inherited colour). Unknown system indices and stray high bits
// resolve to the palette's text colour rather than to garbage.
std::optional<QColor> resolveColor(ColorValue value, const QPalette& palette);

// A plain colour value (0x00BBGGRR) for an RGB colour; alpha is dropped.
ColorValue colorValue(const QColor& color);

} // namespace zelvano::link
