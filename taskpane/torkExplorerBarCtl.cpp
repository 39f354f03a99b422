#include "torkExplorerBarCtl.h"

#include "input/PaneAccessible.h"
#include "input/PaneInput.h"
#include "input/PaneKeyboard.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

using namespace zelvano::pane;

namespace {

// Events arrive while the core is being made and while it goes (its children
// come and go): then there is no input to hand them to.
PaneInput* inputOf(const torkExplorerBarCtlPrivate* core) {
    return core ? core->input() : nullptr;
}

PaneKeyboard* keyboardOf(const torkExplorerBarCtlPrivate* core) {
    return core ? core->keyboard() : nullptr;
}

} // namespace

torkExplorerBarCtl::torkExplorerBarCtl(QWidget* parent, Environment environment)
    : QWidget(parent) {
    // Made in the body, not the initialiser list: the core's children send
    // events on the way, and d must read as empty until it is there.
    d = std::make_unique<torkExplorerBarCtlPrivate>(*this, environment == Environment::Designer);
    setFocusPolicy(Qt::StrongFocus);
    PaneAccessible::install();

    using Core = torkExplorerBarCtlPrivate;
    connect(d.get(), &Core::barClicked, this,
            [this](std::int32_t bar) { emit BarClick(cExplorerBar(windowId(), bar)); });
    connect(d.get(), &Core::barRightClicked, this,
            [this](std::int32_t bar) { emit BarRightClick(cExplorerBar(windowId(), bar)); });
    connect(d.get(), &Core::itemClicked, this, [this](std::int32_t bar, std::int32_t item) {
        emit ItemClick(cExplorerBarItem(windowId(), bar, item));
    });
    connect(d.get(), &Core::itemRightClicked, this, [this](std::int32_t bar, std::int32_t item) {
        emit ItemRightClick(cExplorerBarItem(windowId(), bar, item));
    });
    connect(d.get(), &Core::highlighted, this, [this](std::int32_t bar, std::int32_t item) {
        emit Highlight(bar ? cExplorerBar(windowId(), bar) : cExplorerBar(),
                       item ? cExplorerBarItem(windowId(), bar, item) : cExplorerBarItem());
    });
    connect(d.get(), &Core::systemSettingsChanged, this, &torkExplorerBarCtl::SettingChange);
    connect(d.get(), &Core::designSettingChanged, this, &torkExplorerBarCtl::PropertyChanged);
    connect(d.get(), &Core::focusMarkMoved, this,
            [this](PaneElement element) { PaneAccessible::focusMoved(*this, element); });
    connect(d.get(), &Core::barStateChanged, this,
            [this](std::int32_t bar) { PaneAccessible::stateChanged(*this, bar); });
    connect(d.get(), &Core::elementsChanged, this,
            [this] { PaneAccessible::elementsChanged(*this); });
    if (environment == Environment::Designer)
        return;

    setMouseTracking(true);
    d->setInput(std::make_shared<PaneInput>(*d), std::make_shared<PaneKeyboard>(*d));
    connect(&d->hoverTimer(), &CTimer::ThatTime, this, [this] { inputOf(d.get())->hoverTick(); });
    connect(d.get(), &Core::focusEntered, this,
            [this](Qt::FocusReason reason) { keyboardOf(d.get())->focusEntered(reason); });
}

torkExplorerBarCtl::~torkExplorerBarCtl() {
    // Gone from d before it goes: the events its children's removal sends
    // find no core.
    d.reset();
}

torkExplorerBarCtl::Environment torkExplorerBarCtl::environment() const {
    return d->inDesigner() ? Environment::Designer : Environment::Program;
}

cExplorerBars torkExplorerBarCtl::Bars() const {
    return cExplorerBars(d->windowId());
}

PaneWindowId torkExplorerBarCtl::windowId() const {
    return d->windowId();
}

// --- Qt event handlers: handed to the core and the input code ---------------

void torkExplorerBarCtl::paintEvent(QPaintEvent* event) {
    d->paint(event->rect());
}

void torkExplorerBarCtl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    d->resized();
}

void torkExplorerBarCtl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    d->focusChanged(true);
    // The toolkit reports the pane itself as focused once this event is
    // handled; the element with the focus mark is reported after it, so that
    // a screen reader names what the keyboard works on.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                PaneAccessible::focusMoved(*this, d->focusMark());
        },
        Qt::QueuedConnection);
}

void torkExplorerBarCtl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    d->focusChanged(false);
}

void torkExplorerBarCtl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ParentChange)
        d->parentChanged();
    else if (event->type() == QEvent::FontChange)
        d->fontChanged();
    else if (event->type() == QEvent::PaletteChange)
        d->paletteChanged();
}

void torkExplorerBarCtl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    d->parentChanged();
}

void torkExplorerBarCtl::mouseMoveEvent(QMouseEvent* event) {
    if (PaneInput* input = inputOf(d.get()))
        input->mouseMove(event->position().toPoint(), event->buttons());
}

void torkExplorerBarCtl::mousePressEvent(QMouseEvent* event) {
    if (PaneInput* input = inputOf(d.get()))
        input->mousePress(event->position().toPoint(), event->button());
}

void torkExplorerBarCtl::mouseReleaseEvent(QMouseEvent* event) {
    if (PaneInput* input = inputOf(d.get()))
        input->mouseRelease(event->position().toPoint(), event->button(), event->buttons());
}

void torkExplorerBarCtl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (PaneInput* input = inputOf(d.get()))
        input->pointerLeft();
}

void torkExplorerBarCtl::keyPressEvent(QKeyEvent* event) {
    PaneKeyboard* keyboard = keyboardOf(d.get());
    if (!keyboard || !keyboard->keyPress(*event))
        QWidget::keyPressEvent(event);
}

void torkExplorerBarCtl::keyReleaseEvent(QKeyEvent* event) {
    PaneKeyboard* keyboard = keyboardOf(d.get());
    if (!keyboard || !keyboard->keyRelease(*event))
        QWidget::keyReleaseEvent(event);
}

void torkExplorerBarCtl::wheelEvent(QWheelEvent* event) {
    // The scroll-bar wrapper has scrolled by now; without a scroll bar the
    // wheel goes on to the parent.
    PaneInput* input = inputOf(d.get());
    const bool scrolls = d->state.scrollBarVisible && input;
    event->setAccepted(scrolls);
    if (scrolls)
        input->contentMoved(event->position().toPoint(), event->buttons());
}

bool torkExplorerBarCtl::event(QEvent* event) {
    PaneInput* input = inputOf(d.get());
    if (!input)
        return QWidget::event(event);
    // A tip belongs to the element under the pointer and goes when the
    // pointer leaves that element, not only when it leaves the pane.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<const QHelpEvent*>(event);
        QRect area;
        const QString tip = input->tipAt(help->pos(), &area);
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
            if (!keyboardOf(d.get())->tab(!back))
                d->leavePane(!back);
            return true;
        }
    }
    return QWidget::event(event);
}
