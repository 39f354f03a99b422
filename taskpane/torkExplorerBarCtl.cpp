#include "torkExplorerBarCtl.h"

#include "MSubclass.h"
#include "PaneAccessible.h"
#include "PaneAnimation.h"
#include "PaneInput.h"
#include "PaneKeyboard.h"
#include "PaneRenderer.h"
#include "pcMnemonics.h"
#include "pcScrollBars.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>

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

} // namespace

torkExplorerBarCtl::torkExplorerBarCtl(QWidget* parent, Environment environment)
    : QWidget(parent)
    , ISubclass(ISubclass::PreviousBefore)
    , environment_(environment)
    , renderer_(std::make_unique<PaneRenderer>(this, state_)) {
    window_ = PaneRegistry::add(this);
    setFocusPolicy(Qt::StrongFocus);

    vScroll_ = new QScrollBar(Qt::Vertical, this);
    vScroll_->hide();
    vScroll_->setRange(0, 0);
    vScroll_->setSingleStep(kScrollSmallChange);
    vScroll_->setFocusPolicy(Qt::NoFocus);
    vScroll_->installEventFilter(this);
    connect(vScroll_, &QScrollBar::valueChanged, this, [this](int value) {
        state_.scrollValue = value;
        if (state_.Redraw) {
            renderer_->positionHostedControls();
            update();
        }
    });
    connect(vScroll_, &QAbstractSlider::actionTriggered, this,
            &torkExplorerBarCtl::forwardScrollAction);
    connect(vScroll_, &QAbstractSlider::sliderReleased, this, [this] {
        MSubclass::sendMessage(this, WindowMessage::VScroll,
                               WindowMessage::makeParam(WindowMessage::ScrollThumbPosition,
                                                        vScroll_->sliderPosition()));
    });

    connect(&hoverTimer_, &CTimer::ThatTime, this, &torkExplorerBarCtl::hoverTimerTick);
    setMouseTracking(true);
    input_ = std::make_unique<PaneInput>(*this);
    keyboard_ = std::make_unique<PaneKeyboard>(*this, *input_);
    PaneAccessible::install();
    renderer_->reloadResources();
    // In a form designer the pane only shows itself: the message hooks and
    // the Alt+letter shortcuts would act on the designer's own windows.
    if (environment_ == Environment::Designer)
        return;

    scrollBars_ = std::make_unique<pcScrollBars>(this, vScroll_);
    mnemonics_ = std::make_unique<pcMnemonics>(this);
    connect(mnemonics_.get(), &pcMnemonics::activated, this,
            [this](QChar key) { input_->clickMnemonic(key); });
    MSubclass::attach(this, this, WindowMessage::SetFocus);
    hookTopLevel();
}

torkExplorerBarCtl::~torkExplorerBarCtl() {
    // Handles fail with 364 from here on, hooks and the timer are released
    // before any record or child goes away.
    PaneRegistry::remove(window_);
    MSubclass::detachAll(this);
    hoverTimer_.setInterval(0);
    delete vScroll_;
    vScroll_ = nullptr;
}

pcExplorerBar& torkExplorerBarCtl::barOrUnloaded(std::int32_t id) const {
    pcExplorerBar* bar = model_.findBar(id);
    if (!bar)
        pane::raisePaneError(zelvano::RuntimeError::ObjectUnloaded);
    return *bar;
}

pcExplorerBarItem& torkExplorerBarCtl::itemOrUnloaded(std::int32_t id) const {
    pcExplorerBarItem* item = model_.findItem(id);
    if (!item)
        pane::raisePaneError(zelvano::RuntimeError::ObjectUnloaded);
    return *item;
}

// --- effects -------------------------------------------------------------

void torkExplorerBarCtl::relayoutAndRepaint() {
    if (!state_.Redraw)
        return;
    renderer_->layout();
    syncScrollBar();
    renderer_->positionHostedControls();
    repaintSoon();
}

void torkExplorerBarCtl::repaintSoon() {
    // Tops, heights and the scroll bar are laid out at once; the back buffer
    // is redrawn once before the next paint, however many changes came first
    // (a host filling the pane with Redraw on would otherwise redraw all of
    // it per item).
    renderPending_ = true;
    update();
}

void torkExplorerBarCtl::repaintNow() {
    if (!state_.Redraw)
        return;
    renderer_->layout();
    syncScrollBar();
    renderer_->positionHostedControls();
    renderer_->render();
    renderPending_ = false;
    repaint();
}

void torkExplorerBarCtl::remeasureBar(pcExplorerBar& bar) {
    renderer_->measureBar(bar);
}

void torkExplorerBarCtl::remeasureItem(pcExplorerBar& bar, pcExplorerBarItem& item) {
    renderer_->measureItem(bar, item);
}

void torkExplorerBarCtl::remeasureAll() {
    renderer_->measureAll();
}

void torkExplorerBarCtl::recolourWatermark(pcExplorerBar& bar) {
    if (bar.watermark.isNull())
        bar.watermarkRendered = QImage();
    else
        renderer_->recolourWatermark(bar);
}

void torkExplorerBarCtl::recolourWatermarks() {
    for (auto& bar : state_.bars)
        recolourWatermark(*bar);
}

void torkExplorerBarCtl::rebuildGlyphsIfEmulated() {
    // Emulated glyphs take their colours from the bars; themed ones do not.
    if (!state_.UseExplorerStyle)
        renderer_->reloadResources();
}

void torkExplorerBarCtl::reloadDrawingResources() {
    renderer_->reloadResources();
    recolourWatermarks();
}

void torkExplorerBarCtl::animateBarTo(pcExplorerBar& bar, std::int32_t newState) {
    PaneAnimation::expandOrCollapse(*this, bar, newState);
}

void torkExplorerBarCtl::scrollIntoView(const pcExplorerBar& bar, const pcExplorerBarItem* item) {
    if (!state_.scrollBarVisible)
        return;
    int top = 0;
    int bottom = 0;
    if (item) {
        const QRect r = renderer_->itemRect(bar, *item);
        top = r.top() + state_.scrollValue;
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
    const int view = height();
    if (top >= state_.scrollValue && bottom <= state_.scrollValue + view)
        return;
    PaneAnimation::scrollTo(*this, bottom - top > view ? top : bottom - view);
}

void torkExplorerBarCtl::updateMnemonic(const QString& oldText, const QString& newText) {
    // Called for every title and text set, added and removed.
    if (mnemonics_)
        mnemonics_->textChanged(oldText, newText);
    PaneAccessible::elementsChanged(*this);
}

void torkExplorerBarCtl::syncScrollBar() {
    renderer_->placeScrollBar(*vScroll_);
    if (state_.scrollBarVisible)
        vScroll_->raise();
    state_.scrollValue = vScroll_->value();
}

void torkExplorerBarCtl::settingChanged() {
    reloadDrawingResources();
    // Fonts and scroll-bar metrics may have changed with the settings.
    remeasureAll();
    relayoutAndRepaint();
    emit SettingChange();
}

void torkExplorerBarCtl::hoverTimerTick() {
    input_->hoverTick();
}

void torkExplorerBarCtl::setCursorSource(std::function<QPoint()> source) {
    input_->setCursorSource(std::move(source));
}

// --- records leaving the pane ---------------------------------------------

void torkExplorerBarCtl::discardItem(const pcExplorerBarItem& item) {
    if (item.lPtrPanel)
        item.lPtrPanel->hide();
    if (state_.focusItemID == item.ID)
        state_.focusItemID = 0;
    if (state_.hoverItemID == item.ID)
        state_.hoverItemID = 0;
    updateMnemonic(item.Text, {});
}

void torkExplorerBarCtl::discardBar(const pcExplorerBar& bar) {
    for (const auto& item : bar.items)
        discardItem(*item);
    if (state_.focusBarID == bar.ID)
        state_.focusBarID = 0;
    if (state_.hoverBarID == bar.ID)
        state_.hoverBarID = 0;
    updateMnemonic(bar.Title, {});
}

void torkExplorerBarCtl::hostControl(pcExplorerBar& bar, pcExplorerBarItem& item,
                                     QWidget* control) {
    // Hosting the pane itself, an ancestor or the pane's own scroll bar would
    // tie the widget tree in a knot.
    if (control && (control == this || control == vScroll_ || control->isAncestorOf(this)))
        pane::raisePaneError(zelvano::RuntimeError::InvalidCall);
    if (item.lPtrPanel)
        item.lPtrPanel->hide();
    item.lPtrPanel = control;
    if (control) {
        control->setParent(this);
        QPalette palette = control->palette();
        palette.setColor(QPalette::Window,
                         renderer_->resolve(DefaultPanelColor(bar.IsSpecial), kSysColorWindow));
        control->setPalette(palette);
        control->setAutoFillBackground(true);
        vScroll_->raise();
    }
    remeasureItem(bar, item);
    relayoutAndRepaint();
}

// --- events to the host ----------------------------------------------------

void torkExplorerBarCtl::raiseHighlight(std::int32_t barId, std::int32_t itemId) {
    if (barId == state_.lastHighlightBarID && itemId == state_.lastHighlightItemID)
        return;
    state_.lastHighlightBarID = barId;
    state_.lastHighlightItemID = itemId;
    emit Highlight(barId ? cExplorerBar(window_, barId) : cExplorerBar(),
                   itemId ? cExplorerBarItem(window_, barId, itemId) : cExplorerBarItem());
}

void torkExplorerBarCtl::propertyChanged(const char* name) {
    if (!readingProperties_)
        emit PropertyChanged(QString::fromLatin1(name));
}

// --- hooks -----------------------------------------------------------------

std::int32_t torkExplorerBarCtl::WindowProc(QObject* hWnd, std::int32_t iMsg, std::int32_t wParam,
                                            std::int32_t lParam) {
    Q_UNUSED(hWnd);
    Q_UNUSED(wParam);
    Q_UNUSED(lParam);
    // Alt+letter shortcuts reach the pane through the window's shortcut map;
    // the focus only decides where Tab and Shift+Tab land.
    if (iMsg == WindowMessage::SetFocus) {
        const QEvent* event = MSubclass::currentEvent();
        if (event && event->type() == QEvent::FocusIn)
            keyboard_->focusEntered(static_cast<const QFocusEvent*>(event)->reason());
    } else if (iMsg == WindowMessage::SettingChange) {
        settingChanged();
    }
    return MSubclass::currentResult();
}

void torkExplorerBarCtl::hookTopLevel() {
    if (environment_ == Environment::Designer)
        return;
    QWidget* top = window();
    if (top == hookedTopLevel_)
        return;
    if (hookedTopLevel_)
        MSubclass::detach(this, hookedTopLevel_, WindowMessage::SettingChange);
    hookedTopLevel_ = top;
    MSubclass::attach(this, top, WindowMessage::SettingChange);
}

void torkExplorerBarCtl::forwardScrollAction(int action) {
    const std::int32_t code = scrollCode(action);
    if (code < 0)
        return;
    MSubclass::sendMessage(this, WindowMessage::VScroll,
                           WindowMessage::makeParam(code, vScroll_->sliderPosition()));
}

// --- Qt event handlers ------------------------------------------------------

void torkExplorerBarCtl::paintEvent(QPaintEvent* event) {
    // While Redraw is False the back buffer keeps the last picture.
    if (renderPending_ && state_.Redraw) {
        renderer_->render();
        renderPending_ = false;
    }
    QPainter painter(this);
    renderer_->paint(painter, event->rect());
}

void torkExplorerBarCtl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() != measuredWidth_) {
        measuredWidth_ = width();
        remeasureAll();
    }
    relayoutAndRepaint();
}

void torkExplorerBarCtl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    state_.hasFocus = true;
    if (state_.ShowFocusRect && state_.Redraw)
        repaintSoon();
}

void torkExplorerBarCtl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    state_.hasFocus = false;
    if (state_.ShowFocusRect && state_.Redraw)
        repaintSoon();
}

void torkExplorerBarCtl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::ParentChange:
        hookTopLevel();
        break;
    case QEvent::FontChange:
        remeasureAll();
        relayoutAndRepaint();
        break;
    default:
        break;
    }
}

void torkExplorerBarCtl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // An ancestor may have moved to another window since the last look.
    hookTopLevel();
}

bool torkExplorerBarCtl::eventFilter(QObject* watched, QEvent* event) {
    // Presses on the scroll bar reach hooks as presses on the window's frame.
    if (watched == vScroll_ && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (const std::int32_t message = nonClientMessage(mouse->button())) {
            const QPoint global = mouse->globalPosition().toPoint();
            MSubclass::sendMessage(this, message, WindowMessage::HitVScroll,
                                   WindowMessage::makeParam(global.x(), global.y()));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void torkExplorerBarCtl::mouseMoveEvent(QMouseEvent* event) {
    input_->mouseMove(event->position().toPoint(), event->buttons());
}

void torkExplorerBarCtl::mousePressEvent(QMouseEvent* event) {
    input_->mousePress(event->position().toPoint(), event->button());
}

void torkExplorerBarCtl::mouseReleaseEvent(QMouseEvent* event) {
    input_->mouseRelease(event->position().toPoint(), event->button(), event->buttons());
}

void torkExplorerBarCtl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    input_->pointerLeft();
}

void torkExplorerBarCtl::keyPressEvent(QKeyEvent* event) {
    if (!keyboard_->keyPress(*event))
        QWidget::keyPressEvent(event);
}

void torkExplorerBarCtl::keyReleaseEvent(QKeyEvent* event) {
    if (!keyboard_->keyRelease(*event))
        QWidget::keyReleaseEvent(event);
}

void torkExplorerBarCtl::wheelEvent(QWheelEvent* event) {
    // The scroll-bar wrapper has scrolled by now; without a scroll bar the
    // wheel goes on to the parent.
    event->setAccepted(state_.scrollBarVisible);
    if (state_.scrollBarVisible)
        input_->contentMoved(event->position().toPoint(), event->buttons());
}

bool torkExplorerBarCtl::event(QEvent* event) {
    // A tip belongs to the element under the pointer and goes when the
    // pointer leaves that element, not only when it leaves the pane.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<const QHelpEvent*>(event);
        QRect area;
        const QString tip = input_->tipAt(help->pos(), &area);
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this, area);
        }
        return true;
    }
    // Tab and Shift+Tab walk the pane's elements before they move the focus
    // on. Taken here rather than in focusNextPrevChild, which Qt also calls
    // to move the focus off a pane that is being hidden.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        const bool back = key->key() == Qt::Key_Backtab ||
                          (key->key() == Qt::Key_Tab && (mods & Qt::ShiftModifier));
        if ((back || key->key() == Qt::Key_Tab) &&
            !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
            if (!keyboard_->tab(!back))
                leavePane(!back);
            return true;
        }
    }
    return QWidget::event(event);
}

bool torkExplorerBarCtl::leavePane(bool next) {
    for (QWidget* w = next ? nextInFocusChain() : previousInFocusChain(); w && w != this;
         w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (isAncestorOf(w) || w->window() != window() || !w->isEnabled() ||
            !w->isVisibleTo(window()) || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}
