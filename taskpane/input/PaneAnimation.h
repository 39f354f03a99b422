#pragma once

// The task pane's motion: a bar expanding or collapsing step by step, and
// the scroll position moving towards an element in growing steps. Both run
// to their end inside the call, repainting the window after every step and
// waiting about one display frame between steps so the motion is seen.

#include <cstdint>
#include <functional>

class QScrollBar;

namespace zelvano::pane {

struct pcExplorerBar;

class PaneAnimation {
public:
    static constexpr int kFrameMilliseconds = 15;

    // Pacing on (the default) waits for the frame between steps; off runs
    // the steps back to back (tests and benchmarks).
    static void setPaced(bool paced);
    static bool isPaced();
    // What waits between paced steps, given the milliseconds left of the
    // frame (0 when the step took the whole frame): a thread sleep unless
    // set (tests record the waits instead).
    using Sleeper = void (*)(int milliseconds);
    static void setSleeper(Sleeper sleeper);

    // Animates `bar`, whose full panel is `fullHeight` high, to BarExpanded
    // or BarCollapsed and leaves it there at rest. `showStep` shows each
    // step; `visible` says whether anyone sees the steps (when not, they are
    // not paced).
    static void expandOrCollapse(pcExplorerBar& bar, std::int32_t newState, int fullHeight,
                                 bool visible, const std::function<void()>& showStep);
    // Moves the scroll bar's value to `target` (kept within its range) in
    // steps of 1, 2, 3, ... pixels, showing each.
    static void scrollTo(QScrollBar& bar, int target, bool visible,
                         const std::function<void()>& showStep);
};

} // namespace zelvano::pane
