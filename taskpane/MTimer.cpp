#include "MTimer.h"

#include "CTimer.h"
#include "PaneErrors.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimerEvent>

#include <algorithm>
#include <array>

// Owns the system timers of all CTimer objects and hands each tick to the
// registered timer that holds its id.
class MTimerDispatcher : public QObject {
protected:
    void timerEvent(QTimerEvent* event) override;
};

namespace {

std::array<CTimer*, MTimer::kSlotCount> timerSlots{};
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
                                    [id](const CTimer* t) { return t && t->systemTimer_ == id; });
    if (owner == timerSlots.begin() + highest) {
        // Nobody owns it any more: a stray tick must not keep the timer alive.
        killTimer(id);
        return;
    }
    CTimer* timer = *owner;
    emit timer->ThatTime();
}

namespace MTimer {

int liveTimers() {
    return static_cast<int>(std::count_if(timerSlots.begin(), timerSlots.end(),
                                          [](const CTimer* t) { return t != nullptr; }));
}

int highestSlot() {
    return highest;
}

CTimer* timerAt(int slot) {
    return slot >= 1 && slot <= kSlotCount ? timerSlots[static_cast<std::size_t>(slot - 1)]
                                           : nullptr;
}

std::uint64_t systemTimersStarted() {
    return started;
}

int reserveSlot(CTimer* timer) {
    const auto free = std::find(timerSlots.begin(), timerSlots.end(), nullptr);
    if (free == timerSlots.end())
        pane::raiseObjectError(pane::HookError::TooManyTimers);
    *free = timer;
    const int slot = static_cast<int>(free - timerSlots.begin()) + 1;
    highest = std::max(highest, slot);
    return slot;
}

void releaseSlot(int slot) {
    if (slot < 1 || slot > kSlotCount)
        return;
    timerSlots[static_cast<std::size_t>(slot - 1)] = nullptr;
    while (highest > 0 && !timerSlots[static_cast<std::size_t>(highest - 1)])
        --highest;
}

int startSystemTimer(std::int32_t milliseconds) {
    MTimerDispatcher* d = dispatcher();
    if (!d || d->thread() != QThread::currentThread())
        return 0;
    const int id = d->startTimer(milliseconds);
    if (id != 0)
        ++started;
    return id;
}

void killSystemTimer(int id) {
    if (id != 0 && dispatcherObject && dispatcherObject->thread() == QThread::currentThread())
        dispatcherObject->killTimer(id);
}

} // namespace MTimer
