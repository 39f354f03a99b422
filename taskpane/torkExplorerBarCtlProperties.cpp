// The control's own properties and its design-time settings.

#include "torkExplorerBarCtl.h"

#include "StoredValue.h"
#include "paint/PaneRenderer.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QMetaMethod>
#include <QMetaProperty>

using namespace zelvano::pane;

namespace {

// The settings stored are the properties marked stored, in the order they
// are declared, under the property's name or the one its class info gives.
QString storedName(const QMetaProperty& property) {
    const QMetaObject& meta = torkExplorerBarCtl::staticMetaObject;
    const int info = meta.indexOfClassInfo(property.name());
    return QString::fromLatin1(info >= 0 ? meta.classInfo(info).value() : property.name());
}

template <typename Visit> void forEachStored(Visit visit) {
    zelvano::forEachStoredProperty(torkExplorerBarCtl::staticMetaObject, visit);
}

// What a new pane has, and so what is not stored: every switch on and both
// colours the window's.
QVariant newPaneValue(const QMetaProperty& property) {
    if (property.metaType().id() == QMetaType::Bool)
        return true;
    return kSysColourWindow;
}

// A stored property changed at run time: the core hears its name (read from
// the property whose change signal this is), then the signal goes out.
template <typename Value, typename Arg>
void announce(torkExplorerBarCtl& pane, torkExplorerBarCtlPrivate& core,
              void (torkExplorerBarCtl::*changed)(Value), Arg value) {
    const QMetaMethod notify = QMetaMethod::fromSignal(changed);
    forEachStored([&](const QMetaProperty& property) {
        if (property.notifySignal() == notify)
            core.propertyChanged(property.name());
    });
    (pane.*changed)(value);
}

// A stored value that is no 32-bit number leaves the default in place.
QVariant readStored(const PanePropertyBag& bag, const QMetaProperty& property) {
    const QVariant fallback = newPaneValue(property);
    const QVariant stored = bag.ReadProperty(storedName(property), fallback);
    if (property.metaType().id() == QMetaType::Bool)
        return stored.toBool();
    return zelvano::storedInt32(stored).value_or(fallback.toInt());
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
    announce(*this, *d, &torkExplorerBarCtl::ShowFocusRectChanged, show);
}

void torkExplorerBarCtl::setBackColorStart(OleColour colour) {
    if (colour == d->state.BackColorStart)
        return;
    d->state.BackColorStart = colour;
    announce(*this, *d, &torkExplorerBarCtl::BackColorStartChanged, colour);
}

void torkExplorerBarCtl::setBackColorEnd(OleColour colour) {
    if (colour == d->state.BackColorEnd)
        return;
    d->state.BackColorEnd = colour;
    announce(*this, *d, &torkExplorerBarCtl::BackColorEndChanged, colour);
}

void torkExplorerBarCtl::setUseExplorerTransitionStyle(bool use) {
    if (use == d->state.UseExplorerTransitionStyle)
        return;
    d->state.UseExplorerTransitionStyle = use;
    announce(*this, *d, &torkExplorerBarCtl::UseExplorerTransitionStyleChanged, use);
}

void torkExplorerBarCtl::setUseExplorerStyle(bool use) {
    if (use == d->state.UseExplorerStyle)
        return;
    d->state.UseExplorerStyle = use;
    // May fall back to False when the themed images cannot be had. The bars
    // keep their measurements until they are next measured.
    d->paneChanged(torkExplorerBarCtlPrivate::PaneChange::Look);
    announce(*this, *d, &torkExplorerBarCtl::UseExplorerStyleChanged, d->state.UseExplorerStyle);
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
        announce(*this, *d, &torkExplorerBarCtl::RedrawChanged, redraw);
    }
}

void torkExplorerBarCtl::readProperties(const PanePropertyBag& bag) {
    // Reading restores settings; it is not a change to announce. Redraw is
    // taken in last and quietly: one repaint at the end, not one per setting.
    d->setReadingProperties(true);
    d->state.Redraw = false;
    bool redraw = true;
    forEachStored([&](const QMetaProperty& property) {
        const QVariant value = readStored(bag, property);
        if (property.notifySignal() == QMetaMethod::fromSignal(&torkExplorerBarCtl::RedrawChanged))
            redraw = value.toBool();
        else
            property.write(this, value);
    });
    d->state.Redraw = redraw;
    d->setReadingProperties(false);
    d->relayoutAndRepaint();
}

void torkExplorerBarCtl::writeProperties(PanePropertyBag& bag) const {
    forEachStored([&](const QMetaProperty& property) {
        bag.WriteProperty(storedName(property), property.read(this), newPaneValue(property));
    });
}
