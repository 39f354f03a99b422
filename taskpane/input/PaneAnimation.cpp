#include "input/PaneAnimation.h"

#include "model/PaneRecords.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace zelvano::pane {

namespace {

bool pacing = true;

void sleepFor(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

PaneAnimation::Sleeper sleeper = sleepFor;

// Spaces the steps one display frame apart. Each step has painted and
// flushed the window before the wait, so the wait processes no events:
// input, timers and the host's handlers run only after the motion ends.
class FramePacer {
public:
    explicit FramePacer(bool visible)
        : on_(pacing && visible) {
        frame_.start();
    }
    void wait() {
        if (!on_)
            return;
        const qint64 left = PaneAnimation::kFrameMilliseconds - frame_.elapsed();
        sleeper(static_cast<int>(std::max<qint64>(left, 0)));
        frame_.restart();
    }

private:
    bool on_;
    QElapsedTimer frame_;
};

// The growth of the step after a step of `step` pixels: by one while it is
// at most 31, then by the increment for the bar's number of items.
int grownStep(int step, int increment) {
    const int sign = step > 0 ? 1 : -1;
    return std::abs(step) <= 31 ? step + sign : step + increment;
}

int incrementFor(std::size_t items, int sign) {
    if (items > 75)
        return 8 * sign;
    if (items > 50)
        return 6 * sign;
    if (items > 25)
        return 4 * sign;
    return 0;
}

// A panel's motion ends within this many steps (about a second and a half
// paced), however tall the panel: the ordinary sequence covers the first
// pixels by the panel's title and the rest changes at once.
constexpr int kMaxSteps = 100;

// How many pixels the ordinary step sequence covers in kMaxSteps steps.
int reachOfSteps(int increment) {
    int reach = 0;
    for (int i = 0, step = 1; i < kMaxSteps; ++i, step = grownStep(step, increment))
        reach += step;
    return reach;
}

bool hostsControl(const pcExplorerBar& bar) {
    return std::any_of(bar.items.begin(), bar.items.end(), [](const auto& item) {
        return item->ItemType == ItemKindHostedControl && item->lPtrPanel;
    });
}

} // namespace

void PaneAnimation::setPaced(bool paced) {
    pacing = paced;
}

void PaneAnimation::setSleeper(Sleeper next) {
    sleeper = next ? next : sleepFor;
}

bool PaneAnimation::isPaced() {
    return pacing;
}

void PaneAnimation::expandOrCollapse(pcExplorerBar& bar, std::int32_t newState, int fullHeight,
                                     bool visible, const std::function<void()>& showStep) {
    const bool expanding = newState == BarExpanded;
    const int full = fullHeight;
    bar.Expanding = expanding;
    bar.Collapsing = !expanding;

    if (hostsControl(bar) || full <= 0) {
        // A hosted control cannot fade or slide: the bar jumps.
        bar.Height = expanding ? full : 0;
        bar.Alpha = 255;
    } else {
        int step = expanding ? 1 : -1;
        const int increment = incrementFor(bar.items.size(), step);
        const int animated = std::min(full, reachOfSteps(std::abs(increment)));
        const int target = expanding ? animated : 0;
        int current = expanding ? 0 : animated;
        bar.CollapseOffset = expanding ? full : animated - full;
        FramePacer pacer(visible);
        while (current != target) {
            current += step;
            bar.CollapseOffset += expanding ? -step : step;
            if (expanding ? current > target : current < target) {
                current = target;
                bar.CollapseOffset = 0;
            }
            bar.Height = current;
            bar.Alpha = static_cast<int>(std::nearbyint(current * 255.0 / animated));
            showStep();
            pacer.wait();
            step = grownStep(step, increment);
        }
    }

    bar.State = newState;
    bar.Expanding = bar.Collapsing = false;
    bar.Alpha = 255;
    bar.CollapseOffset = 0;
    bar.Height = expanding ? full : 0;
}

void PaneAnimation::scrollTo(QScrollBar& bar, int target, bool visible,
                             const std::function<void()>& showStep) {
    target = std::clamp(target, bar.minimum(), bar.maximum());
    FramePacer pacer(visible);
    int value = bar.value();
    for (int step = 1; value != target; ++step) {
        value = target > value ? std::min(value + step, target) : std::max(value - step, target);
        bar.setValue(value);
        showStep();
        pacer.wait();
    }
}

} // namespace zelvano::pane
