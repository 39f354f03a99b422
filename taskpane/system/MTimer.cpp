#include "system/MTimer.h"

#include "model/PaneErrors.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimerEvent>

#include <algorithm>
#include <array>

namespace zelvano::pane {

// Owns the system timers of all CTimer objects and hands each tick to the
// registered timer that holds its id.
class MTimerDispatcher : public QObject {
protected:
    void timerEvent(QTimerEvent* event) override;
};

namespace {

struct Slot {
    CTimer* timer = nullptr; // null: free
    int systemTimer = 0;
    std::function<void()> tick;
};

std::array<Slot, MTimer::kSlotCount> timerSlots{};
int highest = 0;
std::uint64_t started = 0;
QPointer<MTimerDispatcher> dispatcherObject;

MTimerDispatcher* dispatcher() {
    // Lives with the application, on its thread.
    QCoreApplication* app = QCoreApplication::instance();
    if (!dispatcherObject && app && app->thread() == QThread::currentThread()) {
        dispatcherObject = new MTimerDispatcher;
        dispatcherObject->setParent(app);
    }
    return dispatcherObject;
}

} // namespace

void MTimerDispatcher::timerEvent(QTimerEvent* event) {
    const int id = event->timerId();
    const auto owner = std::find_if(timerSlots.begin(), timerSlots.begin() + highest,
                                    [id](const Slot& s) { return s.timer && s.systemTimer == id; });
    if (owner == timerSlots.begin() + highest) {
        // Nobody owns it any more: a stray tick must not keep the timer alive.
        killTimer(id);
        return;
    }
    // A copy: the tick may stop the timer and free its slot.
    const std::function<void()> tick = owner->tick;
    tick();
}

namespace MTimer {

int liveTimers() {
    return static_cast<int>(std::count_if(timerSlots.begin(), timerSlots.end(),
                                          [](const Slot& s) { return s.timer != nullptr; }));
}

int highestSlot() {
    return highest;
}

CTimer* timerAt(int slot) {
    return slot >= 1 && slot <= kSlotCount ? timerSlots[static_cast<std::size_t>(slot - 1)].timer
                                           : nullptr;
}

std::uint64_t systemTimersStarted() {
    return started;
}

int reserveSlot(CTimer* timer, std::function<void()> tick) {
    const auto free = std::find_if(timerSlots.begin(), timerSlots.end(),
                                   [](const Slot& s) { return s.timer == nullptr; });
    if (free == timerSlots.end())
        raiseObjectError(HookError::TooManyTimers);
    *free = Slot{timer, 0, std::move(tick)};
    const int slot = static_cast<int>(free - timerSlots.begin()) + 1;
    highest = std::max(highest, slot);
    return slot;
}

void releaseSlot(int slot) {
    if (slot < 1 || slot > kSlotCount)
        return;
    timerSlots[static_cast<std::size_t>(slot - 1)] = Slot{};
    while (highest > 0 && !timerSlots[static_cast<std::size_t>(highest - 1)].timer)
        --highest;
}

int startSystemTimer(int slot, std::int32_t milliseconds) {
    MTimerDispatcher* d = dispatcher();
    if (slot < 1 || slot > kSlotCount || !d || d->thread() != QThread::currentThread())
        return 0;
    const int id = d->startTimer(milliseconds);
    if (id != 0)
        ++started;
    timerSlots[static_cast<std::size_t>(slot - 1)].systemTimer = id;
    return id;
}

void killSystemTimer(int id) {
    if (id != 0 && dispatcherObject && dispatcherObject->thread() == QThread::currentThread())
        dispatcherObject->killTimer(id);
}

} // namespace MTimer

} // namespace zelvano::pane
