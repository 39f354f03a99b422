#include "cExplorerBar.h"

#include "model/PaneRegistry.h"
#include "torkExplorerBarCtlPrivate.h"

using namespace zelvano::pane;
using Change = torkExplorerBarCtlPrivate::BarChange;

cExplorerBar::cExplorerBar(PaneWindowId window, std::int32_t barId)
    : window_(window)
    , barId_(barId) {}

struct cExplorerBar::Target {
    torkExplorerBarCtlPrivate& pane;
    pcExplorerBar& bar;
};

cExplorerBar::Target cExplorerBar::resolve() const {
    torkExplorerBarCtlPrivate& pane = PaneRegistry::resolve(window_);
    return {pane, pane.barOrUnloaded(barId_)};
}

bool cExplorerBar::IsSpecial() const {
    return resolve().bar.IsSpecial;
}

void cExplorerBar::setIsSpecial(bool special) {
    auto [pane, bar] = resolve();
    bar.IsSpecial = special;
    pane.barChanged(bar, Change::Layout);
}

QImage cExplorerBar::WatermarkPicture() const {
    return resolve().bar.watermark;
}

void cExplorerBar::setWatermarkPicture(const QImage& picture) {
    auto [pane, bar] = resolve();
    bar.watermark = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_ARGB32);
    pane.barChanged(bar, Change::Watermark);
}

std::int32_t cExplorerBar::WatermarkMode() const {
    return resolve().bar.WatermarkMode;
}

void cExplorerBar::setWatermarkMode(std::int32_t mode) {
    resolve().bar.WatermarkMode = mode;
}

std::int32_t cExplorerBar::WatermarkHAlign() const {
    return resolve().bar.WatermarkHAlign;
}

void cExplorerBar::setWatermarkHAlign(std::int32_t align) {
    auto [pane, bar] = resolve();
    bar.WatermarkHAlign = align;
    pane.barChanged(bar, Change::Colours);
}

std::int32_t cExplorerBar::WatermarkVAlign() const {
    return resolve().bar.WatermarkVAlign;
}

void cExplorerBar::setWatermarkVAlign(std::int32_t align) {
    auto [pane, bar] = resolve();
    bar.WatermarkVAlign = align;
    pane.barChanged(bar, Change::Colours);
}

std::int32_t cExplorerBar::IconIndex() const {
    return resolve().bar.IconIndex;
}

void cExplorerBar::setIconIndex(std::int32_t index) {
    auto [pane, bar] = resolve();
    bar.IconIndex = index;
    pane.barChanged(bar, Change::Size);
}

QString cExplorerBar::Title() const {
    return resolve().bar.Title;
}

void cExplorerBar::setTitle(const QString& title) {
    auto [pane, bar] = resolve();
    pane.updateMnemonic(bar.Title, title);
    bar.Title = title;
    pane.barChanged(bar, Change::Size);
}

QString cExplorerBar::ToolTipText() const {
    return resolve().bar.ToolTipText;
}

void cExplorerBar::setToolTipText(const QString& text) {
    resolve().bar.ToolTipText = text;
}

OleColour cExplorerBar::TitleBackColorLight() const {
    return resolve().bar.TitleBackColorLight;
}

void cExplorerBar::setTitleBackColorLight(OleColour colour) {
    auto [pane, bar] = resolve();
    bar.TitleBackColorLight = colour;
    pane.barChanged(bar, Change::Colours);
}

OleColour cExplorerBar::TitleBackColorDark() const {
    return resolve().bar.TitleBackColorDark;
}

void cExplorerBar::setTitleBackColorDark(OleColour colour) {
    auto [pane, bar] = resolve();
    bar.TitleBackColorDark = colour;
    pane.barChanged(bar, Change::Colours);
}

OleColour cExplorerBar::BackColor() const {
    return resolve().bar.PanelBackColor;
}

void cExplorerBar::setBackColor(OleColour colour) {
    auto [pane, bar] = resolve();
    bar.PanelBackColor = colour;
    // The watermark is recoloured onto the panel colour, so it follows it.
    pane.barChanged(bar, Change::Watermark);
}

std::optional<QFont> cExplorerBar::TitleFont() const {
    return resolve().bar.TitleFont;
}

void cExplorerBar::setTitleFont(const std::optional<QFont>& font) {
    auto [pane, bar] = resolve();
    bar.TitleFont = font; // titles are drawn in the bold default font regardless
    pane.barChanged(bar, Change::Layout);
}

OleColour cExplorerBar::TitleForeColor() const {
    return resolve().bar.TitleForeColor;
}

void cExplorerBar::setTitleForeColor(OleColour colour) {
    auto [pane, bar] = resolve();
    bar.TitleForeColor = colour;
    pane.barChanged(bar, Change::Layout);
}

OleColour cExplorerBar::TitleForeColorOver() const {
    return resolve().bar.TitleForeColorOver;
}

void cExplorerBar::setTitleForeColorOver(OleColour colour) {
    resolve().bar.TitleForeColorOver = colour;
}

bool cExplorerBar::CanExpand() const {
    return resolve().bar.CanExpand;
}

void cExplorerBar::setCanExpand(bool canExpand) {
    auto [pane, bar] = resolve();
    bar.CanExpand = canExpand;
    // The glyph's room and the empty-title gap depend on it.
    pane.barChanged(bar, Change::Size);
}

std::int32_t cExplorerBar::State() const {
    return resolve().bar.State;
}

void cExplorerBar::setState(std::int32_t state) {
    auto [pane, bar] = resolve();
    const std::int32_t target = state == BarCollapsed ? BarCollapsed : BarExpanded;
    if (target != bar.State)
        pane.animateBarTo(bar, target);
}

void cExplorerBar::EnsureVisible() {
    auto [pane, bar] = resolve();
    pane.scrollIntoView(bar);
}

QString cExplorerBar::Key() const {
    return resolve().bar.Key;
}

QString cExplorerBar::Tag() const {
    return resolve().bar.Tag;
}

void cExplorerBar::setTag(const QString& tag) {
    resolve().bar.Tag = tag;
}

std::int32_t cExplorerBar::ItemData() const {
    return resolve().bar.ItemData;
}

void cExplorerBar::setItemData(std::int32_t data) {
    resolve().bar.ItemData = data;
}

std::int32_t cExplorerBar::Index() const {
    auto [pane, bar] = resolve();
    return pane.model.barPosition(bar.ID);
}

void cExplorerBar::setIndex(std::int32_t position) {
    auto [pane, bar] = resolve();
    pane.model.moveBar(bar.ID, position);
    pane.barChanged(bar, Change::Layout);
    if (pane.state.focusBarID == bar.ID)
        pane.scrollIntoView(bar);
}

cExplorerBarItems cExplorerBar::Items() const {
    resolve();
    return cExplorerBarItems(window_, barId_);
}
