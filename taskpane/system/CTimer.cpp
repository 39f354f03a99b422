#include "system/CTimer.h"

#include "model/PaneErrors.h"
#include "system/MTimer.h"

namespace zelvano::pane {

CTimer::CTimer(QObject* parent)
    : QObject(parent) {}

CTimer::~CTimer() {
    stop();
}

void CTimer::stop() {
    if (systemTimer_ == 0)
        return;
    MTimer::killSystemTimer(systemTimer_);
    MTimer::releaseSlot(slot_);
    systemTimer_ = 0;
    slot_ = 0;
    interval_ = 0;
}

void CTimer::setInterval(std::int32_t milliseconds) {
    if (milliseconds <= 0) {
        stop();
        return;
    }
    if (milliseconds == interval_ && isRunning())
        return;
    stop();
    // Check for a free slot first so that a full table leaves nothing started.
    const int slot = MTimer::reserveSlot(this, [this] { emit ThatTime(); });
    const int id = MTimer::startSystemTimer(slot, milliseconds);
    if (id == 0) {
        MTimer::releaseSlot(slot);
        raiseObjectError(HookError::CantCreateTimer);
    }
    slot_ = slot;
    systemTimer_ = id;
    interval_ = milliseconds;
}

} // namespace zelvano::pane
