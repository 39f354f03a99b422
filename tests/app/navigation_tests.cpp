// Navigation: the pane filled at load, clicks routed by exact key, the
// category bar's title and the nine panels' visibility.

#include "NavigationSupport.h"

#include "Navigation.h"

namespace zelvano::test {
namespace {

struct BarContent {
    const char16_t* key;
    const char16_t* title;
    bool special;
    std::vector<std::pair<const char16_t*, const char16_t*>> items; // key, text
};

TEST_F(NavigationTest, LoadFillsThePaneAndShowsTheLengthPanel) {
    const BarContent expected[] = {
        {u"CONVERT",
         u"Область: Длина",
         true,
         {{u"CN:01", u"Длина"},
          {u"CN:02", u"Вес"},
          {u"CN:03", u"Объём"},
          {u"CN:04", u"Площадь"},
          {u"CN:07", u"Радиоактивность"},
          {u"CN:08", u"Температура"},
          {u"CN:09", u"Скорость"},
          {u"CN:10", u"Информация"}}},
        {u"HELP",
         u"Справка",
         false,
         {{u"HELP:1", u"Лицензионное соглашение"},
          {u"HELP:2", u"Посетить домашнюю страничку"},
          {u"HELP:3", u"Написать письмо автору"},
          {u"HELP:4", u"Информация о программе"}}},
    };
    cExplorerBars bars = pane().Bars();
    ASSERT_EQ(bars.Count(), 2);
    for (int b = 0; b < 2; ++b) {
        const BarContent& want = expected[b];
        cExplorerBar bar = bars.Item(b + 1);
        EXPECT_EQ(bar.Key(), QString::fromUtf16(want.key));
        EXPECT_EQ(bar.Title(), QString::fromUtf16(want.title));
        EXPECT_EQ(bar.IsSpecial(), want.special);
        cExplorerBarItems items = bar.Items();
        ASSERT_EQ(items.Count(), static_cast<int>(want.items.size()));
        for (int i = 0; i < items.Count(); ++i) {
            cExplorerBarItem itm = items.Item(i + 1);
            EXPECT_EQ(itm.Key(), QString::fromUtf16(want.items[i].first));
            EXPECT_EQ(itm.Text(), QString::fromUtf16(want.items[i].second));
            EXPECT_EQ(itm.ItemType(), ItemKindLink);
            EXPECT_EQ(itm.IconIndex(), -1);
        }
    }
    EXPECT_EQ(visiblePanels(), QStringLiteral("picLength"));
    EXPECT_TRUE(pane().Redraw());
    // As stored with the window: black ends of the emulated look's gradient.
    EXPECT_EQ(pane().BackColorStart(), 0);
    EXPECT_EQ(pane().BackColorEnd(), 0);
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
} // namespace zelvano::test
