// The task pane and the hyperlink label given the extreme and ill-typed
// values a caller or a stored layout can hand them: each must lay out and
// paint without overflow (the sanitizer build checks the arithmetic) and keep
// every position within what it lays out.

#include "CaseNames.h"
#include "HyperLink.h"
#include "input/PaneAnimation.h"
#include "model/PanePropertyBag.h"
#include "paint/PaneMetrics.h"
#include "torkExplorerBarCtl.h"
#include "torkExplorerBarCtlPrivate.h"

#include <QFont>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace zelvano::pane;

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Colour values of every kind: plain, default, system codes in and out of
// the table, with stray bits, and the ends of the range.
const std::int32_t kColours[] = {kMin,
                                 kMin + 1,
                                 -2,
                                 -1,
                                 0,
                                 0x00FFFFFF,
                                 kMax,
                                 static_cast<std::int32_t>(0x800000FFu),
                                 static_cast<std::int32_t>(0x80FF0005u),
                                 static_cast<std::int32_t>(0x8000001Bu)};

struct HostilePane : ::testing::Test {
    QWidget window;
    torkExplorerBarCtl* pane = new torkExplorerBarCtl(&window);

    HostilePane() {
        PaneAnimation::setPaced(false);
        window.resize(260, 420);
        pane->setGeometry(0, 0, 233, 401);
        auto bars = pane->Bars();
        for (int b = 0; b < 3; ++b) {
            auto bar = bars.Add({}, {}, QStringLiteral("&Группа %1").arg(b));
            bar.setIsSpecial(b == 0);
            for (int i = 0; i < 3; ++i)
                bar.Items().Add({}, {}, QStringLiteral("Пункт %1").arg(i));
        }
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    const PaneState& state() const { return paneStateOf(*pane); }

    // Every stored position lies within the laid-out content, and the scroll
    // value within its range.
    void expectLaidOutWithinBounds() const {
        const PaneState& s = state();
        EXPECT_GE(s.contentHeight, 0);
        EXPECT_LE(s.contentHeight, kMaxContentHeight);
        EXPECT_GE(s.scrollValue, 0);
        EXPECT_LE(s.scrollValue, std::max(0, s.contentHeight - pane->height()));
        int lastTop = 0;
        for (const auto& bar : s.bars) {
            EXPECT_GE(bar->Top, lastTop);
            EXPECT_LE(bar->Top, kMaxContentHeight);
            lastTop = bar->Top;
            for (const int height : {bar->HeightWithScroll, bar->HeightWithoutScroll}) {
                EXPECT_GE(height, 0);
                EXPECT_LE(height, kMaxContentHeight);
            }
            for (const auto& item : bar->items) {
                EXPECT_GE(item->Top, -kMaxContentHeight);
                EXPECT_LE(item->Top, kMaxContentHeight);
            }
        }
    }
};

class ExtremeSpacing : public HostilePane, public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(ExtremeSpacing, LaysOutPaintsAndAnimatesWithinBounds) {
    const std::int32_t spacing = GetParam();
    auto bars = pane->Bars();
    for (int b = 1; b <= bars.Count(); ++b) {
        for (int i = 1; i <= bars.Item(b).Items().Count(); ++i)
            bars.Item(b).Items().Item(i).setSpacingAfter(spacing);
    }
    expectLaidOutWithinBounds();
    EXPECT_FALSE(pane->grab().isNull());

    auto middle = bars.Item(2);
    middle.setState(BarCollapsed);
    expectLaidOutWithinBounds();
    middle.Items().Item(3).EnsureVisible(); // expands it again and scrolls
    EXPECT_EQ(middle.State(), BarExpanded);
    expectLaidOutWithinBounds();
    bars.Item(3).EnsureVisible();
    pane->setStyle(PaneStyleSearch);
    expectLaidOutWithinBounds();
    EXPECT_FALSE(pane->grab().isNull());
}

INSTANTIATE_TEST_SUITE_P(Values, ExtremeSpacing,
                         ::testing::Values(kMax, kMax - 1, kMin, kMin + 1, 100000, -100000, -30,
                                           kMaxContentHeight),
                         [](const auto& info) {
                             return zelvano::test::textName(std::to_string(info.param));
                         });

TEST_F(HostilePane, ColourValuesOfEveryKindPaint) {
    auto bars = pane->Bars();
    for (const bool emulated : {true, false}) {
        pane->setUseExplorerStyle(!emulated);
        for (const std::int32_t colour : kColours) {
            pane->setBackColorStart(colour);
            pane->setBackColorEnd(colour);
            for (int b = 1; b <= bars.Count(); ++b) {
                auto bar = bars.Item(b);
                bar.setTitleBackColorLight(colour);
                bar.setTitleBackColorDark(colour);
                bar.setBackColor(colour);
                bar.setTitleForeColor(colour);
                bar.setTitleForeColorOver(colour);
                auto item = bar.Items().Item(1);
                item.setTextColor(colour);
                item.setTextColorOver(colour);
            }
            ASSERT_FALSE(pane->grab().isNull()) << colour;
        }
    }
    expectLaidOutWithinBounds();
}

// Stored settings of the wrong type or beyond 32 bits leave the default;
// the pane still lays out and paints.
TEST_F(HostilePane, IllTypedStoredSettingsKeepTheirDefaults) {
    const QVariant values[] = {QStringLiteral("да"),
                               QByteArray("\xff\x00", 2),
                               QVariantList{1, 2},
                               QVariant(1e300),
                               QVariant(qulonglong(1) << 40),
                               QVariant(qlonglong(kMin) - 1),
                               QVariant(QFont()),
                               QVariant()};
    for (const QVariant& value : values) {
        PanePropertyBag bag;
        for (const char* name : {"UseExplorerTheme", "UseExplorerTransitionStyle", "BackColorEnd",
                                 "BackColorStart", "ShowFocusRect", "Redraw"})
            bag.WriteProperty(QString::fromLatin1(name), value);
        pane->readProperties(bag);
        EXPECT_EQ(pane->BackColorStart(), kSysColourWindow) << value.typeName();
        EXPECT_EQ(pane->BackColorEnd(), kSysColourWindow) << value.typeName();
        pane->setRedraw(true);
        EXPECT_FALSE(pane->grab().isNull());
    }
    expectLaidOutWithinBounds();
}

struct StoredColour {
    QVariant stored;
    std::int32_t loaded;
};

// The label's colours arrive signed or unsigned; anything else falls back.
TEST(HostileHyperLink, StoredValuesLoadOrFallBackAndPaint) {
    const StoredColour colours[] = {
        {QVariant(qlonglong(0x80000012u)), static_cast<std::int32_t>(0x80000012u)},
        {QVariant(static_cast<int>(0x80000012u)), static_cast<std::int32_t>(0x80000012u)},
        {QVariant(qlonglong(0x800000FFu)), static_cast<std::int32_t>(0x800000FFu)},
        {QVariant(qlonglong(0xFFFFFFFFu)), -1},
        {QVariant(kMin), kMin},
        {QVariant(qlonglong(1) << 32), HyperLink::kDefaultHoverColor},
        {QVariant(-(qlonglong(1) << 31) - 1), HyperLink::kDefaultHoverColor},
        {QVariant(QStringLiteral("красный")), HyperLink::kDefaultHoverColor},
        {QVariant(true), HyperLink::kDefaultHoverColor},
        {QVariant(1e300), HyperLink::kDefaultHoverColor},
        {QVariant(QVariantList{255}), HyperLink::kDefaultHoverColor},
    };
    QWidget holder;
    holder.resize(320, 120);
    auto* link = new HyperLink(&holder);
    holder.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
    for (const StoredColour& c : colours) {
        link->loadSettings({{QStringLiteral("ForeColor"), c.stored},
                            {QStringLiteral("BackColor"), c.stored},
                            {QStringLiteral("HoverColor"), c.stored},
                            {QStringLiteral("Caption"), c.stored},
                            {QStringLiteral("Font"), c.stored},
                            {QStringLiteral("Alignment"), c.stored},
                            {QStringLiteral("Appearance"), c.stored},
                            {QStringLiteral("BorderStyle"), c.stored},
                            {QStringLiteral("AutoSize"), c.stored}});
        EXPECT_EQ(link->hoverColor(), c.loaded) << c.stored.toString().toStdString();
        EXPECT_FALSE(holder.grab().isNull());
    }
    EXPECT_EQ(link->alignment(), HyperLink::Alignment::Left);
}

} // namespace
