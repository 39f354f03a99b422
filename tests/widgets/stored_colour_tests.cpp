// The task pane and the hyperlink label, linked as a program links them, read
// the same stored colour alike: a system colour arrives signed or unsigned,
// and what is no 32-bit number leaves each control its own default.

#include "CaseNames.h"
#include "HyperLink.h"
#include "torkExplorerBarCtl.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace {

struct StoredColour {
    QVariant stored;
    std::optional<std::int32_t> loaded; // nothing: each control's default
};

// Case names read as the stored value: its type and text.
void PrintTo(const StoredColour& c, std::ostream* os) {
    *os << c.stored.typeName() << ' ' << c.stored.toString().toStdString();
}

class StoredColourInBothControls : public testing::TestWithParam<StoredColour> {};

TEST_P(StoredColourInBothControls, LoadsAlike) {
    const StoredColour& c = GetParam();
    PanePropertyBag bag;
    bag.WriteProperty(QStringLiteral("BackColorStart"), c.stored);
    torkExplorerBarCtl pane;
    pane.readProperties(bag);
    HyperLink link;
    link.loadSettings({{QStringLiteral("HoverColor"), c.stored}});

    EXPECT_EQ(pane.BackColorStart(), c.loaded.value_or(kSysColourWindow));
    EXPECT_EQ(link.hoverColor(), c.loaded.value_or(HyperLink::kDefaultHoverColor));
}

constexpr std::int32_t kHighlight = zelvano::systemColourCode(zelvano::SysHighlight);

INSTANTIATE_TEST_SUITE_P(
    Stored, StoredColourInBothControls,
    testing::Values(StoredColour{QVariant(qlonglong(2147483661)), kHighlight},
                    StoredColour{QVariant(-2147483635), kHighlight},
                    StoredColour{QVariant(0x8000000Du), kHighlight},
                    StoredColour{QVariant(QStringLiteral("2147483661")), kHighlight},
                    StoredColour{QVariant(qlonglong(0xFFFFFFFFu)), -1},
                    StoredColour{QVariant(0x00FF8040), 0x00FF8040},
                    StoredColour{QVariant(qlonglong(1) << 32), std::nullopt},
                    StoredColour{QVariant(qlonglong(-2147483649)), std::nullopt},
                    StoredColour{QVariant(true), std::nullopt},
                    StoredColour{QVariant(QStringLiteral("red")), std::nullopt}),
    [](const auto& info) {
        return std::string(info.param.stored.typeName()) + "_" +
               zelvano::test::textName(info.param.stored.toString().toStdString());
    });

} // namespace
