#pragma once

// The process-wide timer registry: 100 slots for the running CTimer objects.
// System ticks are routed through it to the CTimer that owns the timer.

#include <cstdint>

class CTimer;

namespace MTimer {

inline constexpr int kSlotCount = 100;

int liveTimers();
int highestSlot();         // highest slot in use, 0 when none
CTimer* timerAt(int slot); // 1-based; null when the slot is free
// How many system timers have been started so far (each (re)start counts).
std::uint64_t systemTimersStarted();

// For CTimer. reserveSlot raises 13651 when the table is full.
int reserveSlot(CTimer* timer);
void releaseSlot(int slot);
int startSystemTimer(std::int32_t milliseconds); // 0 when refused
void killSystemTimer(int id);

} // namespace MTimer
