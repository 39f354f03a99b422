#include "cExplorerBarItems.h"

#include "model/PaneRegistry.h"
#include "torkExplorerBarCtlPrivate.h"

using namespace zelvano::pane;
using Change = torkExplorerBarCtlPrivate::BarChange;

cExplorerBarItems::cExplorerBarItems(PaneWindowId window, std::int32_t barId)
    : window_(window)
    , barId_(barId) {}

struct cExplorerBarItems::Target {
    torkExplorerBarCtlPrivate& pane;
    pcExplorerBar& bar;
};

cExplorerBarItems::Target cExplorerBarItems::resolve() const {
    torkExplorerBarCtlPrivate& pane = PaneRegistry::resolve(window_);
    return {pane, pane.barOrUnloaded(barId_)};
}

std::int32_t cExplorerBarItems::Count() const {
    return static_cast<std::int32_t>(resolve().bar.items.size());
}

void cExplorerBarItems::Clear() {
    auto [pane, bar] = resolve();
    const auto removed = pane.model.takeAllItems(bar);
    for (const auto& item : removed)
        pane.discardItem(*item);
    pane.barChanged(bar, Change::Size);
}

void cExplorerBarItems::Remove(const QVariant& key) {
    auto [pane, bar] = resolve();
    const pcExplorerBarItem* item = pane.model.lookupItem(bar, key);
    if (!item)
        return;
    const auto removed = pane.model.takeItem(bar, item->ID);
    pane.discardItem(*removed);
    pane.barChanged(bar, Change::Size);
}

cExplorerBarItem cExplorerBarItems::Add(const QVariant& index, const QVariant& key,
                                        const QString& text, std::int32_t iconIndex,
                                        std::int32_t itemType) {
    auto [pane, bar] = resolve();
    pcExplorerBarItem& item = pane.model.addItem(bar, index, key, text, iconIndex, itemType);
    pane.updateMnemonic({}, item.Text);
    pane.itemChanged(bar, item, true);
    return cExplorerBarItem(window_, bar.ID, item.ID);
}

cExplorerBarItem cExplorerBarItems::Item(const QVariant& key) const {
    auto [pane, bar] = resolve();
    return cExplorerBarItem(window_, bar.ID, pane.model.itemOrRaise(bar, key).ID);
}

bool cExplorerBarItems::Exists(const QVariant& indexOrKey) const {
    auto [pane, bar] = resolve();
    return pane.model.lookupItem(bar, indexOrKey) != nullptr;
}
