// Expand and collapse: the heights, opacity and offsets each painted step
// shows, the acceleration of long bars, bars that host a control, pacing.

#include "input_support.h"
#include "paint/PaneMetrics.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace zelvano::pane;

namespace {

using inputtest::PaneFixture;

// What every repaint of an animating bar shows.
struct Steps : QObject {
    const pcExplorerBar* bar = nullptr;
    std::vector<int> heights, alphas, offsets;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && bar && bar->isAnimating()) {
            heights.push_back(bar->Height);
            alphas.push_back(bar->Alpha);
            offsets.push_back(bar->CollapseOffset);
        }
        return false;
    }
    std::vector<int> growth() const {
        std::vector<int> out;
        for (std::size_t i = 0; i < heights.size(); ++i)
            out.push_back(std::abs(heights[i] - (i ? heights[i - 1] : 0)));
        return out;
    }
};

struct Animation : PaneFixture {
    Steps steps;

    // One bar of `items` items whose panel is `panel` pixels high.
    cExplorerBar makeBar(int items, int panel) {
        auto bar = pane->Bars().Add({}, {}, QStringLiteral("Группа"));
        for (int i = 0; i < items; ++i)
            bar.Items().Add({}, {}, QStringLiteral("Пункт %1").arg(i + 1));
        const int measured = paneStateOf(*pane).scrollBarVisible ? this->bar(0).HeightWithScroll
                                                                 : this->bar(0).HeightWithoutScroll;
        auto last = bar.Items().Item(items);
        last.setSpacingAfter(panel - measured);
        steps.bar = &this->bar(0);
        pane->installEventFilter(&steps);
        return bar;
    }
};

TEST_F(Animation, ExpandingAHundredPixelPanelShowsTheFixedHeights) {
    auto bar = makeBar(1, 100);
    ASSERT_EQ(this->bar(0).HeightWithoutScroll, 100);
    bar.setState(BarCollapsed);
    show();
    steps.heights.clear();
    steps.alphas.clear();
    bar.setState(BarExpanded);

    EXPECT_EQ(steps.heights,
              (std::vector<int>{1, 3, 6, 10, 15, 21, 28, 36, 45, 55, 66, 78, 91, 100}));
    for (std::size_t i = 0; i < steps.heights.size(); ++i)
        EXPECT_EQ(steps.alphas[i], std::lrint(steps.heights[i] * 255.0 / 100)) << i;
    EXPECT_EQ(steps.alphas[0], 3) << "2.55 rounds to 3";
    EXPECT_EQ(bar.State(), BarExpanded);
    EXPECT_FALSE(this->bar(0).isAnimating());
    EXPECT_EQ(this->bar(0).Alpha, 255);
}

TEST_F(Animation, CollapsingSlidesTheContentsUpByWhatIsHidden) {
    auto bar = makeBar(1, 100);
    show();
    bar.setState(BarCollapsed);
    ASSERT_EQ(steps.heights.size(), 14u);
    EXPECT_EQ(steps.heights.front(), 99);
    for (std::size_t i = 0; i + 1 < steps.heights.size(); ++i)
        EXPECT_EQ(steps.offsets[i], steps.heights[i] - 100) << i;
    EXPECT_EQ(steps.heights.back(), 0);
    EXPECT_EQ(steps.offsets.back(), 0);
    EXPECT_EQ(this->bar(0).State, BarCollapsed);
}

// Steps grow by one up to 32 pixels, then by the increment of the bar's size.
struct Acceleration {
    int items;
    int panel;
    std::vector<int> after31; // steps 32, 33 and 34
};

class Accelerating : public Animation, public ::testing::WithParamInterface<Acceleration> {};

TEST_P(Accelerating, StepsAfterThirtyOnePixels) {
    const auto& c = GetParam();
    auto bar = makeBar(c.items, c.panel);
    bar.setState(BarCollapsed);
    show();
    steps.heights.clear();
    bar.setState(BarExpanded);
    const auto growth = steps.growth();
    ASSERT_GT(growth.size(), 34u);
    for (int i = 0; i < 31; ++i)
        ASSERT_EQ(growth[std::size_t(i)], i + 1);
    EXPECT_EQ(std::vector<int>(growth.begin() + 31, growth.begin() + 34), c.after31);
}

INSTANTIATE_TEST_SUITE_P(
    Items, Accelerating,
    ::testing::Values(Acceleration{20, 1400, {32, 32, 32}}, Acceleration{25, 1400, {32, 32, 32}},
                      Acceleration{26, 1400, {32, 36, 40}}, Acceleration{30, 1400, {32, 36, 40}},
                      Acceleration{60, 1400, {32, 38, 44}}, Acceleration{80, 1600, {32, 40, 48}}),
    [](const auto& info) {
        return "Items" + std::to_string(info.param.items) + "_Panel" +
               std::to_string(info.param.panel);
    });

TEST_F(Animation, ABarHostingAControlChangesWithoutSteps) {
    auto bar = makeBar(1, 60);
    auto hosted = bar.Items().Add({}, {}, {}, -1, ItemKindHostedControl);
    auto* label = new QLabel(QStringLiteral("Вложенный"));
    hosted.setControl(label);
    show();
    ASSERT_TRUE(label->isVisible());
    bar.setState(BarCollapsed);
    EXPECT_TRUE(steps.heights.empty());
    EXPECT_EQ(bar.State(), BarCollapsed);
    EXPECT_FALSE(label->isVisible());
}

// The waits asked for between paced steps: after every step, what is left of
// the frame (a step here takes less than one).
std::vector<int> waits;

TEST_F(Animation, PacingSpacesTheStepsOneFrameApart) {
    auto bar = makeBar(1, 100);
    show();
    steps.heights.clear();
    waits.clear();
    PaneAnimation::setSleeper([](int milliseconds) { waits.push_back(milliseconds); });
    const auto restore = qScopeGuard([] {
        PaneAnimation::setSleeper(nullptr);
        PaneAnimation::setPaced(false);
    });
    PaneAnimation::setPaced(true);
    bar.setState(BarCollapsed);
    EXPECT_EQ(steps.heights.size(), 14u);
    ASSERT_EQ(waits.size(), 14u) << "one wait after every step";
    for (int wait : waits) {
        EXPECT_GE(wait, 0);
        EXPECT_LE(wait, PaneAnimation::kFrameMilliseconds);
    }
    EXPECT_GT(*std::max_element(waits.begin(), waits.end()), 0) << "the rest of the frame";
    PaneAnimation::setPaced(false);
    bar.setState(BarExpanded);
    EXPECT_EQ(steps.heights.size(), 28u);
    EXPECT_EQ(waits.size(), 14u) << "unpaced: back to back";

    PaneAnimation::setSleeper(nullptr);
    PaneAnimation::setPaced(true);
    QElapsedTimer motion;
    motion.start();
    bar.setState(BarCollapsed);
    EXPECT_GE(motion.elapsed(), 14 * PaneAnimation::kFrameMilliseconds) << "the thread sleeps";
}

// However tall a panel, its motion ends within 100 steps; the ordinary
// sequence runs unchanged as far as those steps reach (2704 pixels for a
// small bar, farther where the steps accelerate) and the rest changes at once.
struct TallPanel {
    int items;
    std::int32_t spacing; // SpacingAfter of the last item
    int reach;            // the largest height a step shows
};

class TallPanels : public Animation, public ::testing::WithParamInterface<TallPanel> {};

TEST_P(TallPanels, MoveInAtMostAHundredSteps) {
    const auto& c = GetParam();
    auto bar = makeBar(c.items, 100);
    bar.Items().Item(c.items).setSpacingAfter(c.spacing);
    const int full = this->bar(0).HeightWithoutScroll;
    ASSERT_GT(full, 0);
    ASSERT_LE(full, kMaxContentHeight);
    show();

    steps.heights.clear();
    bar.setState(BarCollapsed);
    ASSERT_FALSE(steps.heights.empty());
    EXPECT_LE(steps.heights.size(), 100u);
    EXPECT_EQ(steps.heights.front(), std::min(full, c.reach) - 1);
    EXPECT_EQ(steps.heights.back(), 0);
    EXPECT_EQ(bar.State(), BarCollapsed);

    steps.heights.clear();
    steps.alphas.clear();
    bar.setState(BarExpanded);
    EXPECT_LE(steps.heights.size(), 100u);
    EXPECT_EQ(steps.heights.back(), std::min(full, c.reach));
    EXPECT_EQ(steps.alphas.back(), 255) << "the last step shows the panel opaque";
    const auto growth = steps.growth();
    for (std::size_t i = 0; i < std::min<std::size_t>(31, growth.size()); ++i)
        ASSERT_EQ(growth[i], int(i) + 1);
    EXPECT_EQ(this->bar(0).Height, full);
    EXPECT_EQ(bar.State(), BarExpanded);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, TallPanels,
    ::testing::Values(TallPanel{1, 2600, 2704}, TallPanel{1, 100000, 2704},
                      TallPanel{1, std::numeric_limits<std::int32_t>::max(), 2704},
                      TallPanel{30, std::numeric_limits<std::int32_t>::max(), 12088}),
    [](const auto& info) {
        return "Items" + std::to_string(info.param.items) + "_Spacing" +
               std::to_string(info.param.spacing);
    });

} // namespace
