#include "ColourValue.h"

#include "SystemColours.h"

namespace zelvano {

QColor rgbColour(ColourValue value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>(bits >> 8 & 0xFF),
                  static_cast<int>(bits >> 16 & 0xFF));
}

ColourValue colourValue(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return rgbColourValue(rgb.red(), rgb.green(), rgb.blue());
}

std::optional<QColor> resolveColour(ColourValue value, const QPalette& palette) {
    if (value == kDefaultColour)
        return std::nullopt;
    if (!isSystemColourCode(value))
        return rgbColour(value);
    const auto bits = static_cast<std::uint32_t>(value);
    const int index = (bits & 0x7FFFFF00u) == 0 ? static_cast<int>(bits & 0xFF) : -1;
    return systemColour(index, palette);
}

} // namespace zelvano
