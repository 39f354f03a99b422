// Measuring and layout: title and panel heights, Tops, the empty-title gap,
// and the switch to the with-scroll measurements when the content overflows.

#include "paint/PaneMetrics.h"
#include "paint_harness.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace zelvano::pane;

using namespace paintfix;

namespace {

int boldLineHeight(const QWidget& w) {
    QFont f = w.font();
    f.setBold(true);
    return QFontMetrics(f).height();
}

class TitleHeight : public testing::TestWithParam<int> {};

TEST_P(TitleHeight, IsTextHeightPlus11ButAtLeast24) {
    Harness h(QSize(233, 401), GetParam());
    h.state.UseExplorerStyle = false; // emulated: measured from the text
    auto& bar = addBar(h.state, QStringLiteral("Заголовок"));
    h.refresh();
    const int text = boldLineHeight(h.widget);
    EXPECT_EQ(bar.TitleHeightWithoutScroll, std::max(24, text + 11));
    EXPECT_EQ(bar.TitleHeightWithScroll, bar.TitleHeightWithoutScroll);
    EXPECT_EQ(bar.TitleTextHeightWithoutScroll, text);
    EXPECT_TRUE(bar.SingleLineTitleWithoutScroll);
}

INSTANTIATE_TEST_SUITE_P(FontSizes, TitleHeight, testing::Values(6, 11, 20, 30),
                         [](const auto& info) { return "Points" + std::to_string(info.param); });

TEST(Layout, StacksBarsWithGapsAndPanelMargins) {
    Harness h;
    h.state.UseExplorerStyle = false;
    auto& first = addBar(h.state, QStringLiteral("Один"));
    auto& a = addItem(h.state, first, QStringLiteral("а"));
    auto& b = addItem(h.state, first, QStringLiteral("б"));
    a.SpacingAfter = 5;
    auto& second = addBar(h.state, QStringLiteral("Два"));
    second.State = BarCollapsed;
    addItem(h.state, second, QStringLiteral("в"));
    auto& third = addBar(h.state, QString()); // empty and fixed: a 16-pixel gap
    third.CanExpand = false;
    h.refresh();

    const int title = first.TitleHeightWithoutScroll;
    const int line = a.HeightWithoutScroll;
    EXPECT_EQ(line, QFontMetrics(h.widget.font()).height() + 2);
    EXPECT_EQ(first.HeightWithoutScroll, 12 + line + 5 + line);
    EXPECT_EQ(first.Top, 15);
    EXPECT_EQ(a.Top, 6);
    EXPECT_EQ(b.Top, 6 + line + 5);
    EXPECT_EQ(second.Top, 15 + title + first.HeightWithoutScroll + 15);
    EXPECT_EQ(third.Top, second.Top + title + 15); // collapsed: title only
    EXPECT_EQ(h.renderer.titleHeight(third), 16);
    EXPECT_EQ(h.state.contentHeight, third.Top + 16 + third.HeightWithoutScroll + 15);
    EXPECT_FALSE(h.state.scrollBarVisible);

    // Hit-test geometry in window coordinates.
    EXPECT_EQ(h.renderer.titleRect(first), QRect(12, 15, 233 - 24, title));
    EXPECT_EQ(h.renderer.itemRect(first, b), QRect(12, 15 + title + b.Top, 233 - 24, line));
}

TEST(Layout, SearchStyleTitlesWrapAndStackWithoutGaps) {
    Harness h(QSize(160, 401));
    h.state.UseExplorerStyle = false;
    h.state.Style = PaneStyleSearch;
    auto& shortBar = addBar(h.state, QStringLiteral("А"));
    auto& longBar =
        addBar(h.state, QStringLiteral("Очень длинный заголовок, который не помещается в строку"));
    h.refresh();
    const int line = boldLineHeight(h.widget);
    EXPECT_TRUE(shortBar.SingleLineTitleWithoutScroll); // measured as "Xg"
    EXPECT_EQ(shortBar.TitleTextHeightWithoutScroll, line);
    EXPECT_FALSE(longBar.SingleLineTitleWithoutScroll);
    EXPECT_GE(longBar.TitleTextHeightWithoutScroll, 2 * line);
    EXPECT_EQ(longBar.TitleHeightWithoutScroll, longBar.TitleTextHeightWithoutScroll + 11);
    EXPECT_GE(longBar.TitleHeightWithScroll, longBar.TitleHeightWithoutScroll);
    // No gap between bars, only above the first.
    EXPECT_EQ(shortBar.Top, 15);
    EXPECT_EQ(longBar.Top, 15 + shortBar.TitleHeightWithoutScroll + shortBar.HeightWithoutScroll);
}

TEST(Layout, IconsRaiseItemAndTitleHeights) {
    Harness h(QSize(233, 401), 8);
    h.state.UseExplorerStyle = false;
    h.state.imageList.iconSize = 32;
    h.state.imageList.icons = {QImage(32, 32, QImage::Format_ARGB32)};
    h.state.titleImageList.iconSize = 40;
    h.state.titleImageList.icons = {QImage(40, 40, QImage::Format_ARGB32)};
    auto& bar = addBar(h.state, QStringLiteral("С иконкой"));
    bar.IconIndex = 0;
    auto& item = addItem(h.state, bar, QStringLiteral("пункт"), ItemKindLink, 0);
    h.refresh();
    EXPECT_EQ(item.HeightWithoutScroll, 32 + 2);
    EXPECT_EQ(bar.TitleHeightWithoutScroll, 40);
}

TEST(Layout, HostedControlTakesItsOwnHeightAndFollowsTheBar) {
    Harness h;
    h.state.UseExplorerStyle = false;
    auto& bar = addBar(h.state, QStringLiteral("Панель"));
    auto& item = addItem(h.state, bar, QString(), ItemKindHostedControl);
    auto* hosted = new QWidget(&h.widget);
    hosted->resize(50, 37);
    item.lPtrPanel = hosted;
    h.refresh();
    h.renderer.positionHostedControls();
    EXPECT_EQ(item.HeightWithoutScroll, 37);
    EXPECT_EQ(hosted->geometry(),
              QRect(24, bar.Top + bar.TitleHeightWithoutScroll + 6, 233 - 48, 37));
    EXPECT_FALSE(hosted->isHidden());

    bar.State = BarCollapsed;
    h.renderer.layout();
    h.renderer.positionHostedControls();
    EXPECT_TRUE(hosted->isHidden());
}

TEST(Layout, OverflowShowsTheScrollBarAndUsesWithScrollHeights) {
    Harness h(QSize(233, 200));
    h.state.UseExplorerStyle = false;
    auto& bar = addBar(h.state, QStringLiteral("Много"));
    // Text that wraps earlier when the scroll bar takes its width.
    const int sb = h.renderer.scrollBarWidth();
    ASSERT_GT(sb, 0);
    const int measured = 233 - 24 - 23; // the item's text width without the bar
    QString text = QStringLiteral("слово ");
    const QFontMetrics fm(h.widget.font());
    while (fm.horizontalAdvance(text) <= measured - sb + 1)
        text += u'ш';
    ASSERT_LE(fm.horizontalAdvance(text), measured);
    for (int i = 0; i < 12; ++i)
        addItem(h.state, bar, text);
    h.refresh();
    const auto& item = *bar.items.front();
    ASSERT_GT(item.HeightWithScroll, item.HeightWithoutScroll); // wraps only with the bar

    // Twelve one-line items fit in 401 but not in 200.
    EXPECT_TRUE(h.state.scrollBarVisible);
    EXPECT_EQ(bar.items[1]->Top, 6 + item.HeightWithScroll);
    EXPECT_EQ(h.renderer.panelHeight(bar), bar.HeightWithScroll);
    EXPECT_EQ(h.state.contentHeight, 15 + bar.TitleHeightWithScroll + bar.HeightWithScroll + 15);
    EXPECT_EQ(h.renderer.titleRect(bar).width(), 233 - sb - 24);

    // Growing the pane hides the bar again and returns to the other heights.
    h.widget.resize(233, 600);
    EXPECT_TRUE(h.renderer.layout());
    EXPECT_FALSE(h.state.scrollBarVisible);
    EXPECT_EQ(bar.items[1]->Top, 6 + item.HeightWithoutScroll);
    EXPECT_FALSE(h.renderer.layout()); // settled
}

TEST(Layout, ScrollPositionStaysWithinTheContent) {
    Harness h(QSize(233, 150));
    fillManyItems(h.state, 30);
    h.refresh();
    ASSERT_TRUE(h.state.scrollBarVisible);
    h.state.scrollValue = h.state.contentHeight; // beyond the end
    h.renderer.layout();
    EXPECT_EQ(h.state.scrollValue, h.state.contentHeight - 150);
}

TEST(Layout, AnimatingBarTakesItsCurrentHeight) {
    Harness h;
    h.state.UseExplorerStyle = false;
    auto& first = addBar(h.state, QStringLiteral("Один"));
    addItem(h.state, first, QStringLiteral("а"));
    auto& second = addBar(h.state, QStringLiteral("Два"));
    h.refresh();
    first.Expanding = true;
    first.Height = 7;
    h.renderer.layout();
    EXPECT_EQ(second.Top, 15 + first.TitleHeightWithoutScroll + 7 + 15);
}

} // namespace
