// NumberSettings from Qt's locale data, and the engine reading and writing
// numbers the way those locales do.

#include "LocaleNumbers.h"

#include <gtest/gtest.h>

namespace zelvano::convert::test {
namespace {

struct LocaleCase {
    const char* name;
    std::string_view decimal;
    std::string_view group;
    std::string_view typed;   // a quantity as a user of the locale types it
    std::string_view written; // 1234.5 as FormatQuantity writes it
};

class LocaleNumbersCase : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleNumbersCase, FollowsTheLocale) {
    const LocaleCase& c = GetParam();
    const NumberSettings settings = numberSettings(QLocale(QString::fromLatin1(c.name)));
    EXPECT_EQ(settings.decimalSeparator, c.decimal);
    EXPECT_EQ(settings.groupSeparator, c.group);
    EXPECT_EQ(ParseQuantity(c.typed, settings), 1234.5);
    EXPECT_EQ(FormatQuantity(1234.5, settings), c.written);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleNumbersCase,
                         testing::Values(LocaleCase{"C", ".", ",", "1,234.5", "1234.5"},
                                         LocaleCase{"en_US", ".", ",", "1,234.5", "1234.5"},
                                         LocaleCase{"ru_RU", ",", "\u00A0", "1 234,5", "1234,5"},
                                         LocaleCase{"de_DE", ",", ".", "1.234,5", "1234,5"},
                                         LocaleCase{"fr_FR", ",", "\u202F", "1 234,5", "1234,5"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zelvano::convert::test
