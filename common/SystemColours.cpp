#include "SystemColours.h"

#include <QPalette>

#include <array>

namespace zelvano {

namespace {

struct SystemColorEntry {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colour indices and the palette roles that play their part in Qt;
// the mapping follows what Qt itself fills the palette with on that system.
constexpr std::array kSystemColors{
    SystemColorEntry{0, QPalette::Active, QPalette::Button},             // scroll bar
    SystemColorEntry{1, QPalette::Active, QPalette::Dark},               // desktop
    SystemColorEntry{2, QPalette::Active, QPalette::Highlight},          // active caption
    SystemColorEntry{3, QPalette::Inactive, QPalette::Highlight},        // inactive caption
    SystemColorEntry{4, QPalette::Active, QPalette::Window},             // menu
    SystemColorEntry{5, QPalette::Active, QPalette::Base},               // window
    SystemColorEntry{6, QPalette::Active, QPalette::Shadow},             // window frame
    SystemColorEntry{7, QPalette::Active, QPalette::WindowText},         // menu text
    SystemColorEntry{8, QPalette::Active, QPalette::WindowText},         // window text
    SystemColorEntry{9, QPalette::Active, QPalette::HighlightedText},    // caption text
    SystemColorEntry{10, QPalette::Active, QPalette::Window},            // active border
    SystemColorEntry{11, QPalette::Inactive, QPalette::Window},          // inactive border
    SystemColorEntry{12, QPalette::Active, QPalette::Mid},               // application workspace
    SystemColorEntry{13, QPalette::Active, QPalette::Highlight},         // highlight
    SystemColorEntry{14, QPalette::Active, QPalette::HighlightedText},   // highlight text
    SystemColorEntry{15, QPalette::Active, QPalette::Button},            // button face
    SystemColorEntry{16, QPalette::Active, QPalette::Dark},              // button shadow
    SystemColorEntry{17, QPalette::Disabled, QPalette::WindowText},      // grey text
    SystemColorEntry{18, QPalette::Active, QPalette::ButtonText},        // button text
    SystemColorEntry{19, QPalette::Inactive, QPalette::HighlightedText}, // inactive caption text
    SystemColorEntry{20, QPalette::Active, QPalette::Light},             // button highlight
    SystemColorEntry{21, QPalette::Active, QPalette::Shadow},            // 3-D dark shadow
    SystemColorEntry{22, QPalette::Active, QPalette::Midlight},          // 3-D light
    SystemColorEntry{23, QPalette::Active, QPalette::ToolTipText},       // tooltip text
    SystemColorEntry{24, QPalette::Active, QPalette::ToolTipBase},       // tooltip background
    SystemColorEntry{26, QPalette::Active, QPalette::Link},              // hot-tracked item
    SystemColorEntry{27, QPalette::Active, QPalette::Highlight},         // active caption gradient
    SystemColorEntry{28, QPalette::Inactive, QPalette::Highlight}, // inactive caption gradient
    SystemColorEntry{29, QPalette::Active, QPalette::Highlight},   // menu highlight
    SystemColorEntry{30, QPalette::Active, QPalette::Window},      // menu bar
};

} // namespace

QColor systemColour(int index, const QPalette& palette) {
    for (const auto& entry : kSystemColors) {
        if (entry.index == index)
            return palette.color(entry.group, entry.role);
    }
    return palette.color(QPalette::Active, QPalette::WindowText);
}

} // namespace zelvano
