// Navigation: the pane filled at load, clicks routed by exact key, the
// category bar's title and the nine panels' visibility.

#include "NavigationSupport.h"

#include "Navigation.h"

#include <algorithm>
#include <set>
#include <span>

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

struct ClickCase {
    const char16_t* key;
    const char* panel;     // shown alone afterwards
    const char16_t* title; // of the category bar afterwards
};

class ItemClickTest : public NavigationTest, public ::testing::WithParamInterface<ClickCase> {};

// Every item, clicked while the weight panel shows: panel items take over the
// window, help items leave it as it was.
TEST_P(ItemClickTest, ShowsItsPanelAloneOrLeavesThePanel) {
    click(QStringLiteral("CN:02"));
    ASSERT_EQ(visiblePanels(), QStringLiteral("picWeight"));
    click(QString::fromUtf16(GetParam().key));
    EXPECT_EQ(visiblePanels(), QLatin1String(GetParam().panel));
    EXPECT_EQ(categoryTitle(), QString::fromUtf16(GetParam().title));
    // A second click on the same item changes nothing visible.
    click(QString::fromUtf16(GetParam().key));
    EXPECT_EQ(visiblePanels(), QLatin1String(GetParam().panel));
    EXPECT_EQ(categoryTitle(), QString::fromUtf16(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(
    AllItems, ItemClickTest,
    ::testing::Values(ClickCase{u"CN:01", "picLength", u"Область: Длина"},
                      ClickCase{u"CN:02", "picWeight", u"Область: Вес"},
                      ClickCase{u"CN:03", "picVolume", u"Область: Объём"},
                      ClickCase{u"CN:04", "picArea", u"Область: Площадь"},
                      ClickCase{u"CN:07", "picRadioActivity", u"Область: Радиоактивность"},
                      ClickCase{u"CN:08", "picTemperature", u"Область: Температура"},
                      ClickCase{u"CN:09", "picSpeed", u"Область: Скорость"},
                      ClickCase{u"CN:10", "picInformation", u"Область: Информация"},
                      ClickCase{u"HELP:1", "picWeight", u"Область: Вес"},
                      ClickCase{u"HELP:2", "picWeight", u"Область: Вес"},
                      ClickCase{u"HELP:3", "picWeight", u"Область: Вес"},
                      ClickCase{u"HELP:4", "picAbout", u"Область:"}),
    [](const auto& info) {
        QString name = QString::fromUtf16(info.param.key);
        name.remove(u':');
        return name.toStdString();
    });

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
