// The control's own properties and its design-time settings.

#include "torkExplorerBarCtl.h"

#include "PaneRenderer.h"

#include <limits>

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

// A stored value that is not a 32-bit number leaves the default in place.
std::int32_t readInt32(const PanePropertyBag& bag, const QString& name, std::int32_t fallback) {
    bool ok = false;
    const qlonglong value = bag.ReadProperty(name, fallback).toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return fallback;
    return static_cast<std::int32_t>(value);
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

void torkExplorerBarCtl::setShowFocusRect(bool show) {
    if (show == state_.ShowFocusRect)
        return;
    state_.ShowFocusRect = show; // shows at the next repaint
    propertyChanged("ShowFocusRect");
    emit ShowFocusRectChanged(show);
}

void torkExplorerBarCtl::setBackColorStart(OleColor colour) {
    if (colour == state_.BackColorStart)
        return;
    state_.BackColorStart = colour;
    propertyChanged("BackColorStart");
    emit BackColorStartChanged(colour);
}

void torkExplorerBarCtl::setBackColorEnd(OleColor colour) {
    if (colour == state_.BackColorEnd)
        return;
    state_.BackColorEnd = colour;
    propertyChanged("BackColorEnd");
    emit BackColorEndChanged(colour);
}

void torkExplorerBarCtl::setUseExplorerTransitionStyle(bool use) {
    if (use == state_.UseExplorerTransitionStyle)
        return;
    state_.UseExplorerTransitionStyle = use;
    propertyChanged("UseExplorerTransitionStyle");
    emit UseExplorerTransitionStyleChanged(use);
}

void torkExplorerBarCtl::setUseExplorerStyle(bool use) {
    if (use == state_.UseExplorerStyle)
        return;
    state_.UseExplorerStyle = use;
    // May fall back to False when the themed images cannot be had. The bars
    // keep their measurements until they are next measured.
    reloadDrawingResources();
    relayoutAndRepaint();
    propertyChanged("UseExplorerStyle");
    emit UseExplorerStyleChanged(state_.UseExplorerStyle);
}

void torkExplorerBarCtl::setStyle(std::int32_t style) {
    if (style == state_.Style)
        return;
    state_.Style = style;
    reloadDrawingResources();
    relayoutAndRepaint();
}

OleColor torkExplorerBarCtl::DefaultPanelColor(bool bIsSpecial) const {
    return renderer_->defaultPanelColor(bIsSpecial);
}

void torkExplorerBarCtl::setImageList(const PaneImageList& list) {
    state_.imageList = normalised(list);
    remeasureAll();
    relayoutAndRepaint();
}

void torkExplorerBarCtl::setBarTitleImageList(const PaneImageList& list) {
    state_.titleImageList = normalised(list);
    remeasureAll();
    relayoutAndRepaint();
}

void torkExplorerBarCtl::setRedraw(bool redraw) {
    const bool changed = redraw != state_.Redraw;
    state_.Redraw = redraw;
    if (redraw)
        relayoutAndRepaint();
    if (changed) {
        propertyChanged("Redraw");
        emit RedrawChanged(redraw);
    }
}

void torkExplorerBarCtl::readProperties(const PanePropertyBag& bag) {
    // Reading restores settings; it is not a change to announce.
    readingProperties_ = true;
    state_.Redraw = false; // one repaint at the end, not one per setting
    setUseExplorerStyle(readBool(bag, kUseExplorerTheme, true));
    setUseExplorerTransitionStyle(readBool(bag, kUseExplorerTransitionStyle, true));
    state_.BackColorEnd = readInt32(bag, kBackColorEnd, kSysColorWindow);
    state_.BackColorStart = readInt32(bag, kBackColorStart, kSysColorWindow);
    state_.ShowFocusRect = readBool(bag, kShowFocusRect, true);
    state_.Redraw = readBool(bag, kRedraw, true);
    readingProperties_ = false;
    relayoutAndRepaint();
}

void torkExplorerBarCtl::writeProperties(PanePropertyBag& bag) const {
    bag.WriteProperty(kUseExplorerTheme, state_.UseExplorerStyle, true);
    bag.WriteProperty(kUseExplorerTransitionStyle, state_.UseExplorerTransitionStyle, true);
    bag.WriteProperty(kBackColorEnd, state_.BackColorEnd, kSysColorWindow);
    bag.WriteProperty(kBackColorStart, state_.BackColorStart, kSysColorWindow);
    bag.WriteProperty(kShowFocusRect, state_.ShowFocusRect, true);
    bag.WriteProperty(kRedraw, state_.Redraw, true);
}
