#pragma once

// The task pane's motion: a bar expanding or collapsing step by step, and
// the scroll position moving towards an element in growing steps. Both run
// to their end inside the call, repainting the window after every step and
// waiting about one display frame between steps so the motion is seen.

#include <cstdint>

class torkExplorerBarCtl;
struct pcExplorerBar;

class PaneAnimation {
public:
    static constexpr int kFrameMilliseconds = 15;

    // Pacing on (the default) waits for the frame between steps; off runs
    // the steps back to back (tests and benchmarks).
    static void setPaced(bool paced);
    static bool isPaced();

    // Animates `bar` to BarExpanded or BarCollapsed and leaves it there,
    // scrolled into view.
    static void expandOrCollapse(torkExplorerBarCtl& pane, pcExplorerBar& bar,
                                 std::int32_t newState);
    // Moves the scroll value to `target` (kept within the scroll range) in
    // steps of 1, 2, 3, ... pixels.
    static void scrollTo(torkExplorerBarCtl& pane, int target);
};
