// The mouse: clicks need press and release on one element, right presses
// report at once, BarClick comes after the animation, hot-tracking with the
// hand cursor, tooltips, Highlight and the hover timer.

#include "input/PaneInput.h"
#include "input_support.h"
#include "system/MTimer.h"

#include <QSignalSpy>
#include <QToolTip>

using namespace zelvano::pane;

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
    // A left press or release built here: QTest remembers buttons that
    // other tests left held and would report them as still down.
    void send(QEvent::Type type, QPoint where, Qt::MouseButtons held) {
        QMouseEvent event(type, where, pane->mapToGlobal(where), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(pane, &event);
    }
    void click(QPoint where) {
        send(QEvent::MouseButtonPress, where, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, where, Qt::NoButton);
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
                      PressRelease{'A', 'T', 0, 0}, PressRelease{'E', 'A', 0, 0}),
    [](const auto& info) {
        return std::string{info.param.press} + "To" + std::string{info.param.release};
    });

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
    torkExplorerBarCtlPrivate::find(pane)->input()->setCursorSource([&] { return pointer; });
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

// What nothing may keep once the pointer is elsewhere.
::testing::AssertionResult nothingHot(const PaneState& s) {
    for (const auto& b : s.bars) {
        if (b->MouseOver || b->MouseDown)
            return ::testing::AssertionFailure() << "title " << b->Title.toStdString();
        for (const auto& it : b->items)
            if (it->MouseOver || it->MouseDown)
                return ::testing::AssertionFailure() << "item " << it->Text.toStdString();
    }
    return ::testing::AssertionSuccess();
}

class TipGoes : public Mouse, public ::testing::WithParamInterface<char> {};

TEST_P(TipGoes, WhenThePointerMovesToAnElementWithoutOneOrToEmptySpace) {
    show();
    const QPoint tipped = itemCentre(1, 1);
    moveTo(tipped);
    QHelpEvent help(QEvent::ToolTip, tipped, pane->mapToGlobal(tipped));
    QApplication::sendEvent(pane, &help);
    ASSERT_TRUE(QToolTip::isVisible());
    ASSERT_EQ(QToolTip::text(), QStringLiteral("Домашняя страница"));
    moveTo(at(GetParam()));
    // Qt takes a tip down with a short fade, never after its full timeout.
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000));
}

INSTANTIATE_TEST_SUITE_P(Targets, TipGoes, ::testing::Values('A', 'T', 'E'),
                         [](const auto& info) { return std::string{info.param}; });

struct AwayCase {
    const char* name;
    char press;
    bool releaseOutside; // else released on the element, then the pointer leaves
};

class NothingStaysHot : public Mouse, public ::testing::WithParamInterface<AwayCase> {};

TEST_P(NothingStaysHot, OnceThePointerIsOutsideThePane) {
    show();
    const int timers = MTimer::liveTimers();
    const QPoint outside(-20, 30);
    send(QEvent::MouseButtonPress, at(GetParam().press), Qt::LeftButton);
    if (GetParam().releaseOutside) {
        send(QEvent::MouseButtonRelease, outside, Qt::NoButton);
    } else {
        send(QEvent::MouseButtonRelease, at(GetParam().press), Qt::NoButton);
        // One jump out of the window: no move inside the pane, only Leave.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(pane, &leave);
    }
    EXPECT_TRUE(nothingHot(state()));
    EXPECT_EQ(MTimer::liveTimers(), timers) << "no hover timer left running";
    EXPECT_NE(pane->cursor().shape(), Qt::BitmapCursor);
}

INSTANTIATE_TEST_SUITE_P(Ways, NothingStaysHot,
                         ::testing::Values(AwayCase{"ItemClickedThenLeft", 'A', false},
                                           AwayCase{"TitleClickedThenLeft", 'T', false},
                                           AwayCase{"TitlePressedReleasedOutside", 'T', true},
                                           AwayCase{"ItemPressedReleasedOutside", 'A', true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Mouse, AfterAClickTheElementUnderThePointerIsHotAgain) {
    // The title collapses its bar under a pointer that stays put.
    click(at('T'));
    EXPECT_TRUE(bar(1).MouseOver) << "the title is still under the pointer";
    EXPECT_FALSE(bar(1).MouseDown);
    click(itemCentre(0, 7));
    EXPECT_TRUE(item(0, 7).MouseOver);
}

TEST_F(Mouse, AfterAWheelScrollTheElementUnderThePointerIsHot) {
    auto bars = pane->Bars();
    for (int b = 0; b < 6; ++b) {
        auto extra = bars.Add({}, {}, QStringLiteral("Группа %1").arg(b + 1));
        for (int i = 0; i < 5; ++i)
            extra.Items().Add({}, {}, QStringLiteral("Пункт %1.%2").arg(b + 1).arg(i + 1));
    }
    ASSERT_TRUE(state().scrollBarVisible);
    const QPoint pointer = itemCentre(0, 3);
    moveTo(pointer);
    ASSERT_TRUE(item(0, 3).MouseOver);
    QSignalSpy highlight(pane, &torkExplorerBarCtl::Highlight);
    QWheelEvent wheel(pointer, pane->mapToGlobal(pointer), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pane, &wheel);
    ASSERT_GT(state().scrollValue, 0);
    EXPECT_FALSE(item(0, 3).MouseOver) << "moved away with the content";
    // The item now under the pointer, found from the laid-out records.
    const pcExplorerBarItem* under = nullptr;
    for (const auto& it : bar(0).items) {
        const int top = bar(0).Top - state().scrollValue + titleHeight(bar(0)) + it->Top;
        const int h = state().scrollBarVisible ? it->HeightWithScroll : it->HeightWithoutScroll;
        if (pointer.y() >= top && pointer.y() < top + h)
            under = it.get();
    }
    ASSERT_NE(under, nullptr);
    EXPECT_TRUE(under->MouseOver);
    EXPECT_EQ(highlight.count(), 1) << "the element under the pointer changed";
}

TEST(HandCursor, HotSpotScalesWithThePicture) {
    const QCursor one = PaneInput::handCursor(1);
    const QCursor two = PaneInput::handCursor(2);
    ASSERT_EQ(one.shape(), Qt::BitmapCursor);
    EXPECT_EQ(two.pixmap().size(), one.pixmap().size() * 2);
    EXPECT_EQ(two.hotSpot(), one.hotSpot() * 2);
    EXPECT_EQ(one.hotSpot(), QPoint(7, 0));
}

} // namespace
