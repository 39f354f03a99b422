#include "SystemScheme.h"

namespace zelvano {

// The desktops here say nothing beyond the palette the platform theme gives.
bool systemHighContrast() {
    return false;
}

std::optional<QColor> systemHyperlinkColour() {
    return std::nullopt;
}

} // namespace zelvano
