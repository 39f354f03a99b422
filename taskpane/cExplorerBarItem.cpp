#include "cExplorerBarItem.h"

#include "model/PaneRegistry.h"
#include "torkExplorerBarCtlPrivate.h"

using namespace zelvano::pane;

cExplorerBarItem::cExplorerBarItem(PaneWindowId window, std::int32_t barId, std::int32_t itemId)
    : window_(window)
    , barId_(barId)
    , itemId_(itemId) {}

struct cExplorerBarItem::Target {
    torkExplorerBarCtlPrivate& pane;
    pcExplorerBar& bar;
    pcExplorerBarItem& item;
};

cExplorerBarItem::Target cExplorerBarItem::resolve() const {
    torkExplorerBarCtlPrivate& pane = PaneRegistry::resolve(window_);
    pcExplorerBarItem& item = pane.itemOrUnloaded(itemId_);
    return {pane, pane.barOrUnloaded(item.BarID), item};
}

std::int32_t cExplorerBarItem::ItemType() const {
    return resolve().item.ItemType;
}

void cExplorerBarItem::setItemType(std::int32_t type) {
    auto [pane, bar, item] = resolve();
    item.ItemType = type;
    // A placeholder is as high as its control, a link as its text.
    pane.itemChanged(bar, item, true);
}

std::int32_t cExplorerBarItem::IconIndex() const {
    return resolve().item.IconIndex;
}

void cExplorerBarItem::setIconIndex(std::int32_t index) {
    auto [pane, bar, item] = resolve();
    const bool hadIcon = item.IconIndex >= 0;
    item.IconIndex = index;
    pane.itemChanged(bar, item, hadIcon != (index >= 0));
}

QString cExplorerBarItem::Text() const {
    return resolve().item.Text;
}

void cExplorerBarItem::setText(const QString& text) {
    auto [pane, bar, item] = resolve();
    pane.updateMnemonic(item.Text, text);
    item.Text = text;
    pane.itemChanged(bar, item, true);
}

QString cExplorerBarItem::ToolTipText() const {
    return resolve().item.ToolTipText;
}

void cExplorerBarItem::setToolTipText(const QString& text) {
    resolve().item.ToolTipText = text;
}

std::optional<QFont> cExplorerBarItem::Font() const {
    return resolve().item.Font;
}

void cExplorerBarItem::setFont(const std::optional<QFont>& font) {
    auto [pane, bar, item] = resolve();
    item.Font = font;
    pane.itemChanged(bar, item, true);
}

bool cExplorerBarItem::Bold() const {
    return resolve().item.Bold;
}

void cExplorerBarItem::setBold(bool bold) {
    auto [pane, bar, item] = resolve();
    if (bold == item.Bold)
        return;
    item.Bold = bold;
    pane.itemChanged(bar, item, true);
}

std::int32_t cExplorerBarItem::SpacingAfter() const {
    return resolve().item.SpacingAfter;
}

void cExplorerBarItem::setSpacingAfter(std::int32_t pixels) {
    auto [pane, bar, item] = resolve();
    if (pixels == item.SpacingAfter)
        return;
    item.SpacingAfter = pixels;
    pane.itemChanged(bar, item, true);
}

QWidget* cExplorerBarItem::Control() const {
    return resolve().item.lPtrPanel;
}

void cExplorerBarItem::setControl(QWidget* control) {
    auto [pane, bar, item] = resolve();
    pane.hostControl(bar, item, control);
}

OleColour cExplorerBarItem::TextColor() const {
    return resolve().item.TextColor;
}

void cExplorerBarItem::setTextColor(OleColour colour) {
    auto [pane, bar, item] = resolve();
    item.TextColor = colour;
    pane.itemChanged(bar, item, false);
}

OleColour cExplorerBarItem::TextColorOver() const {
    return resolve().item.TextColorOver;
}

void cExplorerBarItem::setTextColorOver(OleColour colour) {
    auto [pane, bar, item] = resolve();
    item.TextColorOver = colour;
    pane.itemChanged(bar, item, false);
}

bool cExplorerBarItem::CanClick() const {
    return resolve().item.CanClick;
}

void cExplorerBarItem::setCanClick(bool canClick) {
    resolve().item.CanClick = canClick;
}

QString cExplorerBarItem::Key() const {
    return resolve().item.Key;
}

QString cExplorerBarItem::Tag() const {
    return resolve().item.Tag;
}

void cExplorerBarItem::setTag(const QString& tag) {
    resolve().item.Tag = tag;
}

std::int32_t cExplorerBarItem::ItemData() const {
    return resolve().item.ItemData;
}

void cExplorerBarItem::setItemData(std::int32_t data) {
    resolve().item.ItemData = data;
}

std::int32_t cExplorerBarItem::Index() const {
    auto [pane, bar, item] = resolve();
    return pane.model.itemPosition(bar, item.ID);
}

void cExplorerBarItem::setIndex(std::int32_t position) {
    auto [pane, bar, item] = resolve();
    pane.model.moveItem(bar, item.ID, position);
    pane.itemChanged(bar, item, false);
}

void cExplorerBarItem::EnsureVisible() {
    auto [pane, bar, item] = resolve();
    if (bar.State == BarCollapsed)
        pane.animateBarTo(bar, BarExpanded);
    // The expansion repaints; look the records up again before using them.
    auto [pane2, bar2, item2] = resolve();
    pane2.scrollIntoView(bar2, &item2);
}
