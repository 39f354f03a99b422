#include "torkExplorerBarCtlPrivate.h"

#include "input/PaneAnimation.h"
#include "input/pcMnemonics.h"
#include "input/pcScrollBars.h"
#include "model/PaneRegistry.h"
#include "paint/PaneRenderer.h"
#include "system/MSubclass.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace zelvano::pane {

namespace {

constexpr int kScrollSmallChange = 12;
constexpr double kHalfBarGap = 7.5;

std::int32_t scrollCode(int action) {
    using namespace WindowMessage;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollLineDown;
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollLineUp;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollPageDown;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollPageUp;
    case QAbstractSlider::SliderToMinimum:
        return ScrollTop;
    case QAbstractSlider::SliderToMaximum:
        return ScrollBottom;
    case QAbstractSlider::SliderMove:
        return ScrollThumbTrack;
    default:
        return -1;
    }
}

std::int32_t nonClientMessage(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return WindowMessage::NcLButtonDown;
    case Qt::RightButton:
        return WindowMessage::NcRButtonDown;
    case Qt::MiddleButton:
        return WindowMessage::NcMButtonDown;
    default:
        return 0;
    }
}

bool isClickableLink(const pcExplorerBarItem& item) {
    return item.ItemType == ItemKindLink && item.CanClick;
}

} // namespace

torkExplorerBarCtlPrivate::torkExplorerBarCtlPrivate(QWidget& pane, bool designer)
    : ISubclass(ISubclass::PreviousBefore)
    , pane_(pane)
    , designer_(designer)
    , renderer_(std::make_unique<PaneRenderer>(&pane, state)) {
    window_ = PaneRegistry::add(this, &pane);

    vScroll_ = new QScrollBar(Qt::Vertical, &pane);
    vScroll_->hide();
    vScroll_->setRange(0, 0);
    vScroll_->setSingleStep(kScrollSmallChange);
    vScroll_->setFocusPolicy(Qt::NoFocus);
    connect(vScroll_, &QScrollBar::valueChanged, this, [this](int value) {
        state.scrollValue = value;
        if (state.Redraw) {
            renderer_->positionHostedControls();
            pane_.update();
        }
    });
    renderer_->reloadResources();
    if (designer_)
        return;

    vScroll_->installEventFilter(this);
    connect(vScroll_, &QAbstractSlider::actionTriggered, this,
            &torkExplorerBarCtlPrivate::forwardScrollAction);
    connect(vScroll_, &QAbstractSlider::sliderReleased, this, [this] {
        MSubclass::sendMessage(&pane_, WindowMessage::VScroll,
                               WindowMessage::makeParam(WindowMessage::ScrollThumbPosition,
                                                        vScroll_->sliderPosition()));
    });
    scrollBars_ = std::make_unique<pcScrollBars>(&pane, vScroll_);
    mnemonics_ = std::make_unique<pcMnemonics>(&pane);
    connect(mnemonics_.get(), &pcMnemonics::activated, this,
            &torkExplorerBarCtlPrivate::clickMnemonic);
    MSubclass::attach(this, &pane, WindowMessage::SetFocus);
    hookTopLevel();
}

torkExplorerBarCtlPrivate::~torkExplorerBarCtlPrivate() {
    // Handles fail with 364 from here on, hooks and the timer are released
    // before any record or child goes away.
    PaneRegistry::remove(window_);
    MSubclass::detachAll(this);
    scrollBars_.reset();
    mnemonics_.reset();
    hoverTimer_.setInterval(0);
    delete vScroll_;
    vScroll_ = nullptr;
}

void torkExplorerBarCtlPrivate::setInput(std::shared_ptr<PaneInput> input,
                                         std::shared_ptr<PaneKeyboard> keyboard) {
    input_ = std::move(input);
    keyboard_ = std::move(keyboard);
}

torkExplorerBarCtlPrivate* torkExplorerBarCtlPrivate::find(const QWidget* pane) {
    return PaneRegistry::find(pane);
}

pcExplorerBar& torkExplorerBarCtlPrivate::barOrUnloaded(std::int32_t id) const {
    pcExplorerBar* bar = model.findBar(id);
    if (!bar)
        raisePaneError(zelvano::RuntimeError::ObjectUnloaded);
    return *bar;
}

pcExplorerBarItem& torkExplorerBarCtlPrivate::itemOrUnloaded(std::int32_t id) const {
    pcExplorerBarItem* item = model.findItem(id);
    if (!item)
        raisePaneError(zelvano::RuntimeError::ObjectUnloaded);
    return *item;
}

QRect torkExplorerBarCtlPrivate::clientRect() const {
    const int bar = state.scrollBarVisible ? renderer_->scrollBarWidth() : 0;
    return QRect(0, 0, std::max(0, pane_.width() - bar), pane_.height());
}

// --- effects -------------------------------------------------------------

void torkExplorerBarCtlPrivate::relayoutAndRepaint() {
    if (!state.Redraw)
        return;
    renderer_->layout();
    syncScrollBar();
    renderer_->positionHostedControls();
    repaintSoon();
}

void torkExplorerBarCtlPrivate::repaintSoon() {
    // Tops, heights and the scroll bar are laid out at once; the back buffer
    // is redrawn once before the next paint, however many changes came first
    // (a host filling the pane with Redraw on would otherwise redraw all of
    // it per item).
    renderPending_ = true;
    pane_.update();
}

void torkExplorerBarCtlPrivate::repaintNow() {
    if (!state.Redraw)
        return;
    renderer_->layout();
    syncScrollBar();
    renderer_->positionHostedControls();
    renderer_->render();
    renderPending_ = false;
    pane_.repaint();
}

void torkExplorerBarCtlPrivate::updateArea(const QRect& area) {
    if (!area.isEmpty())
        pane_.update(area);
}

void torkExplorerBarCtlPrivate::barChanged(pcExplorerBar& bar, BarChange change) {
    switch (change) {
    case BarChange::Layout:
        break;
    case BarChange::Size:
        renderer_->measureBar(bar);
        break;
    case BarChange::Watermark:
        recolourWatermark(bar);
        break;
    case BarChange::Colours:
        // Emulated glyphs take their colours from the bars; themed ones do not.
        if (!state.UseExplorerStyle)
            renderer_->reloadResources();
        recolourWatermarks();
        break;
    }
    relayoutAndRepaint();
}

void torkExplorerBarCtlPrivate::itemChanged(pcExplorerBar& bar, pcExplorerBarItem& item,
                                            bool resized) {
    if (resized)
        renderer_->measureItem(bar, item);
    relayoutAndRepaint();
}

void torkExplorerBarCtlPrivate::paneChanged(PaneChange change) {
    if (change == PaneChange::Look)
        reloadDrawingResources();
    else
        remeasureAll();
    relayoutAndRepaint();
}

void torkExplorerBarCtlPrivate::remeasureAll() {
    renderer_->measureAll();
}

void torkExplorerBarCtlPrivate::recolourWatermark(pcExplorerBar& bar) {
    if (bar.watermark.isNull())
        bar.watermarkRendered = QImage();
    else
        renderer_->recolourWatermark(bar);
}

void torkExplorerBarCtlPrivate::recolourWatermarks() {
    for (auto& bar : state.bars)
        recolourWatermark(*bar);
}

void torkExplorerBarCtlPrivate::reloadDrawingResources() {
    renderer_->reloadResources();
    recolourWatermarks();
}

void torkExplorerBarCtlPrivate::animateBarTo(pcExplorerBar& bar, std::int32_t newState) {
    PaneAnimation::expandOrCollapse(bar, newState, renderer_->panelHeight(bar),
                                    pane_.isVisible() && state.Redraw, [this] { repaintNow(); });
    // Laid out at rest first: scrolling into view needs the final tops.
    relayoutAndRepaint();
    scrollIntoView(bar);
    emit barStateChanged(bar.ID);
}

void torkExplorerBarCtlPrivate::scrollIntoView(const pcExplorerBar& bar,
                                               const pcExplorerBarItem* item) {
    if (!state.scrollBarVisible)
        return;
    int top = 0;
    int bottom = 0;
    if (item) {
        const QRect r = renderer_->itemRect(bar, *item);
        top = r.top() + state.scrollValue;
        bottom = top + r.height();
    } else {
        int panel = 0;
        if (bar.isAnimating())
            panel = bar.Height;
        else if (bar.State == BarExpanded)
            panel = renderer_->panelHeight(bar);
        top = bar.Top;
        bottom = static_cast<int>(
            std::nearbyint(top + renderer_->titleHeight(bar) + panel + kHalfBarGap));
    }
    const int view = pane_.height();
    if (top >= state.scrollValue && bottom <= state.scrollValue + view)
        return;
    scrollTo(bottom - top > view ? top : bottom - view);
}

void torkExplorerBarCtlPrivate::scrollTo(int target) {
    PaneAnimation::scrollTo(*vScroll_, target, pane_.isVisible() && state.Redraw, [this] {
        if (state.Redraw)
            pane_.repaint();
    });
}

void torkExplorerBarCtlPrivate::updateMnemonic(const QString& oldText, const QString& newText) {
    // Called for every title and text set, added and removed.
    if (mnemonics_)
        mnemonics_->textChanged(oldText, newText);
    emit elementsChanged();
}

void torkExplorerBarCtlPrivate::syncScrollBar() {
    renderer_->placeScrollBar(*vScroll_);
    if (state.scrollBarVisible)
        vScroll_->raise();
    state.scrollValue = vScroll_->value();
}

void torkExplorerBarCtlPrivate::settingChanged() {
    reloadDrawingResources();
    // Fonts and scroll-bar metrics may have changed with the settings.
    remeasureAll();
    relayoutAndRepaint();
    emit systemSettingsChanged();
}

// --- records leaving the pane ---------------------------------------------

void torkExplorerBarCtlPrivate::discardItem(const pcExplorerBarItem& item) {
    if (item.lPtrPanel)
        item.lPtrPanel->hide();
    if (state.focusItemID == item.ID)
        state.focusItemID = 0;
    if (state.hoverItemID == item.ID)
        state.hoverItemID = 0;
    updateMnemonic(item.Text, {});
}

void torkExplorerBarCtlPrivate::discardBar(const pcExplorerBar& bar) {
    for (const auto& item : bar.items)
        discardItem(*item);
    if (state.focusBarID == bar.ID)
        state.focusBarID = 0;
    if (state.hoverBarID == bar.ID)
        state.hoverBarID = 0;
    updateMnemonic(bar.Title, {});
}

void torkExplorerBarCtlPrivate::hostControl(pcExplorerBar& bar, pcExplorerBarItem& item,
                                            QWidget* control) {
    // Hosting the pane itself, an ancestor or the pane's own scroll bar would
    // tie the widget tree in a knot.
    if (control && (control == &pane_ || control == vScroll_ || control->isAncestorOf(&pane_)))
        raisePaneError(zelvano::RuntimeError::InvalidCall);
    if (item.lPtrPanel)
        item.lPtrPanel->hide();
    item.lPtrPanel = control;
    if (control) {
        control->setParent(&pane_);
        QPalette palette = control->palette();
        palette.setColor(
            QPalette::Window,
            renderer_->resolve(renderer_->defaultPanelColour(bar.IsSpecial), kSysColourWindow));
        control->setPalette(palette);
        control->setAutoFillBackground(true);
        vScroll_->raise();
    }
    itemChanged(bar, item, true);
}

// --- focus mark and clicks -------------------------------------------------

PaneElement torkExplorerBarCtlPrivate::focusMark() const {
    if (state.focusItemID != 0) {
        const pcExplorerBarItem* item = model.findItem(state.focusItemID);
        return item ? PaneElement::item(item->BarID, item->ID) : PaneElement{};
    }
    return model.findBar(state.focusBarID) ? PaneElement::title(state.focusBarID) : PaneElement{};
}

void torkExplorerBarCtlPrivate::setFocusMark(PaneElement element) {
    state.focusBarID = element.isTitle() ? element.barId : 0;
    state.focusItemID = element.itemId;
    for (auto& bar : state.bars) {
        bar->HasFocus = state.focusBarID == bar->ID;
        for (auto& item : bar->items)
            item->HasFocus = state.focusItemID == item->ID;
    }
    if (state.hasFocus && !element.isNone())
        emit focusMarkMoved(element);
}

void torkExplorerBarCtlPrivate::clickBar(std::int32_t barId) {
    pcExplorerBar* bar = model.findBar(barId);
    if (!bar)
        return;
    if (focusMark() != PaneElement::title(barId)) {
        setFocusMark(PaneElement::title(barId));
        repaintSoon();
    }
    if (bar->CanExpand)
        animateBarTo(*bar, bar->State == BarExpanded ? BarCollapsed : BarExpanded);
    emit barClicked(barId);
}

void torkExplorerBarCtlPrivate::clickItem(std::int32_t itemId) {
    const pcExplorerBarItem* item = model.findItem(itemId);
    if (!item)
        return;
    const std::int32_t barId = item->BarID;
    if (focusMark() != PaneElement::item(barId, itemId)) {
        setFocusMark(PaneElement::item(barId, itemId));
        repaintSoon();
    }
    emit itemClicked(barId, itemId);
}

void torkExplorerBarCtlPrivate::clickMnemonic(QChar key) {
    const auto matches = [key](const QString& text) {
        const QChar mnemonic = pcMnemonics::mnemonicOf(text);
        return !mnemonic.isNull() && mnemonic.toCaseFolded() == key.toCaseFolded();
    };
    for (const auto& bar : state.bars) {
        if (matches(bar->Title)) {
            clickBar(bar->ID);
            return;
        }
    }
    // Items in the order they were made: IDs come from one rising counter.
    const pcExplorerBarItem* first = nullptr;
    for (const auto& bar : state.bars)
        for (const auto& item : bar->items)
            if (isClickableLink(*item) && matches(item->Text) && (!first || item->ID < first->ID))
                first = item.get();
    if (first)
        clickItem(first->ID);
}

void torkExplorerBarCtlPrivate::rightClickBar(std::int32_t barId) {
    emit barRightClicked(barId);
}

void torkExplorerBarCtlPrivate::rightClickItem(std::int32_t barId, std::int32_t itemId) {
    emit itemRightClicked(barId, itemId);
}

void torkExplorerBarCtlPrivate::raiseHighlight(std::int32_t barId, std::int32_t itemId) {
    if (barId == state.lastHighlightBarID && itemId == state.lastHighlightItemID)
        return;
    state.lastHighlightBarID = barId;
    state.lastHighlightItemID = itemId;
    emit highlighted(barId, itemId);
}

void torkExplorerBarCtlPrivate::propertyChanged(const char* name) {
    if (!readingProperties_)
        emit designSettingChanged(QString::fromLatin1(name));
}

// --- hooks -----------------------------------------------------------------

std::int32_t torkExplorerBarCtlPrivate::WindowProc(QObject* hWnd, std::int32_t iMsg,
                                                   std::int32_t wParam, std::int32_t lParam) {
    Q_UNUSED(hWnd);
    Q_UNUSED(wParam);
    Q_UNUSED(lParam);
    // Alt+letter shortcuts reach the pane through the window's shortcut map;
    // the focus only decides where Tab and Shift+Tab land.
    if (iMsg == WindowMessage::SetFocus) {
        const QEvent* event = MSubclass::currentEvent();
        if (event && event->type() == QEvent::FocusIn)
            emit focusEntered(static_cast<const QFocusEvent*>(event)->reason());
    } else if (iMsg == WindowMessage::SettingChange) {
        settingChanged();
    }
    return MSubclass::currentResult();
}

void torkExplorerBarCtlPrivate::hookTopLevel() {
    if (designer_)
        return;
    QWidget* top = pane_.window();
    if (top == hookedTopLevel_)
        return;
    if (hookedTopLevel_)
        MSubclass::detach(this, hookedTopLevel_, WindowMessage::SettingChange);
    hookedTopLevel_ = top;
    MSubclass::attach(this, top, WindowMessage::SettingChange);
}

void torkExplorerBarCtlPrivate::forwardScrollAction(int action) {
    const std::int32_t code = scrollCode(action);
    if (code < 0)
        return;
    MSubclass::sendMessage(&pane_, WindowMessage::VScroll,
                           WindowMessage::makeParam(code, vScroll_->sliderPosition()));
}

bool torkExplorerBarCtlPrivate::eventFilter(QObject* watched, QEvent* event) {
    // Presses on the scroll bar reach hooks as presses on the window's frame.
    if (watched == vScroll_ && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (const std::int32_t message = nonClientMessage(mouse->button())) {
            const QPoint global = mouse->globalPosition().toPoint();
            MSubclass::sendMessage(&pane_, message, WindowMessage::HitVScroll,
                                   WindowMessage::makeParam(global.x(), global.y()));
        }
    }
    return QObject::eventFilter(watched, event);
}

// --- Qt events of the widget ------------------------------------------------

void torkExplorerBarCtlPrivate::paint(const QRect& exposed) {
    // While Redraw is False the back buffer keeps the last picture.
    if (renderPending_ && state.Redraw) {
        renderer_->render();
        renderPending_ = false;
    }
    QPainter painter(&pane_);
    renderer_->paint(painter, exposed);
}

void torkExplorerBarCtlPrivate::resized() {
    if (pane_.width() != measuredWidth_) {
        measuredWidth_ = pane_.width();
        remeasureAll();
    }
    relayoutAndRepaint();
}

void torkExplorerBarCtlPrivate::focusChanged(bool in) {
    state.hasFocus = in;
    if (state.ShowFocusRect && state.Redraw)
        repaintSoon();
}

// A new palette may bring another look (a dark or high-contrast scheme), and
// with it other title heights.
void torkExplorerBarCtlPrivate::paletteChanged() {
    reloadDrawingResources();
    remeasureAll();
    relayoutAndRepaint();
}

void torkExplorerBarCtlPrivate::fontChanged() {
    remeasureAll();
    relayoutAndRepaint();
}

void torkExplorerBarCtlPrivate::parentChanged() {
    // An ancestor may have moved to another window since the last look.
    hookTopLevel();
}

bool torkExplorerBarCtlPrivate::leavePane(bool next) {
    for (QWidget* w = next ? pane_.nextInFocusChain() : pane_.previousInFocusChain();
         w && w != &pane_; w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (pane_.isAncestorOf(w) || w->window() != pane_.window() || !w->isEnabled() ||
            !w->isVisibleTo(pane_.window()) || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

} // namespace zelvano::pane
