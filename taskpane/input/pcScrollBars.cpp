#include "input/pcScrollBars.h"

#include "system/MSubclass.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace zelvano::pane {

namespace {

constexpr std::int32_t kMessages[] = {WindowMessage::MouseWheel, WindowMessage::NcLButtonDown,
                                      WindowMessage::NcRButtonDown, WindowMessage::NcMButtonDown};

// The high word of a message parameter as a signed 16-bit value.
int highWord(std::int32_t param) {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(param) >> 16);
}

} // namespace

pcScrollBars::pcScrollBars(QWidget* pane, QScrollBar* vertical)
    : ISubclass(ISubclass::PreviousAfter)
    , pane_(pane)
    , bar_(vertical) {
    const int lines = QApplication::wheelScrollLines();
    wheelLines_ = lines > 0 ? lines : 3;
    for (const std::int32_t message : kMessages)
        MSubclass::attach(this, pane, message);
}

pcScrollBars::~pcScrollBars() {
    if (pane_)
        for (const std::int32_t message : kMessages)
            MSubclass::detach(this, pane_, message);
}

int pcScrollBars::wheelScroll(int notches, int wheelLines) {
    return -notches * kLineStep * wheelLines;
}

bool pcScrollBars::Visible() const {
    return bar_ && bar_->isVisibleTo(pane_);
}

int pcScrollBars::Value() const {
    return bar_ ? bar_->value() : 0;
}

void pcScrollBars::setValue(int value) {
    if (bar_)
        bar_->setValue(value);
}

void pcScrollBars::wheel(int delta) {
    // Whole notches scroll; a touchpad's small deltas add up to them
    // instead of being dropped one by one.
    if ((delta > 0) != (wheelRest_ > 0))
        wheelRest_ = 0;
    wheelRest_ += delta;
    const int notches = wheelRest_ / kWheelDelta;
    wheelRest_ -= notches * kWheelDelta;
    if (const int amount = wheelScroll(notches, wheelLines_); amount != 0)
        setValue(Value() + amount);
}

std::int32_t pcScrollBars::WindowProc(QObject* hWnd, std::int32_t iMsg, std::int32_t wParam,
                                      std::int32_t lParam) {
    Q_UNUSED(hWnd);
    Q_UNUSED(lParam);
    switch (iMsg) {
    case WindowMessage::MouseWheel:
        if (Visible()) {
            wheel(highWord(wParam));
            // Taken here: no scrolling parent should move as well.
            if (QEvent* event = MSubclass::currentEvent())
                event->accept();
        }
        break;
    case WindowMessage::NcLButtonDown:
    case WindowMessage::NcRButtonDown:
        if (pane_ && !pane_->hasFocus())
            pane_->setFocus(Qt::MouseFocusReason);
        break;
    default:
        break;
    }
    return MSubclass::currentResult();
}

} // namespace zelvano::pane
