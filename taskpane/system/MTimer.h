#pragma once

// The process-wide timer registry: 100 slots for the running CTimer objects.
// System ticks are routed through it to the CTimer that owns the timer.

#include <cstdint>
#include <functional>

namespace zelvano::pane {

class CTimer;

namespace MTimer {

inline constexpr int kSlotCount = 100;

int liveTimers();
int highestSlot();         // highest slot in use, 0 when none
CTimer* timerAt(int slot); // 1-based; null when the slot is free
// How many system timers have been started so far (each (re)start counts).
std::uint64_t systemTimersStarted();

// For CTimer. reserveSlot raises 13651 when the table is full; the ticks of
// the slot's system timer call `tick`.
int reserveSlot(CTimer* timer, std::function<void()> tick);
void releaseSlot(int slot);
// Starts the slot's system timer; 0 when refused.
int startSystemTimer(int slot, std::int32_t milliseconds);
void killSystemTimer(int id);

} // namespace MTimer

} // namespace zelvano::pane
