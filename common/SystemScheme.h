#pragma once

// What the system itself says of its colour scheme, where Qt's palette does
// not carry it. One file per platform.

#include <QColor>

#include <optional>

namespace zelvano {

// The system's high-contrast setting is on.
bool systemHighContrast();
// The system's hyperlink colour, when it has one of its own.
std::optional<QColor> systemHyperlinkColour();

} // namespace zelvano
