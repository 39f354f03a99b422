// The control's own properties and its design-time settings.

#include "torkExplorerBarCtl.h"

#include "StoredValue.h"
#include "paint/PaneRenderer.h"
#include "torkExplorerBarCtlPrivate.h"

using namespace zelvano::pane;

namespace {

// Names of the stored settings, in the order they are read and written.
const QString kUseExplorerTheme = QStringLiteral("UseExplorerTheme");
const QString kUseExplorerTransitionStyle = QStringLiteral("UseExplorerTransitionStyle");
const QString kBackColorEnd = QStringLiteral("BackColorEnd");
const QString kBackColorStart = QStringLiteral("BackColorStart");
const QString kShowFocusRect = QStringLiteral("ShowFocusRect");
const QString kRedraw = QStringLiteral("Redraw");

bool readBool(const PanePropertyBag& bag, const QString& name, bool fallback) {
    return bag.ReadProperty(name, fallback).toBool();
}

// A stored value that is no 32-bit number leaves the default in place.
std::int32_t readInt32(const PanePropertyBag& bag, const QString& name, std::int32_t fallback) {
    return zelvano::storedInt32(bag.ReadProperty(name)).value_or(fallback);
}

PaneImageList normalised(PaneImageList list) {
    if (list.icons.empty())
        return list;
    if (list.iconSize <= 0)
        list.iconSize = qRound(list.icons.front().deviceIndependentSize().width());
    const int size = list.iconSize;
    for (QImage& icon : list.icons) {
        if (icon.isNull())
            continue;
        const QSizeF dip = icon.deviceIndependentSize();
        if (qRound(dip.width()) == size && qRound(dip.height()) == size)
            continue;
        const qreal dpr = icon.devicePixelRatio();
        const int pixels = qRound(size * dpr);
        icon = icon.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        icon.setDevicePixelRatio(dpr);
    }
    return list;
}

} // namespace

bool torkExplorerBarCtl::ShowFocusRect() const {
    return d->state.ShowFocusRect;
}

OleColour torkExplorerBarCtl::BackColorStart() const {
    return d->state.BackColorStart;
}

OleColour torkExplorerBarCtl::BackColorEnd() const {
    return d->state.BackColorEnd;
}

bool torkExplorerBarCtl::UseExplorerTransitionStyle() const {
    return d->state.UseExplorerTransitionStyle;
}

bool torkExplorerBarCtl::UseExplorerStyle() const {
    return d->state.UseExplorerStyle;
}

std::int32_t torkExplorerBarCtl::Style() const {
    return d->state.Style;
}

bool torkExplorerBarCtl::Redraw() const {
    return d->state.Redraw;
}

void torkExplorerBarCtl::setShowFocusRect(bool show) {
    if (show == d->state.ShowFocusRect)
        return;
    d->state.ShowFocusRect = show; // shows at the next repaint
    d->propertyChanged("ShowFocusRect");
    emit ShowFocusRectChanged(show);
}

void torkExplorerBarCtl::setBackColorStart(OleColour colour) {
    if (colour == d->state.BackColorStart)
        return;
    d->state.BackColorStart = colour;
    d->propertyChanged("BackColorStart");
    emit BackColorStartChanged(colour);
}

void torkExplorerBarCtl::setBackColorEnd(OleColour colour) {
    if (colour == d->state.BackColorEnd)
        return;
    d->state.BackColorEnd = colour;
    d->propertyChanged("BackColorEnd");
    emit BackColorEndChanged(colour);
}

void torkExplorerBarCtl::setUseExplorerTransitionStyle(bool use) {
    if (use == d->state.UseExplorerTransitionStyle)
        return;
    d->state.UseExplorerTransitionStyle = use;
    d->propertyChanged("UseExplorerTransitionStyle");
    emit UseExplorerTransitionStyleChanged(use);
}

void torkExplorerBarCtl::setUseExplorerStyle(bool use) {
    if (use == d->state.UseExplorerStyle)
        return;
    d->state.UseExplorerStyle = use;
    // May fall back to False when the themed images cannot be had. The bars
    // keep their measurements until they are next measured.
    d->paneChanged(torkExplorerBarCtlPrivate::PaneChange::Look);
    d->propertyChanged("UseExplorerStyle");
    emit UseExplorerStyleChanged(d->state.UseExplorerStyle);
}

void torkExplorerBarCtl::setStyle(std::int32_t style) {
    if (style == d->state.Style)
        return;
    d->state.Style = style;
    d->paneChanged(torkExplorerBarCtlPrivate::PaneChange::Look);
}

OleColour torkExplorerBarCtl::DefaultPanelColor(bool bIsSpecial) const {
    return d->renderer().defaultPanelColour(bIsSpecial);
}

void torkExplorerBarCtl::setImageList(const PaneImageList& list) {
    d->state.imageList = normalised(list);
    d->paneChanged(torkExplorerBarCtlPrivate::PaneChange::Metrics);
}

void torkExplorerBarCtl::setBarTitleImageList(const PaneImageList& list) {
    d->state.titleImageList = normalised(list);
    d->paneChanged(torkExplorerBarCtlPrivate::PaneChange::Metrics);
}

void torkExplorerBarCtl::setRedraw(bool redraw) {
    const bool changed = redraw != d->state.Redraw;
    d->state.Redraw = redraw;
    if (redraw)
        d->relayoutAndRepaint();
    if (changed) {
        d->propertyChanged("Redraw");
        emit RedrawChanged(redraw);
    }
}

void torkExplorerBarCtl::readProperties(const PanePropertyBag& bag) {
    // Reading restores settings; it is not a change to announce.
    d->setReadingProperties(true);
    d->state.Redraw = false; // one repaint at the end, not one per setting
    setUseExplorerStyle(readBool(bag, kUseExplorerTheme, true));
    setUseExplorerTransitionStyle(readBool(bag, kUseExplorerTransitionStyle, true));
    d->state.BackColorEnd = readInt32(bag, kBackColorEnd, kSysColourWindow);
    d->state.BackColorStart = readInt32(bag, kBackColorStart, kSysColourWindow);
    d->state.ShowFocusRect = readBool(bag, kShowFocusRect, true);
    d->state.Redraw = readBool(bag, kRedraw, true);
    d->setReadingProperties(false);
    d->relayoutAndRepaint();
}

void torkExplorerBarCtl::writeProperties(PanePropertyBag& bag) const {
    bag.WriteProperty(kUseExplorerTheme, d->state.UseExplorerStyle, true);
    bag.WriteProperty(kUseExplorerTransitionStyle, d->state.UseExplorerTransitionStyle, true);
    bag.WriteProperty(kBackColorEnd, d->state.BackColorEnd, kSysColourWindow);
    bag.WriteProperty(kBackColorStart, d->state.BackColorStart, kSysColourWindow);
    bag.WriteProperty(kShowFocusRect, d->state.ShowFocusRect, true);
    bag.WriteProperty(kRedraw, d->state.Redraw, true);
}
