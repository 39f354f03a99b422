// ParseQuantity: the forms it reads, the nearest double, and the texts it
// refuses with error 13 or 6.

#include "CaseNames.h"
#include "EngineTestSupport.h"

#include <cmath>
#include <limits>
#include <ostream>

namespace zelvano::convert::test {
namespace {

enum class Locale { Point, Russian, German, Arabic };

NumberSettings settingsFor(Locale locale) {
    switch (locale) {
    case Locale::Point:
        return pointSettings();
    case Locale::Russian:
        return russianSettings();
    case Locale::German:
        return {",", "."};
    case Locale::Arabic:
        return {"\u066B", "\u066C"};
    }
    return {};
}

std::string localeName(Locale locale) {
    static const char* const names[] = {"Point", "Russian", "German", "Arabic"};
    return names[static_cast<int>(locale)];
}

struct Accepted {
    Locale locale;
    std::string text;
    double value;
};

std::ostream& operator<<(std::ostream& os, const Accepted& a) {
    return os << '"' << a.text << '"';
}

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

const Accepted kAccepted[] = {
    {Locale::Point, "1.5", 1.5},
    {Locale::Point, "  1.5\t", 1.5},
    {Locale::Point, "+2", 2},
    {Locale::Point, "-1.5E-3", -0.0015},
    {Locale::Point, "1e3", 1000},
    {Locale::Point, "1E+03", 1000},
    {Locale::Point, ".5", 0.5},
    {Locale::Point, "5.", 5},
    {Locale::Point, "-.5e1", -5},
    {Locale::Point, "000123", 123},
    {Locale::Point, "\u22122.5", -2.5},
    {Locale::Point, "\u00A07\u00A0", 7},
    {Locale::Point, "0.1", 0.1},
    {Locale::Point, "1,000.5", 1000.5},
    {Locale::Point, "1,234,567", 1234567},
    {Locale::Point, "12,345.", 12345},
    {Locale::Russian, "1,5", 1.5},
    {Locale::Russian, "-1,5E-3", -0.0015},
    {Locale::Russian, ",5", 0.5},
    {Locale::Russian, "5,", 5},
    {Locale::Russian, "1\u00A0000,5", 1000.5},
    {Locale::Russian, "1 000 000", 1000000},
    {Locale::Russian, "1\u202F000", 1000},
    {Locale::German, "1.000,25", 1000.25},
    {Locale::Arabic, "1\u066B5", 1.5},
    {Locale::Arabic, "1\u066C000", 1000},
    // The nearest double, at both ends of the range.
    {Locale::Point, "1.7976931348623157E308", kMax},
    {Locale::Point, "4.9406564584124654E-324", kTiny},
    {Locale::Point, "2.5e-324", kTiny},
    {Locale::Point, "1E-400", 0},
    {Locale::Point, "2e-324", 0},
    {Locale::Point, "0e999999999999999999999", 0},
    {Locale::Point, "0." + std::string(399, '0') + "1E400", 1},
    {Locale::Point, "1" + std::string(400, '0') + "E-400", 1},
    {Locale::Point, "0.30000000000000004440892098500626", 0.30000000000000004},
};

class ParseAccepted : public testing::TestWithParam<Accepted> {};

TEST_P(ParseAccepted, ReadsTheNearestDouble) {
    const Accepted& a = GetParam();
    EXPECT_EQ(ParseQuantity(a.text, settingsFor(a.locale)), a.value);
}

INSTANTIATE_TEST_SUITE_P(Forms, ParseAccepted, testing::ValuesIn(kAccepted), [](const auto& info) {
    return localeName(info.param.locale) + "_" + zelvano::test::textName(info.param.text);
});

struct Refused {
    Locale locale;
    std::string text;
    int error;
};

std::ostream& operator<<(std::ostream& os, const Refused& r) {
    return os << '"' << r.text << '"';
}

const Refused kRefused[] = {
    {Locale::Point, "", 13},
    {Locale::Point, " ", 13},
    {Locale::Point, "abc", 13},
    {Locale::Point, "inf", 13},
    {Locale::Point, "-INF", 13},
    {Locale::Point, "Infinity", 13},
    {Locale::Point, "nan", 13},
    {Locale::Point, "NaN", 13},
    {Locale::Point, "0x10", 13},
    {Locale::Point, ".", 13},
    {Locale::Point, "-", 13},
    {Locale::Point, "+-1", 13},
    {Locale::Point, "--1", 13},
    {Locale::Point, "- 5", 13},
    {Locale::Point, "5-", 13},
    {Locale::Point, "(5)", 13},
    {Locale::Point, "$5", 13},
    {Locale::Point, "1.2.3", 13},
    {Locale::Point, "1E", 13},
    {Locale::Point, "1E+", 13},
    {Locale::Point, "E5", 13},
    {Locale::Point, "1e5.5", 13},
    {Locale::Point, "12e3e4", 13},
    {Locale::Point, "1d", 13},
    {Locale::Point, "1 5", 13},
    {Locale::Point, "1_000", 13},
    {Locale::Point, std::string("1\0", 2), 13},
    // Group separators only between digits, in groups of three.
    {Locale::Point, "1,5", 13},
    {Locale::Point, "1,5000", 13},
    {Locale::Point, "1,,000", 13},
    {Locale::Point, ",000", 13},
    {Locale::Point, "1000,000", 13},
    {Locale::Point, "1,000,5", 13},
    {Locale::Point, "1,000.5,5", 13},
    {Locale::Point, "1E1,000", 13},
    {Locale::Russian, "1.5", 13},
    {Locale::Russian, "1 5", 13},
    {Locale::Russian, "1,000.5", 13},
    {Locale::German, "1.5", 13},
    // Beyond the largest double.
    {Locale::Point, "1E400", 6},
    {Locale::Point, "-1E400", 6},
    {Locale::Point, "2E308", 6},
    {Locale::Point, "1.7976931348623159E308", 6},
    {Locale::Point, "1E99999999999999999999999", 6},
    {Locale::Russian, "1" + std::string(400, '0'), 6},
};

class ParseRefused : public testing::TestWithParam<Refused> {};

TEST_P(ParseRefused, RaisesTheNumberedError) {
    const Refused& r = GetParam();
    try {
        const double value = ParseQuantity(r.text, settingsFor(r.locale));
        ADD_FAILURE() << "read as " << value;
    } catch (const NumberedError& e) {
        EXPECT_EQ(e.number(), r.error);
        EXPECT_EQ(e.description(), runtimeErrorDescription(r.error));
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, ParseRefused, testing::ValuesIn(kRefused), [](const auto& info) {
    return localeName(info.param.locale) + "_" + zelvano::test::textName(info.param.text);
});

TEST(ParseQuantitySign, KeepsTheSignOfZeroAndUnderflow) {
    EXPECT_TRUE(std::signbit(ParseQuantity("-0", pointSettings())));
    EXPECT_TRUE(std::signbit(ParseQuantity("-1E-400", pointSettings())));
    EXPECT_FALSE(std::signbit(ParseQuantity("0", pointSettings())));
}

TEST(ParseQuantitySettings, SurvivesDegenerateSeparators) {
    // Equal separators: the text is read with decimals only.
    EXPECT_EQ(ParseQuantity("1.5", {".", "."}), 1.5);
    EXPECT_THROW(ParseQuantity("1.000.5", {".", "."}), NumberedError);
    // No separators at all: integers and exponents only.
    EXPECT_EQ(ParseQuantity("15e-1", {"", ""}), 1.5);
    EXPECT_THROW(ParseQuantity("1.5", {"", ""}), NumberedError);
}

} // namespace
} // namespace zelvano::convert::test
