// The mouse: clicks need press and release on one element, right presses
// report at once, BarClick comes after the animation, hot-tracking with the
// hand cursor, tooltips, Highlight and the hover timer.

#include "MTimer.h"
#include "PaneInput.h"
#include "input_support.h"

#include <QSignalSpy>

namespace {

using inputtest::PaneFixture;

struct Mouse : PaneFixture {
    Mouse() {
        fillMainWindow();
        pane->Bars().Item(2).Items().Item(2).setToolTipText(QStringLiteral("Домашняя страница"));
    }
    QPoint at(char target) const {
        switch (target) {
        case 'T':
            return titleCentre(1); // "Справка"
        case 'A':
            return itemCentre(0, 1); // "Вес"
        case 'B':
            return itemCentre(0, 2); // "Объём"
        default:
            return emptySpace();
        }
    }
};

struct PressRelease {
    char press, release; // T title, A and B items, E empty space
    int barClicks, itemClicks;
};

class Clicks : public Mouse, public ::testing::WithParamInterface<PressRelease> {};

TEST_P(Clicks, NeedPressAndReleaseOnTheSameElement) {
    QSignalSpy bars(pane, &torkExplorerBarCtl::BarClick);
    QSignalSpy items(pane, &torkExplorerBarCtl::ItemClick);
    QTest::mousePress(pane, Qt::LeftButton, {}, at(GetParam().press));
    QTest::mouseRelease(pane, Qt::LeftButton, {}, at(GetParam().release));
    EXPECT_EQ(bars.count(), GetParam().barClicks);
    EXPECT_EQ(items.count(), GetParam().itemClicks);
    if (items.count() == 1) {
        EXPECT_EQ(items[0][0].value<cExplorerBarItem>().Text(), QStringLiteral("&Вес"));
        EXPECT_EQ(state().focusItemID, item(0, 1).ID) << "the focus mark follows the click";
    }
    for (const auto& b : state().bars)
        EXPECT_FALSE(b->MouseDown) << "released";
}

INSTANTIATE_TEST_SUITE_P(
    Targets, Clicks,
    ::testing::Values(PressRelease{'A', 'A', 0, 1}, PressRelease{'A', 'B', 0, 0},
                      PressRelease{'T', 'T', 1, 0}, PressRelease{'T', 'A', 0, 0},
                      PressRelease{'A', 'T', 0, 0}, PressRelease{'E', 'A', 0, 0}));

TEST_F(Mouse, BarClickArrivesAfterTheAnimationWithTheNewState) {
    std::vector<std::int32_t> seen;
    QObject::connect(pane, &torkExplorerBarCtl::BarClick, [&](cExplorerBar bar) {
        seen.push_back(bar.State());
        EXPECT_FALSE(this->bar(1).isAnimating());
    });
    QTest::mouseClick(pane, Qt::LeftButton, {}, at('T'));
    QTest::mouseClick(pane, Qt::LeftButton, {}, at('T'));
    EXPECT_EQ(seen, (std::vector<std::int32_t>{BarCollapsed, BarExpanded}));
    EXPECT_EQ(state().focusBarID, bar(1).ID);

    pane->Bars().Item(2).setCanExpand(false);
    QTest::mouseClick(pane, Qt::LeftButton, {}, at('T'));
    EXPECT_EQ(seen.size(), 3u) << "a fixed bar reports its click...";
    EXPECT_EQ(seen.back(), BarExpanded) << "...and keeps its state";
}

TEST_F(Mouse, RightPressReportsAtOnceAndDoesNotToggle) {
    QSignalSpy barRight(pane, &torkExplorerBarCtl::BarRightClick);
    QSignalSpy itemRight(pane, &torkExplorerBarCtl::ItemRightClick);
    QSignalSpy bars(pane, &torkExplorerBarCtl::BarClick);
    QTest::mousePress(pane, Qt::RightButton, {}, at('T'));
    EXPECT_EQ(barRight.count(), 1) << "before any release";
    QTest::mouseRelease(pane, Qt::RightButton, {}, at('T'));
    QTest::mousePress(pane, Qt::RightButton, {}, at('A'));
    EXPECT_EQ(itemRight.count(), 1);
    EXPECT_EQ(itemRight[0][0].value<cExplorerBarItem>().Text(), QStringLiteral("&Вес"));
    QTest::mouseRelease(pane, Qt::RightButton, {}, at('A'));
    EXPECT_EQ(bars.count(), 0);
    EXPECT_EQ(bar(1).State, BarExpanded);
}

TEST_F(Mouse, HotTrackingShowsHandTipAndHighlight) {
    QSignalSpy highlight(pane, &torkExplorerBarCtl::Highlight);
    moveTo(itemCentre(1, 1));
    EXPECT_TRUE(item(1, 1).MouseOver);
    EXPECT_EQ(pane->cursor().shape(), Qt::BitmapCursor) << "the program's hand";
    EXPECT_EQ(pane->toolTip(), QStringLiteral("Домашняя страница"));
    ASSERT_EQ(highlight.count(), 1);
    EXPECT_EQ(highlight[0][0].value<cExplorerBar>().Key(), QStringLiteral("HELP"));
    EXPECT_EQ(highlight[0][1].value<cExplorerBarItem>().Text(), item(1, 1).Text);
    moveTo(itemCentre(1, 1) + QPoint(5, 0));
    EXPECT_EQ(highlight.count(), 1) << "same element: nothing new";

    pane->Bars().Item(1).setCanExpand(false);
    moveTo(titleCentre(0));
    EXPECT_FALSE(item(1, 1).MouseOver);
    EXPECT_TRUE(bar(0).MouseOver);
    EXPECT_EQ(pane->cursor().shape(), Qt::ArrowCursor) << "a fixed title is no link";
    EXPECT_EQ(pane->toolTip(), QString());
    ASSERT_EQ(highlight.count(), 2);
    EXPECT_TRUE(highlight[1][1].value<cExplorerBarItem>().isNull());

    moveTo(emptySpace());
    moveTo(emptySpace() - QPoint(10, 0));
    EXPECT_FALSE(bar(0).MouseOver);
    ASSERT_EQ(highlight.count(), 3) << "none, once";
    EXPECT_TRUE(highlight[2][0].value<cExplorerBar>().isNull());
    EXPECT_TRUE(highlight[2][1].value<cExplorerBarItem>().isNull());
}

TEST_F(Mouse, TheHoverTimerNoticesThePointerLeavingWithoutHighlight) {
    QPoint pointer = pane->mapToGlobal(itemCentre(0, 0));
    pane->setCursorSource([&] { return pointer; });
    const int timers = MTimer::liveTimers();
    QSignalSpy highlight(pane, &torkExplorerBarCtl::Highlight);
    moveTo(itemCentre(0, 0));
    EXPECT_EQ(MTimer::liveTimers(), timers + 1) << "running while over an element";
    QTest::qWait(3 * PaneInput::kHoverInterval);
    EXPECT_TRUE(item(0, 0).MouseOver) << "still inside";

    pointer = pane->mapToGlobal(QPoint(-5, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !item(0, 0).MouseOver; }, 2000));
    EXPECT_EQ(MTimer::liveTimers(), timers) << "stopped";
    EXPECT_EQ(highlight.count(), 1) << "leaving raises nothing";

    moveTo(emptySpace());
    EXPECT_EQ(highlight.count(), 2);
}

} // namespace
