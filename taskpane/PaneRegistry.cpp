#include "PaneRegistry.h"

#include "PaneErrors.h"

#include <unordered_map>

namespace PaneRegistry {

namespace {

// GUI thread only, like the panes themselves.
std::unordered_map<PaneWindowId, torkExplorerBarCtl*>& panes() {
    static std::unordered_map<PaneWindowId, torkExplorerBarCtl*> map;
    return map;
}

PaneWindowId lastWindow = 0;

} // namespace

PaneWindowId add(torkExplorerBarCtl* pane) {
    panes().emplace(++lastWindow, pane);
    return lastWindow;
}

void remove(PaneWindowId window) {
    panes().erase(window);
}

torkExplorerBarCtl* find(PaneWindowId window) {
    const auto it = panes().find(window);
    return it == panes().end() ? nullptr : it->second;
}

torkExplorerBarCtl& resolve(PaneWindowId window) {
    torkExplorerBarCtl* pane = find(window);
    if (!pane)
        pane::raisePaneError(zelvano::RuntimeError::ObjectUnloaded);
    return *pane;
}

} // namespace PaneRegistry
