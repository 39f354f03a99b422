#pragma once

// The hyperlink's names for the shared colour value (ColourValue.h), kept so
// that code written against the label reads as before.

#include "ColourValue.h"

#include <QPalette>

namespace zelvano::link {

using ColorValue = ColourValue;

inline constexpr ColorValue kContainerColor = kDefaultColour;

constexpr ColorValue systemColor(int index) {
    return systemColourCode(index);
}

constexpr ColorValue rgbColor(int red, int green, int blue) {
    return rgbColourValue(red, green, blue);
}

constexpr bool isSystemColor(ColorValue value) {
    return isSystemColourCode(value);
}

inline std::optional<QColor> resolveColor(ColorValue value, const QPalette& palette) {
    return resolveColour(value, palette);
}

inline ColorValue colorValue(const QColor& color) {
    return colourValue(color);
}

} // namespace zelvano::link
