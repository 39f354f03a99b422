#include "PaneRegistry.h"

#include "PaneErrors.h"

#include <unordered_map>

namespace zelvano::pane {

namespace PaneRegistry {

namespace {

// GUI thread only, like the panes themselves.
std::unordered_map<PaneWindowId, torkExplorerBarCtlPrivate*>& panes() {
    static std::unordered_map<PaneWindowId, torkExplorerBarCtlPrivate*> map;
    return map;
}

PaneWindowId lastWindow = 0;

} // namespace

PaneWindowId add(torkExplorerBarCtlPrivate* pane) {
    panes().emplace(++lastWindow, pane);
    return lastWindow;
}

void remove(PaneWindowId window) {
    panes().erase(window);
}

torkExplorerBarCtlPrivate* find(PaneWindowId window) {
    const auto it = panes().find(window);
    return it == panes().end() ? nullptr : it->second;
}

torkExplorerBarCtlPrivate& resolve(PaneWindowId window) {
    torkExplorerBarCtlPrivate* pane = find(window);
    if (!pane)
        raisePaneError(zelvano::RuntimeError::ObjectUnloaded);
    return *pane;
}

} // namespace PaneRegistry

} // namespace zelvano::pane
