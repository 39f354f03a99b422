// The one system colour table, index by index, against a palette in which
// every role of every group has a colour of its own, so that a wrong role or
// group shows as a wrong colour.

#include "ColourValue.h"
#include "SystemColours.h"

#include <QPalette>
#include <gtest/gtest.h>

#include <optional>

namespace zelvano {
namespace {

QPalette distinctPalette() {
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            if (role != QPalette::NoRole)
                palette.setColor(static_cast<QPalette::ColorGroup>(group),
                                 static_cast<QPalette::ColorRole>(role),
                                 QColor(10 + 60 * group, 7 * role, 255 - 9 * role));
    return palette;
}

struct TableCase {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    std::optional<QPalette::ColorRole> blendWith = std::nullopt;
    int weight = 255;
};

class SystemColourTable : public testing::TestWithParam<TableCase> {};

TEST_P(SystemColourTable, ResolvesThroughThePalette) {
    const TableCase& c = GetParam();
    const QPalette palette = distinctPalette();
    QColor expected = palette.color(c.group, c.role);
    if (c.blendWith)
        expected = blend(expected, palette.color(c.group, *c.blendWith), c.weight);
    EXPECT_EQ(systemColour(c.index, palette), expected);
    EXPECT_EQ(resolveColour(systemColourCode(c.index), palette), expected);
}

constexpr auto A = QPalette::Active;

INSTANTIATE_TEST_SUITE_P(
    EveryIndex, SystemColourTable,
    testing::Values(
        TableCase{SysScrollBar, A, QPalette::Window}, TableCase{SysBackground, A, QPalette::Window},
        TableCase{SysActiveCaption, A, QPalette::Highlight},
        TableCase{SysInactiveCaption, A, QPalette::Highlight, QPalette::Window, 160},
        TableCase{SysMenu, A, QPalette::Window}, TableCase{SysWindow, A, QPalette::Base},
        TableCase{SysWindowFrame, A, QPalette::Shadow},
        TableCase{SysMenuText, A, QPalette::WindowText},
        TableCase{SysWindowText, A, QPalette::Text},
        TableCase{SysCaptionText, A, QPalette::HighlightedText},
        TableCase{SysActiveBorder, A, QPalette::Window},
        TableCase{SysInactiveBorder, A, QPalette::Window},
        TableCase{SysAppWorkspace, A, QPalette::Dark},
        TableCase{SysHighlight, A, QPalette::Highlight},
        TableCase{SysHighlightText, A, QPalette::HighlightedText},
        TableCase{SysButtonFace, A, QPalette::Button},
        TableCase{SysButtonShadow, A, QPalette::Dark},
        TableCase{SysGrayText, QPalette::Disabled, QPalette::Text},
        TableCase{SysButtonText, A, QPalette::ButtonText},
        TableCase{SysInactiveCaptionText, A, QPalette::HighlightedText},
        TableCase{SysButtonHighlight, A, QPalette::Light},
        TableCase{SysDarkShadow3D, A, QPalette::Shadow},
        TableCase{SysLight3D, A, QPalette::Midlight},
        TableCase{SysInfoText, A, QPalette::ToolTipText},
        TableCase{SysInfoBackground, A, QPalette::ToolTipBase},
        TableCase{SysHotLight, A, QPalette::Link},
        TableCase{SysGradientActiveCaption, A, QPalette::Highlight, QPalette::Base, 128},
        TableCase{SysGradientInactiveCaption, A, QPalette::Highlight, QPalette::Base, 64},
        TableCase{SysMenuHighlight, A, QPalette::Highlight},
        TableCase{SysMenuBar, A, QPalette::Window},
        // Indices without a colour of their own: the window text.
        TableCase{25, A, QPalette::WindowText}, TableCase{31, A, QPalette::WindowText},
        TableCase{255, A, QPalette::WindowText}),
    [](const auto& info) { return "Index" + std::to_string(info.param.index); });

TEST(ColourValue, PlainDefaultAndMalformedValues) {
    const QPalette palette = distinctPalette();
    const QColor windowText = palette.color(QPalette::Active, QPalette::WindowText);
    EXPECT_EQ(resolveColour(kDefaultColour, palette), std::nullopt);
    EXPECT_EQ(resolveColour(0, palette), QColor(Qt::black)); // 0 is black, not a default
    EXPECT_EQ(resolveColour(0x00FF8040, palette), QColor(0x40, 0x80, 0xFF));
    // Bits beside the index make no system colour, whatever the low byte says.
    EXPECT_EQ(resolveColour(static_cast<ColourValue>(0x8001000Du), palette), windowText);
    EXPECT_EQ(resolveColour(static_cast<ColourValue>(0xFFFFFFFEu), palette), windowText);
    EXPECT_EQ(colourValue(QColor(0x40, 0x80, 0xFF, 10)), 0x00FF8040); // alpha dropped
    EXPECT_EQ(rgbColour(rgbColourValue(1, 2, 3)), QColor(1, 2, 3));
}

} // namespace
} // namespace zelvano
