#pragma once

// The task pane's public vocabulary: the colour value its properties take,
// the numbers its properties use, the icon source and the window id that
// handles hold.

#include "ColourValue.h"
#include "SystemColours.h"

#include <QImage>

#include <cstdint>
#include <vector>

using PaneWindowId = std::uint64_t; // 0: no window

// The pane's names for the shared colour value (ColourValue.h).
using OleColour = zelvano::ColourValue;
using zelvano::kDefaultColour;
inline constexpr OleColour kSysColourWindow = zelvano::systemColourCode(zelvano::SysWindow);

enum ItemKind : std::int32_t {
    ItemKindLink = 0,
    ItemKindText = 1,
    ItemKindHostedControl = 2,
};

enum BarState : std::int32_t {
    BarCollapsed = 0,
    BarExpanded = 1,
};

enum PaneStyle : std::int32_t {
    PaneStyleTaskPane = 0,
    PaneStyleSearch = 1,
};

// An icon source: icons by 0-based index, all of one square size.
struct PaneImageList {
    std::vector<QImage> icons;
    int iconSize = 0; // width (= height) in device-independent pixels

    bool isEmpty() const { return icons.empty(); }
    const QImage* icon(int index) const {
        return index >= 0 && index < static_cast<int>(icons.size()) ? &icons[index] : nullptr;
    }
};
