#include "model/PaneRegistry.h"

#include "model/PaneErrors.h"

#include <unordered_map>

namespace zelvano::pane {

namespace PaneRegistry {

namespace {

struct LivePane {
    torkExplorerBarCtlPrivate* core;
    const QWidget* widget;
};

// GUI thread only, like the panes themselves.
std::unordered_map<PaneWindowId, LivePane>& panes() {
    static std::unordered_map<PaneWindowId, LivePane> map;
    return map;
}

PaneWindowId lastWindow = 0;

} // namespace

PaneWindowId add(torkExplorerBarCtlPrivate* pane, const QWidget* widget) {
    panes().emplace(++lastWindow, LivePane{pane, widget});
    return lastWindow;
}

void remove(PaneWindowId window) {
    panes().erase(window);
}

torkExplorerBarCtlPrivate* find(PaneWindowId window) {
    const auto it = panes().find(window);
    return it == panes().end() ? nullptr : it->second.core;
}

torkExplorerBarCtlPrivate* find(const QWidget* widget) {
    // A program holds a handful of panes at most.
    for (const auto& entry : panes())
        if (entry.second.widget == widget)
            return entry.second.core;
    return nullptr;
}

torkExplorerBarCtlPrivate& resolve(PaneWindowId window) {
    torkExplorerBarCtlPrivate* pane = find(window);
    if (!pane)
        raisePaneError(zelvano::RuntimeError::ObjectUnloaded);
    return *pane;
}

} // namespace PaneRegistry

} // namespace zelvano::pane
