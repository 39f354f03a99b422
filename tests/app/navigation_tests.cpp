// Navigation: the pane filled at load, clicks routed by exact key, the
// category bar's title and the nine panels' visibility.

#include "NavigationSupport.h"

#include "Navigation.h"

#include <QAccessible>

#include <algorithm>
#include <optional>
#include <set>
#include <span>
#include <utility>
#include <variant>
#include <vector>

namespace zelvano::app::test {
namespace {

// The pane holds the navigation table's bars and items, in the table's
// order, and the window starts on the length panel.
TEST_F(NavigationTest, LoadFillsThePaneFromTheTableAndShowsTheLengthPanel) {
    const std::span<const NavigationBar> wantedBars = navigationBars();
    const std::span<const NavigationItem> wantedItems = navigationItems();
    cExplorerBars bars = pane().Bars();
    ASSERT_EQ(bars.Count(), static_cast<int>(wantedBars.size()));
    std::size_t next = 0;
    for (int b = 1; b <= bars.Count(); ++b) {
        cExplorerBar bar = bars.Item(b);
        EXPECT_EQ(bar.Key(), wantedBars[b - 1].key.toString());
        EXPECT_EQ(bar.IsSpecial(), wantedBars[b - 1].special);
        cExplorerBarItems items = bar.Items();
        for (int i = 1; i <= items.Count(); ++i, ++next) {
            ASSERT_LT(next, wantedItems.size());
            const NavigationItem& want = wantedItems[next];
            cExplorerBarItem itm = items.Item(i);
            EXPECT_EQ(want.bar, b);
            EXPECT_EQ(itm.Key(), want.key.toString());
            EXPECT_EQ(itm.Text(), want.text.toString());
            EXPECT_EQ(itm.ItemType(), ItemKindLink);
            EXPECT_EQ(itm.IconIndex(), -1);
        }
    }
    EXPECT_EQ(next, wantedItems.size());
    EXPECT_EQ(bars.Item(2).Title(), wantedBars[1].title.toString());
    EXPECT_EQ(categoryTitle(), QStringLiteral("Область: Длина"));
    EXPECT_EQ(visiblePanels(), QStringLiteral("picLength"));
    EXPECT_TRUE(pane().Redraw());
    // As stored with the window: black ends of the emulated look's gradient.
    EXPECT_EQ(pane().BackColorStart(), 0);
    EXPECT_EQ(pane().BackColorEnd(), 0);
}

// The category bar has one item per category, keys rising down the screen;
// an item carries the engine's name of the category whose panel it shows and
// titles the bar after it.
TEST_F(NavigationTest, CategoryItemsShowTheirCategoryUnderItsName) {
    cExplorerBarItems items = pane().Bars().Item(1).Items();
    ASSERT_EQ(items.Count(), static_cast<int>(convert::kCategoryCount));
    std::set<Category> shown;
    QString previousKey;
    for (int i = 1; i <= items.Count(); ++i) {
        cExplorerBarItem itm = items.Item(i);
        SCOPED_TRACE(itm.Key().toStdString());
        EXPECT_TRUE(itm.Key().startsWith(u"CN:"));
        EXPECT_GT(itm.Key(), previousKey);
        previousKey = itm.Key();

        click(itm.Key());
        const auto category = std::find_if(kAllCategories.begin(), kAllCategories.end(),
                                           [this](Category c) { return panel(c).isVisible(); });
        ASSERT_NE(category, kAllCategories.end());
        EXPECT_TRUE(shown.insert(*category).second);
        EXPECT_EQ(visiblePanels(), QStringLiteral("pic") + stemOf(*category));
        const std::string_view name = convert::categoryTable(*category).name;
        EXPECT_EQ(itm.Text(), QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        EXPECT_EQ(categoryTitle(), QStringLiteral("Область: ") + itm.Text());
    }
}

// The category bar's title at creation, before any category is named in it.
constexpr QStringView kCategoryBarTitle = u"Область";

std::optional<Category> categoryOn(PanelId panel) {
    const auto found = std::find_if(kAllCategories.begin(), kAllCategories.end(),
                                    [panel](Category c) { return panelOf(c) == panel; });
    return found != kAllCategories.end() ? std::optional(*found) : std::nullopt;
}

QString engineName(Category category) {
    const std::string_view name = convert::categoryTable(category).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// Clicks every entry of the real navigation table and checks the outcome
// against what does not come from that table: a category's panel is "pic"
// and the engine's stem, its title the engine's name of the category; the
// about panel is titled with the bare bar title; help items reach the shell.
class ItemClickTest : public NavigationTest, public ::testing::WithParamInterface<std::size_t> {
protected:
    const NavigationItem& entry() const { return navigationItems()[GetParam()]; }

    // A category item that shows another panel than `entry`, and not the
    // start panel, so that a click which changes nothing is seen to.
    const NavigationItem& otherCategoryItem() const {
        const std::span<const NavigationItem> items = navigationItems();
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            const PanelId* panel = std::get_if<PanelId>(&it->action);
            if (panel && categoryOn(*panel) && it->key != entry().key)
                return *it;
        }
        ADD_FAILURE() << "the table has no other category item";
        return entry();
    }
};

TEST_P(ItemClickTest, ShowsExactlyItsPanelUnderItsTitleOrLeavesThePanel) {
    const NavigationItem& item = entry();
    const QString key = item.key.toString();
    SCOPED_TRACE(key.toStdString());
    click(otherCategoryItem().key.toString());
    const QString panelBefore = visiblePanels();
    const QString titleBefore = categoryTitle();
    ASSERT_EQ(panelBefore.count(u','), 0) << panelBefore.toStdString();
    services.clear();

    QString panel = panelBefore;
    QString title = titleBefore;
    if (const PanelId* target = std::get_if<PanelId>(&item.action)) {
        if (const std::optional<Category> category = categoryOn(*target)) {
            panel = QStringLiteral("pic") + stemOf(*category);
            title = kCategoryBarTitle.toString() + QStringLiteral(": ") + engineName(*category);
        } else {
            EXPECT_EQ(*target, PanelId::About);
            panel = QStringLiteral("picAbout");
            title = kCategoryBarTitle.toString() + u':';
        }
    }
    // A second click on the same item changes nothing visible.
    for (std::size_t clicks = 1; clicks <= 2; ++clicks) {
        click(key);
        EXPECT_EQ(visiblePanels(), panel);
        EXPECT_EQ(categoryTitle(), title);
        EXPECT_TRUE(services.messages().empty());
        // Which target each help item hands over is checked with the about panel.
        const bool help = std::holds_alternative<HelpAction>(item.action);
        EXPECT_EQ(services.shellRequests().size(), help ? clicks : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(NavigationTable, ItemClickTest,
                         ::testing::Range(std::size_t{0}, navigationItems().size()),
                         [](const auto& info) {
                             QString name = navigationItems()[info.param].key.toString();
                             name.remove(u':');
                             return name.toStdString();
                         });

// Down the screen the pane shows each bar's title and then its items, bars
// and items in the order of the navigation table, all of them visible.
TEST_F(NavigationTest, ScreenRowsFollowTheTable) {
    QStringList expected;
    cExplorerBars bars = pane().Bars();
    for (int bar = 1; bar <= static_cast<int>(navigationBars().size()); ++bar) {
        expected << bars.Item(bar).Title();
        for (const NavigationItem& item : navigationItems())
            if (item.bar == bar)
                expected << item.text.toString();
    }

    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&pane());
    ASSERT_NE(root, nullptr);
    std::vector<std::pair<int, QString>> rows; // top on the screen, name
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* row = root->child(i);
        if (row->role() != QAccessible::Button && row->role() != QAccessible::Link)
            continue;
        const QString name = row->text(QAccessible::Name);
        EXPECT_FALSE(row->rect().isEmpty()) << name.toStdString() << " is not on the screen";
        rows.emplace_back(row->rect().top(), name);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList shown;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        shown << rows[i].second;
        if (i > 0) {
            EXPECT_GT(rows[i].first, rows[i - 1].first) << "two rows share a line";
        }
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(NavigationTest, ACategoryAfterTheAboutPanelHidesItAgain) {
    click(QStringLiteral("HELP:4"));
    ASSERT_EQ(visiblePanels(), QStringLiteral("picAbout"));
    click(QStringLiteral("CN:08"));
    EXPECT_EQ(visiblePanels(), QStringLiteral("picTemperature"));
    EXPECT_EQ(categoryTitle(), QStringLiteral("Область: Температура"));
}

// Only the visibility changes: what the user typed, chose and got stays.
TEST_F(NavigationTest, SwitchingKeepsThePanelsContent) {
    convert(Category::Length, QStringLiteral("2"), 1, 2);
    const QString result = this->result(Category::Length);
    ASSERT_FALSE(result.isEmpty());
    click(QStringLiteral("CN:02"));
    click(QStringLiteral("HELP:4"));
    click(QStringLiteral("CN:01"));
    EXPECT_EQ(panel(Category::Length).quantityBox()->text(), QStringLiteral("2"));
    EXPECT_EQ(panel(Category::Length).selectedUnit(UnitList::From), 1);
    EXPECT_EQ(panel(Category::Length).selectedUnit(UnitList::To), 2);
    EXPECT_EQ(this->result(Category::Length), result);
}

// Keys that are not in the table, a right click and a handle whose item is
// gone change nothing and call nothing.
TEST_F(NavigationTest, WhatIsNotAKnownItemChangesNothing) {
    click(QStringLiteral("CN:09"));
    cExplorerBarItems extra = pane().Bars().Add({}, QStringLiteral("EXTRA"), {}).Items();
    for (const char* key : {"CN:05", "CN:1", "HELP:5", "HELP:4 ", "CONVERT"})
        extra.Add({}, QString::fromLatin1(key), QStringLiteral("x"));
    cExplorerBarItem gone = extra.Add({}, QStringLiteral("GONE"), QStringLiteral("x"));
    extra.Remove(QStringLiteral("GONE"));
    services.clear();

    for (const char* key : {"CN:05", "CN:1", "HELP:5", "HELP:4 ", "CONVERT"})
        click(QString::fromLatin1(key));
    emit pane().ItemClick(gone);
    emit pane().ItemClick(cExplorerBarItem());
    emit pane().ItemRightClick(item(QStringLiteral("CN:02")));
    emit pane().ItemRightClick(item(QStringLiteral("HELP:1")));

    EXPECT_EQ(visiblePanels(), QStringLiteral("picSpeed"));
    EXPECT_EQ(categoryTitle(), QStringLiteral("Область: Скорость"));
    EXPECT_TRUE(services.shellRequests().empty());
    EXPECT_TRUE(services.messages().empty());
}

TEST(NavigationTable, KeysMatchExactly) {
    ASSERT_NE(findNavigationItem(u"CN:10"), nullptr);
    EXPECT_EQ(findNavigationItem(u"CN:10")->text, QStringView(u"Информация"));
    for (const char16_t* key : {u"cn:01", u"Help:1", u"CN:05", u"", u"CN:010", u" CN:01"})
        EXPECT_EQ(findNavigationItem(QStringView(key)), nullptr)
            << QString::fromUtf16(key).toStdString();
}

} // namespace
} // namespace zelvano::app::test
