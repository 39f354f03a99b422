#include "PaneInput.h"

#include "PaneAccessible.h"
#include "PaneRenderer.h"
#include "pcMnemonics.h"
#include "torkExplorerBarCtl.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QToolTip>

#include <algorithm>

static void initCursorResources() {
    Q_INIT_RESOURCE(taskpane_cursors);
}

namespace {

constexpr QPoint kHandHotSpot(7, 0); // tip of the index finger, at 1x
constexpr int kHandSize = 32;

bool isClickableLink(const pcExplorerBarItem& item) {
    return item.ItemType == ItemKindLink && item.CanClick;
}

} // namespace

PaneInput::PaneInput(torkExplorerBarCtl& pane)
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

QRect PaneInput::clientRect() const {
    const int bar = pane_.state_.scrollBarVisible ? pane_.renderer_->scrollBarWidth() : 0;
    return QRect(0, 0, std::max(0, pane_.width() - bar), pane_.height());
}

PaneElement PaneInput::hitTest(QPoint client) const {
    if (!clientRect().contains(client))
        return {};
    const PaneRenderer& r = *pane_.renderer_;
    for (const auto& bar : pane_.state_.bars) {
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
    if (!pane_.state_.Redraw)
        return {};
    return item ? pane_.renderer_->renderItem(bar, *item) : pane_.renderer_->renderBarTitle(bar);
}

QRect PaneInput::coolAllBut(PaneElement keep) {
    QRect dirty;
    for (auto& bar : pane_.state_.bars) {
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
    const qreal dpr = pane_.devicePixelRatioF();
    const bool stale = hand && dpr != handRatio_;
    if (stale) {
        hand_ = handCursor(dpr);
        handRatio_ = dpr;
    }
    if (hand == handShown_ && !stale)
        return;
    handShown_ = hand;
    if (hand)
        pane_.setCursor(hand_);
    else
        pane_.unsetCursor();
}

void PaneInput::showTip(const QString& tip) {
    const QString old = pane_.toolTip();
    if (old == tip)
        return;
    pane_.setToolTip(tip);
    // An empty tooltip text does not take down a tip already shown.
    if (!old.isEmpty() && QToolTip::isVisible() && QToolTip::text() == old)
        QToolTip::hideText();
}

QString PaneInput::tipAt(QPoint client, QRect* area) const {
    const PaneElement hit = hitTest(client);
    const pcExplorerBar* bar = pane_.model_.findBar(hit.barId);
    if (hit.isNone() || !bar)
        return {};
    const PaneRenderer& r = *pane_.renderer_;
    if (hit.isItem()) {
        const pcExplorerBarItem* item = pane_.model_.findItem(hit.itemId);
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
    if (buttons == Qt::NoButton && clientRect().contains(client))
        track(client, true);
}

void PaneInput::pointerLeft() {
    PaneState& s = pane_.state_;
    const QRect dirty = coolAllBut({});
    if (!dirty.isEmpty())
        pane_.update(dirty);
    showTip({});
    pane_.hoverTimer_.setInterval(0);
    showPointer(false);
    s.hoverBarID = s.hoverItemID = 0;
}

void PaneInput::startHoverTimer() {
    if (pane_.environment() != torkExplorerBarCtl::Environment::Designer)
        pane_.hoverTimer_.setInterval(kHoverInterval);
}

void PaneInput::track(QPoint client, bool raiseHighlight) {
    PaneState& s = pane_.state_;
    const PaneElement hit = hitTest(client);
    QRect dirty = coolAllBut(hit);
    pcExplorerBar* bar = pane_.model_.findBar(hit.barId);
    if (hit.isNone() || !bar) {
        showTip({});
        pane_.hoverTimer_.setInterval(0);
        showPointer(false);
        s.hoverBarID = s.hoverItemID = 0;
    } else if (hit.isItem()) {
        pcExplorerBarItem* item = pane_.model_.findItem(hit.itemId);
        startHoverTimer();
        showPointer(true);
        showTip(item->ToolTipText);
        if (!item->MouseOver) {
            item->MouseOver = true;
            dirty |= redraw(*bar, item);
        }
        s.hoverBarID = bar->ID;
        s.hoverItemID = item->ID;
    } else {
        startHoverTimer();
        showPointer(bar->CanExpand);
        showTip(bar->ToolTipText);
        if (!bar->MouseOver) {
            bar->MouseOver = true;
            dirty |= redraw(*bar, nullptr);
        }
        s.hoverBarID = bar->ID;
        s.hoverItemID = 0;
    }
    if (!dirty.isEmpty())
        pane_.update(dirty);
    if (raiseHighlight)
        pane_.raiseHighlight(s.hoverBarID, s.hoverItemID);
}

void PaneInput::hoverTick() {
    PaneState& s = pane_.state_;
    pcExplorerBar* bar = pane_.model_.findBar(s.hoverBarID);
    pcExplorerBarItem* item = pane_.model_.findItem(s.hoverItemID);
    if (!bar)
        s.hoverBarID = 0;
    if (!item)
        s.hoverItemID = 0;
    if (clientRect().contains(pane_.mapFromGlobal(cursorSource_())))
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
        if (pcExplorerBar* owner = pane_.model_.findBar(item->BarID))
            dirty |= redraw(*owner, item);
    }
    if (!dirty.isEmpty())
        pane_.update(dirty);
    pane_.hoverTimer_.setInterval(0);
}

void PaneInput::setCursorSource(std::function<QPoint()> source) {
    cursorSource_ = source ? std::move(source) : [] { return QCursor::pos(); };
}

void PaneInput::mousePress(QPoint client, Qt::MouseButton button) {
    pane_.hoverTimer_.setInterval(0);
    const PaneElement hit = hitTest(client);
    QRect dirty = coolAllBut(hit);
    pcExplorerBar* bar = pane_.model_.findBar(hit.barId);
    pcExplorerBarItem* item = hit.isItem() ? pane_.model_.findItem(hit.itemId) : nullptr;
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
    if (!dirty.isEmpty())
        pane_.update(dirty);
    if (button != Qt::RightButton || !bar)
        return;
    const PaneWindowId window = pane_.window_;
    if (item)
        emit pane_.ItemRightClick(cExplorerBarItem(window, bar->ID, item->ID));
    else if (hit.isTitle())
        emit pane_.BarRightClick(cExplorerBar(window, bar->ID));
}

void PaneInput::mouseRelease(QPoint client, Qt::MouseButton button, Qt::MouseButtons stillDown) {
    const QPointer<torkExplorerBarCtl> alive(&pane_);
    if (button == Qt::LeftButton)
        releaseLeft(client);
    // The press stopped hot-tracking; whatever is under the pointer now (the
    // click may have moved or removed elements) is hot, nothing else.
    if (!alive || stillDown != Qt::NoButton)
        return;
    if (clientRect().contains(client))
        track(client, true);
    else
        pointerLeft();
}

void PaneInput::releaseLeft(QPoint client) {
    const PaneElement hit = hitTest(client);
    bool clickIt = false;
    if (hit.isItem()) {
        const pcExplorerBarItem* item = pane_.model_.findItem(hit.itemId);
        clickIt = item && item->MouseDown;
    } else if (hit.isTitle()) {
        const pcExplorerBar* bar = pane_.model_.findBar(hit.barId);
        clickIt = bar && bar->MouseDown;
    }
    // Released before the click: its handler may remove the element or the
    // pane. Items are released too, so a later stray release clicks nothing.
    QRect dirty;
    for (auto& bar : pane_.state_.bars) {
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
    if (!dirty.isEmpty())
        pane_.update(dirty);
    if (!clickIt)
        return;
    if (hit.isItem())
        clickItem(hit.itemId);
    else
        clickBar(hit.barId);
}

PaneElement PaneInput::focusMark() const {
    const PaneState& s = pane_.state_;
    if (s.focusItemID != 0) {
        const pcExplorerBarItem* item = pane_.model_.findItem(s.focusItemID);
        return item ? PaneElement::item(item->BarID, item->ID) : PaneElement{};
    }
    return pane_.model_.findBar(s.focusBarID) ? PaneElement::title(s.focusBarID) : PaneElement{};
}

void PaneInput::setFocusMark(PaneElement element) {
    PaneState& s = pane_.state_;
    s.focusBarID = element.isTitle() ? element.barId : 0;
    s.focusItemID = element.itemId;
    for (auto& bar : s.bars) {
        bar->HasFocus = s.focusBarID == bar->ID;
        for (auto& item : bar->items)
            item->HasFocus = s.focusItemID == item->ID;
    }
    if (s.hasFocus)
        PaneAccessible::focusMoved(pane_, element);
}

void PaneInput::clickBar(std::int32_t barId) {
    pcExplorerBar* bar = pane_.model_.findBar(barId);
    if (!bar)
        return;
    if (focusMark() != PaneElement::title(barId)) {
        setFocusMark(PaneElement::title(barId));
        pane_.repaintSoon();
    }
    if (bar->CanExpand)
        pane_.animateBarTo(*bar, bar->State == BarExpanded ? BarCollapsed : BarExpanded);
    emit pane_.BarClick(cExplorerBar(pane_.window_, barId));
}

void PaneInput::clickItem(std::int32_t itemId) {
    const pcExplorerBarItem* item = pane_.model_.findItem(itemId);
    if (!item)
        return;
    const std::int32_t barId = item->BarID;
    if (focusMark() != PaneElement::item(barId, itemId)) {
        setFocusMark(PaneElement::item(barId, itemId));
        pane_.repaintSoon();
    }
    emit pane_.ItemClick(cExplorerBarItem(pane_.window_, barId, itemId));
}

void PaneInput::clickMnemonic(QChar key) {
    const auto matches = [key](const QString& text) {
        const QChar mnemonic = pcMnemonics::mnemonicOf(text);
        return !mnemonic.isNull() && mnemonic.toCaseFolded() == key.toCaseFolded();
    };
    for (const auto& bar : pane_.state_.bars) {
        if (matches(bar->Title)) {
            clickBar(bar->ID);
            return;
        }
    }
    // Items in the order they were made: IDs come from one rising counter.
    const pcExplorerBarItem* first = nullptr;
    for (const auto& bar : pane_.state_.bars)
        for (const auto& item : bar->items)
            if (isClickableLink(*item) && matches(item->Text) && (!first || item->ID < first->ID))
                first = item.get();
    if (first)
        clickItem(first->ID);
}
