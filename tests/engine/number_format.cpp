// FormatQuantity: 15 significant digits, positional from 1E-04 to below
// 1E+15, scientific with a signed two-digit-minimum exponent elsewhere.

#include "CaseNames.h"
#include "EngineTestSupport.h"

#include <cmath>
#include <limits>
#include <ostream>
#include <random>

namespace zelvano::convert::test {
namespace {

struct Formatted {
    double value;
    std::string_view text; // under "." settings
};

std::ostream& operator<<(std::ostream& os, const Formatted& f) {
    return os << f.text;
}

const Formatted kFormatted[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {1, "1"},
    {-2.5, "-2.5"},
    {39.37007874015748, "39.3700787401575"},
    {1.0 / 3, "0.333333333333333"},
    {2.0 / 3, "0.666666666666667"},
    {0.1 + 0.2, "0.3"},
    {12345678901234.5, "12345678901234.5"},
    {123456789012345.6, "123456789012346"},
    // The -4 and 14 exponent boundaries, also where rounding moves the exponent.
    {0.0001, "0.0001"},
    {-0.00012345, "-0.00012345"},
    {std::nextafter(0.0001, 0.0), "0.0001"},
    {0.00001, "1E-05"},
    {0.000099999999999999, "9.9999999999999E-05"},
    {0.000015, "1.5E-05"},
    {1.5e-7, "1.5E-07"},
    {1e14, "100000000000000"},
    {999999999999999, "999999999999999"},
    {999999999999999.4, "999999999999999"},
    {1e15, "1E+15"},
    {-1e15, "-1E+15"},
    {123456789012345678.0, "1.23456789012346E+17"},
    // Exactly halfway at the fifteenth digit: to even.
    {999999999999999.5, "1E+15"},
    {1000000000000005.0, "1E+15"},
    {1000000000000015.0, "1.00000000000002E+15"},
    // Exponent widths.
    {1e5 * 1e10 * 10, "1E+16"},
    {1e100, "1E+100"},
    {1e-100, "1E-100"},
    {-1e-300, "-1E-300"},
    {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
    {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
};

class FormatCase : public testing::TestWithParam<Formatted> {};

TEST_P(FormatCase, WritesFifteenSignificantDigits) {
    EXPECT_EQ(FormatQuantity(GetParam().value, pointSettings()), GetParam().text);
}

TEST_P(FormatCase, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(FormatQuantity(GetParam().value, russianSettings()), withComma(GetParam().text));
}

// Rounding gives some texts twice: the row number keeps their names apart.
INSTANTIATE_TEST_SUITE_P(Values, FormatCase, testing::ValuesIn(kFormatted), [](const auto& info) {
    return zelvano::test::textName(info.param.text) + "_" + std::to_string(info.index);
});

TEST(FormatQuantitySeparator, TakesMultiByteSeparatorsWhole) {
    EXPECT_EQ(FormatQuantity(-1.5e-7, {"\u066B", "\u066C"}), "-1\u066B5E-07");
    EXPECT_EQ(FormatQuantity(1234567.25, {"\u066B", "\u066C"}), "1234567\u066B25");
}

TEST(FormatQuantityNonFinite, RaisesOverflow) {
    for (const double v :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        try {
            FormatQuantity(v, pointSettings());
            ADD_FAILURE() << "formatted " << v;
        } catch (const NumberedError& e) {
            EXPECT_EQ(e.number(), RuntimeError::Overflow);
        }
    }
}

// Reading a formatted text back gives a value within half a unit of the 15th
// digit, and formatting that value again gives the same text.
TEST(FormatQuantityRoundTrip, IsStableOnRandomDoubles) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        const double x = std::bit_cast<double>(random());
        if (!std::isfinite(x) || x == 0)
            continue;
        const std::string text = FormatQuantity(x, pointSettings());
        const double back = ParseQuantity(text, pointSettings());
        ASSERT_EQ(FormatQuantity(back, pointSettings()), text) << x;
        // Half a unit of the 15th digit, plus half an ulp for reading it back.
        if (std::fabs(x) >= std::numeric_limits<double>::min()) {
            ASSERT_LE(std::fabs(back - x), std::fabs(x) * 5.5e-15) << text;
        }
    }
}

} // namespace
} // namespace zelvano::convert::test
