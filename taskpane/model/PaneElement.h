#pragma once

// One element of the task pane that the mouse, the keyboard, mnemonics and
// accessibility aim at: a bar's title (itemId 0) or an item (barId is then
// its bar). Both 0: no element. Held by ID, so it never dangles.

#include <cstdint>

namespace zelvano::pane {

struct PaneElement {
    std::int32_t barId = 0;
    std::int32_t itemId = 0;

    static PaneElement title(std::int32_t bar) { return {bar, 0}; }
    static PaneElement item(std::int32_t bar, std::int32_t item) { return {bar, item}; }

    bool isNone() const { return barId == 0 && itemId == 0; }
    bool isTitle() const { return barId != 0 && itemId == 0; }
    bool isItem() const { return itemId != 0; }
    bool operator==(const PaneElement&) const = default;
};

} // namespace zelvano::pane
