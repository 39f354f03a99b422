#pragma once

// The task pane's vertical scroll bar: a Qt scroll bar child of the pane,
// bound to the pane's window through the message hooks. It scrolls on the
// mouse wheel and gives the pane the focus when pressed; the pane repaints
// on every value change of the bar itself.

#include "system/ISubclass.h"

#include <QPointer>

class QScrollBar;
class QWidget;

namespace zelvano::pane {

class pcScrollBars : private ISubclass {
public:
    static constexpr int kWheelDelta = 120; // one notch
    static constexpr int kLineStep = 12;    // pixels per line

    // Attaches to the pane's wheel and scroll-bar press messages and reads
    // the system's wheel lines.
    pcScrollBars(QWidget* pane, QScrollBar* vertical);
    ~pcScrollBars() override; // detaches

    // Pixels to add to the value for a wheel turn of `notches` notches
    // (positive: away from the user, which scrolls up).
    static int wheelScroll(int notches, int wheelLines);

    bool Visible() const;
    int Value() const;
    void setValue(int value); // kept within the range

private:
    std::int32_t WindowProc(QObject* hWnd, std::int32_t iMsg, std::int32_t wParam,
                            std::int32_t lParam) override;
    void wheel(int delta);

    QPointer<QWidget> pane_;
    QPointer<QScrollBar> bar_;
    int wheelLines_ = 3;
    int wheelRest_ = 0; // part of a notch not yet scrolled (fine-grained wheels)
};

} // namespace zelvano::pane
