#pragma once

// Live task panes by window id. A pane registers itself when its window is
// set up and leaves when it is destroyed; handles keep only the id and find
// the pane again on every call, so a handle that outlives its pane fails
// cleanly instead of touching freed memory. Window ids are never reused.

#include <cstdint>

class torkExplorerBarCtl;

using PaneWindowId = std::uint64_t; // 0: no window

namespace PaneRegistry {

PaneWindowId add(torkExplorerBarCtl* pane);
void remove(PaneWindowId window);
torkExplorerBarCtl* find(PaneWindowId window);
// The live pane of `window`; error 364 when it is gone.
torkExplorerBarCtl& resolve(PaneWindowId window);

} // namespace PaneRegistry
