#include "SystemColours.h"

#include <QPalette>

#include <algorithm>
#include <array>

namespace zelvano {

namespace {

// A system colour as a palette role, or as a blend of two roles of the same
// group at a weight (255 is the first role alone).
struct SystemColourEntry {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    QPalette::ColorRole blendWith = QPalette::NoRole;
    int weight = 255;
};

constexpr auto kActive = QPalette::Active;

// Qt has no caption roles: captions are built from the highlight, so that a
// palette change keeps titles and selection in tune.
constexpr std::array kSystemColours{
    SystemColourEntry{SysScrollBar, kActive, QPalette::Window},
    SystemColourEntry{SysBackground, kActive, QPalette::Window},
    SystemColourEntry{SysActiveCaption, kActive, QPalette::Highlight},
    SystemColourEntry{SysInactiveCaption, kActive, QPalette::Highlight, QPalette::Window, 160},
    SystemColourEntry{SysMenu, kActive, QPalette::Window},
    SystemColourEntry{SysWindow, kActive, QPalette::Base},
    SystemColourEntry{SysWindowFrame, kActive, QPalette::Shadow},
    SystemColourEntry{SysMenuText, kActive, QPalette::WindowText},
    SystemColourEntry{SysWindowText, kActive, QPalette::Text},
    SystemColourEntry{SysCaptionText, kActive, QPalette::HighlightedText},
    SystemColourEntry{SysActiveBorder, kActive, QPalette::Window},
    SystemColourEntry{SysInactiveBorder, kActive, QPalette::Window},
    SystemColourEntry{SysAppWorkspace, kActive, QPalette::Dark},
    SystemColourEntry{SysHighlight, kActive, QPalette::Highlight},
    SystemColourEntry{SysHighlightText, kActive, QPalette::HighlightedText},
    SystemColourEntry{SysButtonFace, kActive, QPalette::Button},
    SystemColourEntry{SysButtonShadow, kActive, QPalette::Dark},
    SystemColourEntry{SysGrayText, QPalette::Disabled, QPalette::Text},
    SystemColourEntry{SysButtonText, kActive, QPalette::ButtonText},
    SystemColourEntry{SysInactiveCaptionText, kActive, QPalette::HighlightedText},
    SystemColourEntry{SysButtonHighlight, kActive, QPalette::Light},
    SystemColourEntry{SysDarkShadow3D, kActive, QPalette::Shadow},
    SystemColourEntry{SysLight3D, kActive, QPalette::Midlight},
    SystemColourEntry{SysInfoText, kActive, QPalette::ToolTipText},
    SystemColourEntry{SysInfoBackground, kActive, QPalette::ToolTipBase},
    SystemColourEntry{SysHotLight, kActive, QPalette::Link},
    SystemColourEntry{SysGradientActiveCaption, kActive, QPalette::Highlight, QPalette::Base, 128},
    SystemColourEntry{SysGradientInactiveCaption, kActive, QPalette::Highlight, QPalette::Base, 64},
    SystemColourEntry{SysMenuHighlight, kActive, QPalette::Highlight},
    SystemColourEntry{SysMenuBar, kActive, QPalette::Window},
};

} // namespace

QColor systemColour(int index, const QPalette& palette) {
    const auto it =
        std::find_if(kSystemColours.begin(), kSystemColours.end(),
                     [index](const SystemColourEntry& entry) { return entry.index == index; });
    if (it == kSystemColours.end())
        return palette.color(QPalette::Active, QPalette::WindowText);
    const QColor colour = palette.color(it->group, it->role);
    if (it->blendWith == QPalette::NoRole)
        return colour;
    return blend(colour, palette.color(it->group, it->blendWith), it->weight);
}

QColor blend(const QColor& a, const QColor& b, int w) {
    w = std::clamp(w, 0, 255);
    // The exact sum is n / 255; 255 is odd, so it is never a half and
    // integer rounding to nearest is exact.
    const auto mix = [w](int x, int y) { return (2 * (x * w + y * (255 - w)) + 255) / 510; };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

} // namespace zelvano
