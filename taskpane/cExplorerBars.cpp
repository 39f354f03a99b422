#include "cExplorerBars.h"

#include "model/PaneRegistry.h"
#include "torkExplorerBarCtlPrivate.h"

using namespace zelvano::pane;
using Change = torkExplorerBarCtlPrivate::BarChange;

cExplorerBars::cExplorerBars(PaneWindowId window)
    : window_(window) {}

std::int32_t cExplorerBars::Count() const {
    return PaneRegistry::resolve(window_).model.barCount();
}

void cExplorerBars::Clear() {
    torkExplorerBarCtlPrivate& pane = PaneRegistry::resolve(window_);
    const auto removed = pane.model.takeAllBars();
    for (const auto& bar : removed)
        pane.discardBar(*bar);
    pane.state.keyboardUsed = false; // no focus rectangle until the next key
    pane.relayoutAndRepaint();
}

void cExplorerBars::Remove(const QVariant& key) {
    torkExplorerBarCtlPrivate& pane = PaneRegistry::resolve(window_);
    const pcExplorerBar* bar = pane.model.lookupBar(key);
    if (!bar)
        return;
    const auto removed = pane.model.takeBar(bar->ID);
    pane.discardBar(*removed);
    pane.relayoutAndRepaint();
}

cExplorerBar cExplorerBars::Add(const QVariant& index, const QVariant& key, const QString& title) {
    torkExplorerBarCtlPrivate& pane = PaneRegistry::resolve(window_);
    pcExplorerBar& bar = pane.model.addBar(index, key, title);
    pane.updateMnemonic({}, bar.Title);
    pane.barChanged(bar, Change::Size);
    return cExplorerBar(window_, bar.ID);
}

cExplorerBar cExplorerBars::Item(const QVariant& indexOrKey) const {
    const pcExplorerBar* bar = PaneRegistry::resolve(window_).model.lookupBar(indexOrKey);
    return bar ? cExplorerBar(window_, bar->ID) : cExplorerBar();
}

bool cExplorerBars::Exists(const QVariant& indexOrKey) const {
    return PaneRegistry::resolve(window_).model.lookupBar(indexOrKey) != nullptr;
}
