#include "input/PaneInput.h"

#include "paint/PaneRenderer.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QToolTip>

#include <algorithm>

static void initCursorResources() {
    Q_INIT_RESOURCE(taskpane_cursors);
}

namespace zelvano::pane {

namespace {

constexpr QPoint kHandHotSpot(7, 0); // tip of the index finger, at 1x
constexpr int kHandSize = 32;

bool isClickableLink(const pcExplorerBarItem& item) {
    return item.ItemType == ItemKindLink && item.CanClick;
}

} // namespace

PaneInput::PaneInput(torkExplorerBarCtlPrivate& pane)
    : pane_(pane)
    , cursorSource_([] { return QCursor::pos(); }) {}

QCursor PaneInput::handCursor(qreal devicePixelRatio) {
    initCursorResources();
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    // Both densities added by hand: QIcon looks for the @2x file only when
    // the application already runs at 2x.
    QIcon icon;
    icon.addFile(QStringLiteral(":/cursors/hand.png"));
    icon.addFile(QStringLiteral(":/cursors/hand@2x.png"));
    const QPixmap picture = icon.pixmap(QSize(kHandSize, kHandSize), dpr);
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    // The hot spot counts the picture's own pixels: at 2x the fingertip
    // lies twice as far from the corner.
    const qreal scale = picture.devicePixelRatio();
    return QCursor(picture, qRound(kHandHotSpot.x() * scale), qRound(kHandHotSpot.y() * scale));
}

PaneElement PaneInput::hitTest(QPoint client) const {
    if (!pane_.clientRect().contains(client))
        return {};
    const PaneRenderer& r = pane_.renderer();
    for (const auto& bar : pane_.state.bars) {
        const bool hasTitle = !(bar->Title.isEmpty() && !bar->CanExpand);
        if (hasTitle && r.titleRect(*bar).contains(client))
            return PaneElement::title(bar->ID);
        if (bar->State != BarExpanded)
            continue;
        for (const auto& item : bar->items)
            if (isClickableLink(*item) && r.itemRect(*bar, *item).contains(client))
                return PaneElement::item(bar->ID, item->ID);
    }
    return {};
}

QRect PaneInput::redraw(pcExplorerBar& bar, pcExplorerBarItem* item) {
    if (!pane_.state.Redraw)
        return {};
    return item ? pane_.renderer().renderItem(bar, *item) : pane_.renderer().renderBarTitle(bar);
}

QRect PaneInput::coolAllBut(PaneElement keep) {
    QRect dirty;
    for (auto& bar : pane_.state.bars) {
        if ((bar->MouseOver || bar->MouseDown) && keep != PaneElement::title(bar->ID)) {
            bar->MouseOver = bar->MouseDown = false;
            dirty |= redraw(*bar, nullptr);
        }
        for (auto& item : bar->items) {
            if ((item->MouseOver || item->MouseDown) && keep.itemId != item->ID) {
                item->MouseOver = item->MouseDown = false;
                dirty |= redraw(*bar, item.get());
            }
        }
    }
    return dirty;
}

void PaneInput::showPointer(bool hand) {
    // The pane may have moved to a screen of another pixel density.
    const qreal dpr = pane_.widget().devicePixelRatioF();
    const bool stale = hand && dpr != handRatio_;
    if (stale) {
        hand_ = handCursor(dpr);
        handRatio_ = dpr;
    }
    if (hand == handShown_ && !stale)
        return;
    handShown_ = hand;
    if (hand)
        pane_.widget().setCursor(hand_);
    else
        pane_.widget().unsetCursor();
}

void PaneInput::showTip(const QString& tip) {
    const QString old = pane_.widget().toolTip();
    if (old == tip)
        return;
    pane_.widget().setToolTip(tip);
    // An empty tooltip text does not take down a tip already shown.
    if (!old.isEmpty() && QToolTip::isVisible() && QToolTip::text() == old)
        QToolTip::hideText();
}

QString PaneInput::tipAt(QPoint client, QRect* area) const {
    const PaneElement hit = hitTest(client);
    const pcExplorerBar* bar = pane_.model.findBar(hit.barId);
    if (hit.isNone() || !bar)
        return {};
    const PaneRenderer& r = pane_.renderer();
    if (hit.isItem()) {
        const pcExplorerBarItem* item = pane_.model.findItem(hit.itemId);
        if (!item)
            return {};
        if (area)
            *area = r.itemRect(*bar, *item);
        return item->ToolTipText;
    }
    if (area)
        *area = r.titleRect(*bar);
    return bar->ToolTipText;
}

void PaneInput::mouseMove(QPoint client, Qt::MouseButtons buttons) {
    // With a button held the pressed element keeps its look until release.
    if (buttons != Qt::NoButton)
        return;
    track(client, true);
}

void PaneInput::contentMoved(QPoint client, Qt::MouseButtons buttons) {
    if (buttons == Qt::NoButton && pane_.clientRect().contains(client))
        track(client, true);
}

void PaneInput::pointerLeft() {
    PaneState& s = pane_.state;
    const QRect dirty = coolAllBut({});
    pane_.updateArea(dirty);
    showTip({});
    pane_.hoverTimer().setInterval(0);
    showPointer(false);
    s.hoverBarID = s.hoverItemID = 0;
}

void PaneInput::track(QPoint client, bool raiseHighlight) {
    PaneState& s = pane_.state;
    const PaneElement hit = hitTest(client);
    QRect dirty = coolAllBut(hit);
    pcExplorerBar* bar = pane_.model.findBar(hit.barId);
    if (hit.isNone() || !bar) {
        showTip({});
        pane_.hoverTimer().setInterval(0);
        showPointer(false);
        s.hoverBarID = s.hoverItemID = 0;
    } else if (hit.isItem()) {
        pcExplorerBarItem* item = pane_.model.findItem(hit.itemId);
        pane_.hoverTimer().setInterval(kHoverInterval);
        showPointer(true);
        showTip(item->ToolTipText);
        if (!item->MouseOver) {
            item->MouseOver = true;
            dirty |= redraw(*bar, item);
        }
        s.hoverBarID = bar->ID;
        s.hoverItemID = item->ID;
    } else {
        pane_.hoverTimer().setInterval(kHoverInterval);
        showPointer(bar->CanExpand);
        showTip(bar->ToolTipText);
        if (!bar->MouseOver) {
            bar->MouseOver = true;
            dirty |= redraw(*bar, nullptr);
        }
        s.hoverBarID = bar->ID;
        s.hoverItemID = 0;
    }
    pane_.updateArea(dirty);
    if (raiseHighlight)
        pane_.raiseHighlight(s.hoverBarID, s.hoverItemID);
}

void PaneInput::hoverTick() {
    PaneState& s = pane_.state;
    pcExplorerBar* bar = pane_.model.findBar(s.hoverBarID);
    pcExplorerBarItem* item = pane_.model.findItem(s.hoverItemID);
    if (!bar)
        s.hoverBarID = 0;
    if (!item)
        s.hoverItemID = 0;
    if (pane_.clientRect().contains(pane_.widget().mapFromGlobal(cursorSource_())))
        return;
    // The item loses its hot look as well as the title: leaving the pane
    // over an item must not leave the item hot.
    QRect dirty;
    if (bar && bar->MouseOver) {
        bar->MouseOver = false;
        dirty |= redraw(*bar, nullptr);
    }
    if (item && item->MouseOver) {
        item->MouseOver = false;
        if (pcExplorerBar* owner = pane_.model.findBar(item->BarID))
            dirty |= redraw(*owner, item);
    }
    pane_.updateArea(dirty);
    pane_.hoverTimer().setInterval(0);
}

void PaneInput::setCursorSource(std::function<QPoint()> source) {
    cursorSource_ = source ? std::move(source) : [] { return QCursor::pos(); };
}

void PaneInput::mousePress(QPoint client, Qt::MouseButton button) {
    pane_.hoverTimer().setInterval(0);
    const PaneElement hit = hitTest(client);
    QRect dirty = coolAllBut(hit);
    pcExplorerBar* bar = pane_.model.findBar(hit.barId);
    pcExplorerBarItem* item = hit.isItem() ? pane_.model.findItem(hit.itemId) : nullptr;
    if (bar && (hit.isTitle() || item)) {
        const bool left = button == Qt::LeftButton;
        if (item) {
            item->MouseOver = true;
            item->MouseDown = item->MouseDown || left;
        } else {
            bar->MouseOver = true;
            bar->MouseDown = bar->MouseDown || left;
        }
        dirty |= redraw(*bar, item);
    }
    pane_.updateArea(dirty);
    if (button != Qt::RightButton || !bar)
        return;
    if (item)
        pane_.rightClickItem(bar->ID, item->ID);
    else if (hit.isTitle())
        pane_.rightClickBar(bar->ID);
}

void PaneInput::mouseRelease(QPoint client, Qt::MouseButton button, Qt::MouseButtons stillDown) {
    const QPointer<torkExplorerBarCtlPrivate> alive(&pane_);
    if (button == Qt::LeftButton)
        releaseLeft(client);
    // The press stopped hot-tracking; whatever is under the pointer now (the
    // click may have moved or removed elements) is hot, nothing else.
    if (!alive || stillDown != Qt::NoButton)
        return;
    if (pane_.clientRect().contains(client))
        track(client, true);
    else
        pointerLeft();
}

void PaneInput::releaseLeft(QPoint client) {
    const PaneElement hit = hitTest(client);
    bool clickIt = false;
    if (hit.isItem()) {
        const pcExplorerBarItem* item = pane_.model.findItem(hit.itemId);
        clickIt = item && item->MouseDown;
    } else if (hit.isTitle()) {
        const pcExplorerBar* bar = pane_.model.findBar(hit.barId);
        clickIt = bar && bar->MouseDown;
    }
    // Released before the click: its handler may remove the element or the
    // pane. Items are released too, so a later stray release clicks nothing.
    QRect dirty;
    for (auto& bar : pane_.state.bars) {
        if (bar->MouseDown) {
            bar->MouseDown = false;
            dirty |= redraw(*bar, nullptr);
        }
        for (auto& item : bar->items) {
            if (item->MouseDown) {
                item->MouseDown = false;
                dirty |= redraw(*bar, item.get());
            }
        }
    }
    pane_.updateArea(dirty);
    if (!clickIt)
        return;
    if (hit.isItem())
        pane_.clickItem(hit.itemId);
    else
        pane_.clickBar(hit.barId);
}

} // namespace zelvano::pane
