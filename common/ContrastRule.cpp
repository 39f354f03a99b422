#include "ContrastRule.h"

#include "SystemScheme.h"

#include <QPalette>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zelvano {

namespace {

// Read once: the painters ask for every colour they draw, and the variable is
// set before the program starts.
bool highContrastForced() {
    static const bool forced = [] {
        const char* value = std::getenv("ZELVANO_HIGH_CONTRAST");
        return value != nullptr && value[0] == '1' && value[1] == '\0';
    }();
    return forced;
}

QColor active(const QPalette& palette, QPalette::ColorRole role) {
    return palette.color(QPalette::Active, role);
}

// The scheme's colours for a role, most fitting first.
std::vector<QColor> roleInks(InkRole role, const QPalette& palette) {
    std::vector<QColor> inks;
    switch (role) {
    case InkRole::Link:
        if (isHighContrast(palette))
            if (const auto link = systemHyperlinkColour())
                inks.push_back(*link);
        inks.push_back(active(palette, QPalette::Link));
        break;
    case InkRole::HotText:
        inks.push_back(active(palette, QPalette::Highlight));
        break;
    case InkRole::Text:
    case InkRole::Mark:
        break;
    }
    // The texts of the window, then of a selection: one of them stands out
    // from every ground the scheme has, the highlight included.
    inks.push_back(active(palette, QPalette::WindowText));
    inks.push_back(active(palette, QPalette::ButtonText));
    inks.push_back(active(palette, QPalette::HighlightedText));
    return inks;
}

} // namespace

double relativeLuminance(const QColor& colour) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double requiredContrast(InkRole role) {
    return role == InkRole::Mark ? kMarkContrast : kTextContrast;
}

bool isHighContrastPalette(const QPalette& palette) {
    return contrastRatio(active(palette, QPalette::Window),
                         active(palette, QPalette::WindowText)) >= 20.0;
}

bool isDarkPalette(const QPalette& palette) {
    return relativeLuminance(active(palette, QPalette::Window)) <
           relativeLuminance(active(palette, QPalette::WindowText));
}

bool isHighContrast(const QPalette& palette) {
    return highContrastForced() || systemHighContrast() || isHighContrastPalette(palette);
}

QColor schemeInk(InkRole role, const QPalette& palette, const QColor& background) {
    std::vector<QColor> inks = roleInks(role, palette);
    const double needed = requiredContrast(role);
    for (const QColor& ink : inks)
        if (contrastRatio(ink, background) >= needed)
            return ink;
    inks.push_back(Qt::black);
    inks.push_back(Qt::white);
    return *std::max_element(inks.begin(), inks.end(), [&background](const auto& a, const auto& b) {
        return contrastRatio(a, background) < contrastRatio(b, background);
    });
}

QColor legibleInk(const QColor& fixed, const QColor& background, InkRole role,
                  const QPalette& palette) {
    if (isHighContrast(palette))
        return schemeInk(role, palette, background);
    if (isDarkPalette(palette) && contrastRatio(fixed, background) < requiredContrast(role))
        return schemeInk(role, palette, background);
    return fixed;
}

} // namespace zelvano
