// The keyboard: the focus mark walked with the arrows, Home, End and Tab,
// Enter and Space on release, tabbing into and out of the pane.

#include "input_support.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace zelvano::pane;

namespace {

using inputtest::PaneFixture;

struct Keyboard : PaneFixture {
    QLineEdit* before = new QLineEdit(&window);
    QLineEdit* after = new QLineEdit(&window);

    Keyboard() {
        fillMainWindow();
        // Focus chain: before, pane, after.
        QWidget::setTabOrder(before, pane);
        QWidget::setTabOrder(pane, after);
        before->move(240, 0);
        after->move(240, 40);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(pane, k, mods);
    }
};

TEST_F(Keyboard, DownWalksTitlesAndLinksThenClearsTheMark) {
    pane->Bars().Item(1).Items().Item(3).setItemType(ItemKindText);
    pane->Bars().Item(1).Items().Item(5).setCanClick(false);
    std::vector<PaneElement> expected{titleMark(0)};
    for (int i : {0, 1, 3, 5, 6, 7}) // text and unclickable items are skipped
        expected.push_back(itemMark(0, i));
    expected.push_back(titleMark(1));
    for (int i : {0, 1, 2, 3})
        expected.push_back(itemMark(1, i));
    for (const PaneElement& e : expected) {
        key(Qt::Key_Down);
        ASSERT_EQ(mark(), e);
    }
    EXPECT_TRUE(state().keyboardUsed);
    key(Qt::Key_Down);
    EXPECT_TRUE(mark().isNone()) << "Down on the last element clears the mark";
    key(Qt::Key_Up);
    EXPECT_EQ(mark(), itemMark(1, 3)) << "from no mark Up starts at the end";

    pane->Bars().Item(1).setState(BarCollapsed);
    key(Qt::Key_Home);
    key(Qt::Key_Down);
    EXPECT_EQ(mark(), titleMark(1)) << "a collapsed bar offers only its title";
}

struct EndCase {
    const char* name;
    bool canExpand;
    std::int32_t state;
    bool lastIsText;
    char expected; // T: last bar's title, L: its last item, P: the item before it
};

class EndKey : public Keyboard, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndKey, GoesToTheLastBarsTitleOrItsLastClickableItem) {
    const EndCase& c = GetParam();
    auto help = pane->Bars().Item(2);
    if (c.lastIsText)
        help.Items().Item(4).setItemType(ItemKindText);
    help.setState(c.state);
    help.setCanExpand(c.canExpand);
    key(Qt::Key_End);
    const PaneElement expected =
        c.expected == 'T' ? titleMark(1) : itemMark(1, c.expected == 'L' ? 3 : 2);
    EXPECT_EQ(mark(), expected);
    EXPECT_EQ(help.State(), c.expected == 'T' ? BarCollapsed : BarExpanded)
        << "an item's bar is expanded to show it";
}

INSTANTIATE_TEST_SUITE_P(
    Rule, EndKey,
    ::testing::Values(EndCase{"Collapsed", true, BarCollapsed, false, 'T'},
                      EndCase{"Expanded", true, BarExpanded, false, 'L'},
                      EndCase{"ExpandedLastIsText", true, BarExpanded, true, 'P'},
                      EndCase{"Fixed", false, BarExpanded, false, 'L'},
                      EndCase{"FixedCollapsed", false, BarCollapsed, false, 'L'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Keyboard, TabMovesBarToBarAndShiftTabFromAnItemToItsTitle) {
    show();
    pane->setFocus();
    key(Qt::Key_Tab);
    EXPECT_EQ(mark(), titleMark(0));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Tab);
    EXPECT_EQ(mark(), titleMark(1)) << "from an item to the next bar's title";
    key(Qt::Key_Down);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(mark(), titleMark(1)) << "from an item to its own title";
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(mark(), titleMark(0));
    EXPECT_TRUE(pane->hasFocus());
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus()) << "nothing left: focus goes on";
    EXPECT_TRUE(mark().isNone());
}

TEST_F(Keyboard, TabbingIntoThePaneLandsOnTheFirstOrLastElement) {
    show();
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(pane->hasFocus());
    EXPECT_EQ(mark(), titleMark(0));

    after->setFocus();
    QTest::keyClick(after, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(pane->hasFocus());
    EXPECT_EQ(mark(), itemMark(1, 3));
    EXPECT_TRUE(state().keyboardUsed);
}

TEST_F(Keyboard, HidingTheFocusedPaneMovesTheFocusOnAndKeepsTheMark) {
    show();
    pane->setFocus();
    key(Qt::Key_Down);
    pane->hide();
    EXPECT_FALSE(pane->hasFocus());
    EXPECT_EQ(mark(), titleMark(0));
}

TEST_F(Keyboard, EnterAndSpaceClickOnReleaseOfAKeyPressedHere) {
    QSignalSpy items(pane, &torkExplorerBarCtl::ItemClick);
    QSignalSpy bars(pane, &torkExplorerBarCtl::BarClick);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QTest::keyPress(pane, Qt::Key_Return);
    EXPECT_EQ(items.count(), 0) << "not on the press";
    QTest::keyRelease(pane, Qt::Key_Return);
    EXPECT_EQ(items.count(), 1);
    QTest::keyRelease(pane, Qt::Key_Space);
    EXPECT_EQ(items.count(), 1) << "a release alone clicks nothing";

    key(Qt::Key_Home);
    key(Qt::Key_Space);
    EXPECT_EQ(bars.count(), 1);
    EXPECT_EQ(bar(0).State, BarCollapsed);
}

TEST_F(Keyboard, WithoutBarsKeysAreIgnored) {
    pane->Bars().Clear();
    EXPECT_FALSE(state().keyboardUsed) << "Clear hides the focus rectangle";
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_Return}) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(pane, &press);
        EXPECT_FALSE(press.isAccepted()) << k;
    }
    EXPECT_FALSE(state().keyboardUsed);
}

} // namespace
