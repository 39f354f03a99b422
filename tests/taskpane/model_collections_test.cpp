// Bars and items through the public handles: IDs, keys, indices, lookups,
// moves, and the errors raised before anything changes.

#include "model_support.h"

#include "model/PaneIdCounter.h"
#include "torkExplorerBarCtl.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QStringList>

#include <functional>
#include <limits>
#include <memory>

using namespace zelvano::pane;

using modeltest::errorNumberOf;
using modeltest::errorOf;

namespace {

class PaneCollections : public ::testing::Test {
protected:
    void SetUp() override {
        setIdCounter(0);
        pane_ = std::make_unique<torkExplorerBarCtl>();
        pane_->resize(240, 400);
    }

    cExplorerBars bars() const { return pane_->Bars(); }

    QStringList barKeys() const {
        QStringList keys;
        for (int i = 1; i <= bars().Count(); ++i)
            keys << bars().Item(i).Key();
        return keys;
    }

    static QStringList itemKeys(const cExplorerBarItems& items) {
        QStringList keys;
        for (int i = 1; i <= items.Count(); ++i)
            keys << items.Item(i).Key();
        return keys;
    }

    std::unique_ptr<torkExplorerBarCtl> pane_;
};

TEST_F(PaneCollections, OneIdCounterForBarsAndItemsOfAllPanes) {
    const cExplorerBar first = bars().Add();
    const cExplorerBar second = bars().Add();
    const cExplorerBarItem item = first.Items().Add();
    EXPECT_EQ(first.Key(), "C:1");
    EXPECT_EQ(second.Key(), "C:2");
    EXPECT_EQ(item.Key(), "C:3");

    torkExplorerBarCtl other;
    EXPECT_EQ(other.Bars().Add().Key(), "C:4");
    EXPECT_EQ(bars().Add({}, {}, QStringLiteral("Справка")).Key(), "C:5");
}

TEST_F(PaneCollections, IdCounterWrapsToMinusMaxAndNeverIssuesZero) {
    setIdCounter(std::numeric_limits<std::int32_t>::max() - 1);
    EXPECT_EQ(bars().Add().Key(), "C:2147483647");
    EXPECT_EQ(bars().Add().Key(), "C:-2147483647");

    setIdCounter(-2);
    EXPECT_EQ(bars().Add().Key(), "C:-1");
    const cExplorerBar afterZero = bars().Add();
    EXPECT_EQ(afterZero.Key(), "C:1");
    // Negative IDs are as good as positive ones.
    EXPECT_TRUE(bars().Exists(QStringLiteral("c:-1")));
    setIdCounter(-10);
    cExplorerBarItems items = afterZero.Items();
    EXPECT_EQ(items.Add().Key(), "C:-9");
    EXPECT_TRUE(items.Exists(1));
    EXPECT_TRUE(items.Exists(QStringLiteral("C:-9")));
}

// Validation: each case prepares a pane with bars "Area" (item "len") and
// "Help" (item "about"), then makes one call. A failing call changes nothing.
struct AddCase {
    const char* name;
    std::function<void(cExplorerBars&)> act;
    int expectedError; // 0: succeeds
    std::function<void(cExplorerBars&)> prepare = {};
};

class AddValidation : public PaneCollections, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddValidation, RaisesBeforeChangingAnything) {
    cExplorerBars list = bars();
    list.Add({}, QStringLiteral("Area")).Items().Add({}, QStringLiteral("len"));
    list.Add({}, QStringLiteral("Help")).Items().Add({}, QStringLiteral("about"));
    if (GetParam().prepare)
        GetParam().prepare(list);

    const QStringList keysBefore = barKeys();
    const int itemsBefore = list.Item(1).Items().Count() + list.Item(2).Items().Count();
    const std::int32_t nextIdBefore = peekNextId();

    const auto error = errorOf([&] { GetParam().act(list); });
    EXPECT_EQ(errorNumberOf(error), GetParam().expectedError);
    if (GetParam().expectedError != 0) {
        EXPECT_EQ(barKeys(), keysBefore);
        EXPECT_EQ(list.Item(1).Items().Count() + list.Item(2).Items().Count(), itemsBefore);
        EXPECT_EQ(peekNextId(), nextIdBefore);
    }
}

const QVariant none;

INSTANTIATE_TEST_SUITE_P(
    Keys, AddValidation,
    ::testing::Values(
        AddCase{"BarKeyDiffersOnlyInCase", [](auto& b) { b.Add(none, QStringLiteral("AREA")); },
                457},
        AddCase{"ItemKeyOfAnotherBarsItem",
                [](auto& b) { b.Item(2).Items().Add(none, QStringLiteral("LEN")); }, 457},
        AddCase{"NumericBarKey", [](auto& b) { b.Add(none, 12); }, 13},
        AddCase{"NumericItemKey", [](auto& b) { b.Item(1).Items().Add(none, 12.0); }, 13},
        AddCase{"BooleanKey", [](auto& b) { b.Add(none, true); }, 13},
        AddCase{"DigitsAsTextKey", [](auto& b) { b.Add(none, QStringLiteral("12")); }, 0},
        AddCase{"CyrillicKeysFoldCase", [](auto& b) { b.Add(none, QStringLiteral("ОБЛАСТЬ")); },
                457, [](auto& b) { b.Add(none, QStringLiteral("Область")); }},
        AddCase{"DefaultKeyAlreadyTaken", [](auto& b) { b.Add(); }, 457,
                [](auto& b) { b.Add(none, QStringLiteral("c:%1").arg(peekNextId() + 1)); }}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Indices, AddValidation,
    ::testing::Values(
        AddCase{"BarIndexZero", [](auto& b) { b.Add(0); }, 9},
        AddCase{"BarIndexNegative", [](auto& b) { b.Add(-1); }, 9},
        AddCase{"BarIndexAboveCount", [](auto& b) { b.Add(3); }, 9},
        AddCase{"BarIndexAtCount", [](auto& b) { b.Add(2); }, 0},
        AddCase{"BarTextIndexIsExact", [](auto& b) { b.Add(QStringLiteral("area")); }, 9},
        AddCase{"BarTextIndexUnknown", [](auto& b) { b.Add(QStringLiteral("X")); }, 9},
        AddCase{"ItemTextIndexIsExact",
                [](auto& b) { b.Item(1).Items().Add(QStringLiteral("LEN")); }, 9},
        AddCase{"ItemTextIndexOfAnotherBar",
                [](auto& b) { b.Item(1).Items().Add(QStringLiteral("about")); }, 9},
        AddCase{"ItemIndexAboveCount", [](auto& b) { b.Item(1).Items().Add(2); }, 9},
        AddCase{"IndexCheckedBeforeKey", [](auto& b) { b.Add(7, 12); }, 9},
        AddCase{"HugeIndex", [](auto& b) { b.Add(1e300); }, 9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PaneCollections, AddInsertsBeforeThePositionOrTheExactKey) {
    bars().Add({}, QStringLiteral("A"));
    bars().Add({}, QStringLiteral("B"));
    bars().Add(1, QStringLiteral("First"));
    bars().Add(QStringLiteral("B"), QStringLiteral("BeforeB"));
    EXPECT_EQ(barKeys(), QStringList({"First", "A", "BeforeB", "B"}));

    cExplorerBarItems items = bars().Item(QStringLiteral("a")).Items();
    items.Add({}, QStringLiteral("x"));
    items.Add(QStringLiteral("x"), QStringLiteral("w"));
    items.Add(2.5, QStringLiteral("between")); // halves round to even: 2
    EXPECT_EQ(itemKeys(items), QStringList({"w", "between", "x"}));
}

TEST_F(PaneCollections, BarLookupsReturnNoneWhereItemLookupsRaise) {
    const cExplorerBar area = bars().Add({}, QStringLiteral("Area"));
    area.Items().Add({}, QStringLiteral("len"));
    bars().Add({}, QStringLiteral("Help")).Items().Add({}, QStringLiteral("about"));

    EXPECT_EQ(bars().Item(QStringLiteral("AREA")), area);
    EXPECT_EQ(bars().Item(1), area);
    EXPECT_TRUE(bars().Item(QStringLiteral("nope")).isNull());
    EXPECT_TRUE(bars().Item(3).isNull());
    EXPECT_TRUE(bars().Item(0).isNull());
    EXPECT_FALSE(bars().Exists(QStringLiteral("nope")));
    EXPECT_TRUE(bars().Exists(2));

    cExplorerBarItems items = area.Items();
    EXPECT_EQ(items.Item(QStringLiteral("LEN")).Key(), "len");
    EXPECT_EQ(errorNumberOf(errorOf([&] { items.Item(QStringLiteral("nope")); })), 5);
    EXPECT_EQ(errorNumberOf(errorOf([&] { items.Item(2); })), 9);
    // An item of another bar is not in this one.
    EXPECT_EQ(errorNumberOf(errorOf([&] { items.Item(QStringLiteral("about")); })), 5);
    EXPECT_FALSE(items.Exists(QStringLiteral("about")));
    EXPECT_FALSE(items.Exists(0));
    EXPECT_TRUE(items.Exists(1));

    // Removing what is missing (or elsewhere) is silently ignored.
    items.Remove(QStringLiteral("about"));
    bars().Remove(QStringLiteral("nope"));
    bars().Remove(9);
    EXPECT_EQ(bars().Count(), 2);
    EXPECT_EQ(bars().Item(2).Items().Count(), 1);
}

TEST_F(PaneCollections, IndexMovesBarsAndItemsOrRaisesNine) {
    for (const char* key : {"A", "B", "C"})
        bars().Add({}, QString::fromLatin1(key));
    bars().Item(QStringLiteral("C")).setIndex(1);
    EXPECT_EQ(barKeys(), QStringList({"C", "A", "B"}));
    bars().Item(QStringLiteral("C")).setIndex(3);
    EXPECT_EQ(barKeys(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(bars().Item(QStringLiteral("b")).Index(), 2);

    for (int bad : {0, -1, 4}) {
        const auto error = errorOf([&] { bars().Item(1).setIndex(bad); });
        ASSERT_TRUE(error) << bad;
        EXPECT_EQ(error->number(), 9);
        EXPECT_EQ(error->description(), "Subscript out of range.");
        EXPECT_EQ(error->source(), modeltest::kProgram + ".torkExplorerBarCtl");
    }
    EXPECT_EQ(barKeys(), QStringList({"A", "B", "C"}));

    cExplorerBarItems items = bars().Item(1).Items();
    for (const char* key : {"x", "y", "z"})
        items.Add({}, QString::fromLatin1(key));
    items.Item(QStringLiteral("x")).setIndex(3);
    EXPECT_EQ(itemKeys(items), QStringList({"y", "z", "x"}));
    const auto error = errorOf([&] { items.Item(1).setIndex(4); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 9);
    EXPECT_EQ(error->source(), modeltest::kProgram + ".cExplorerBarItems");
    EXPECT_EQ(itemKeys(items), QStringList({"y", "z", "x"}));
}

TEST_F(PaneCollections, RemovedKeysCanBeUsedAgain) {
    cExplorerBar area = bars().Add({}, QStringLiteral("Area"));
    area.Items().Add({}, QStringLiteral("len"));
    area.Items().Add({}, QStringLiteral("mass"));
    area.Items().Remove(QStringLiteral("LEN"));
    EXPECT_EQ(itemKeys(area.Items()), QStringList({"mass"}));
    area.Items().Clear();
    EXPECT_EQ(area.Items().Count(), 0);
    bars().Add({}, QStringLiteral("Help")).Items().Add({}, QStringLiteral("mass"));

    bars().Remove(QStringLiteral("area"));
    EXPECT_EQ(barKeys(), QStringList({"Help"}));
    bars().Add({}, QStringLiteral("Area")).Items().Add({}, QStringLiteral("len"));
    bars().Clear();
    EXPECT_EQ(bars().Count(), 0);
    bars().Add({}, QStringLiteral("Help")).Items().Add({}, QStringLiteral("mass"));
}

TEST_F(PaneCollections, StateAnimatesOnlyToADifferentValue) {
    cExplorerBar bar = bars().Add();
    bar.Items().Add({}, {}, QStringLiteral("Длина"));
    EXPECT_EQ(bar.State(), BarExpanded);
    bar.setState(BarExpanded);
    EXPECT_EQ(bar.State(), BarExpanded);
    bar.setState(BarCollapsed);
    EXPECT_EQ(bar.State(), BarCollapsed);
    EXPECT_FALSE(paneStateOf(*pane_).bars.front()->isAnimating());
    bar.setState(5); // any non-zero value expands
    EXPECT_EQ(bar.State(), BarExpanded);

    // An item's EnsureVisible expands its collapsed bar first.
    bar.setState(BarCollapsed);
    bar.Items().Item(1).EnsureVisible();
    EXPECT_EQ(bar.State(), BarExpanded);
}

TEST_F(PaneCollections, NothingIsLaidOutWhileRedrawIsOff) {
    pane_->setRedraw(false);
    bars().Add({}, {}, QStringLiteral("Область"));
    bars().Add({}, {}, QStringLiteral("Справка"));
    const auto& records = paneStateOf(*pane_).bars;
    EXPECT_EQ(records[0]->Top, 0);
    EXPECT_EQ(records[1]->Top, 0);
    pane_->setRedraw(true);
    EXPECT_GT(records[0]->Top, 0);
    EXPECT_GT(records[1]->Top, records[0]->Top);
}

TEST_F(PaneCollections, ChangesShowAtTheNextPaintUnlessRedrawIsOff) {
    const QImage empty = pane_->grab().toImage();
    cExplorerBar bar = bars().Add({}, {}, QStringLiteral("Область"));
    const QImage oneBar = pane_->grab().toImage();
    EXPECT_NE(oneBar, empty);

    pane_->setRedraw(false);
    bar.setIsSpecial(true);
    bars().Add({}, {}, QStringLiteral("Справка"));
    EXPECT_EQ(pane_->grab().toImage(), oneBar) << "the last picture stays";
    pane_->setRedraw(true);
    EXPECT_NE(pane_->grab().toImage(), oneBar);
}

TEST_F(PaneCollections, ErrorsCarryThePanesDescriptions) {
    bars().Add({}, QStringLiteral("Area"));
    const struct {
        std::function<void()> act;
        int number;
        const char* description;
    } cases[] = {
        {[&] { bars().Add(5); }, 9, "Subscript out of range."},
        {[&] { bars().Add({}, 12); }, 13, "Type Mismatch."},
        {[&] { bars().Add({}, QStringLiteral("area")); }, 457,
         "This key is already associated with an element of this collection."},
    };
    for (const auto& c : cases) {
        const auto error = errorOf(c.act);
        ASSERT_TRUE(error) << c.number;
        EXPECT_EQ(error->number(), c.number);
        EXPECT_EQ(error->description(), c.description);
        EXPECT_EQ(error->source(), modeltest::kProgram + ".torkExplorerBarCtl");
    }
}

} // namespace
