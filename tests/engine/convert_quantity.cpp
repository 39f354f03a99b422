// The contract of ConvertQuantity beyond the reference digits: copies for
// equal units, the error numbers, and no non-number text ever.

#include "CaseNames.h"
#include "EngineTestSupport.h"

#include <ostream>

namespace zelvano::convert::test {
namespace {

struct Case {
    std::string_view name;
    Category category;
    int from;
    int to;
    std::string_view quantity;
    int error; // 0: success with `text`
    std::string_view text;
};

std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << c.name;
}

constexpr auto L = Category::Length;
constexpr auto A = Category::Area;
constexpr auto T = Category::Temperature;
constexpr auto I = Category::Information;

constexpr Case kCases[] = {
    // Equal units copy the text as it stands, number or not.
    {"copies a blank", L, 3, 3, " ", 0, " "},
    {"copies a non-number", A, 2, 2, "abc", 0, "abc"},
    {"copies the empty text", T, 1, 1, "", 0, ""},
    {"copies unparsed digits", L, 1, 1, " 1,5E3 ", 0, " 1,5E3 "},
    {"copies UTF-8 as bytes", I, 6, 6, "∞ мегабайт", 0, "∞ мегабайт"},
    // Different units parse first.
    {"blank is a type mismatch", L, 1, 2, " ", 13, ""},
    {"empty text is a type mismatch", L, 1, 2, "", 13, ""},
    {"infinity word is no number", L, 1, 2, "inf", 13, ""},
    {"nan word is no number", T, 1, 2, "nan", 13, ""},
    {"quantity beyond doubles", L, 1, 2, "1E400", 6, ""},
    {"tiny quantity reads as zero", L, 1, 2, "1E-400", 0, "0"},
    {"length multiplies by the reciprocal", L, 2, 3, "111", 0, "9.24999999999998"},
    {"negative zero shows as zero", L, 1, 2, "-0", 0, "0"},
    {"negative zero through Celsius", T, 3, 1, "-0", 0, "0"},
    // Results beyond the largest double take the error path.
    {"square metres to barns overflow", A, 1, 10, "1.7E308", 6, ""},
    {"negative overflow too", A, 1, 10, "-1.7E308", 6, ""},
    {"overflow just past the edge", A, 1, 10, "1.8E280", 6, ""},
    {"just inside the range", A, 1, 10, "1.7E280", 0, "1.7E+308"},
    {"Fahrenheit overflow", T, 1, 2, "1.7E308", 6, ""},
    {"Reaumur division overflow", T, 3, 1, "1.7E308", 6, ""},
    {"large but finite", L, 17, 1, "1.7E308", 0, "1.7E+305"},
    {"smallest subnormal survives", L, 1, 17, "4.94065645841247E-324", 0, "4.94065645841247E-321"},
    // Unit numbers outside the category.
    {"from unit zero", L, 0, 1, "1", 9, ""},
    {"to unit past the end", L, 1, 19, "1", 9, ""},
    {"negative unit", T, -1, 2, "1", 9, ""},
    {"equal but invalid units", I, 7, 7, "1", 9, ""},
    {"category out of range", static_cast<Category>(8), 1, 2, "1", 9, ""},
};

class ConvertQuantityCase : public testing::TestWithParam<Case> {};

TEST_P(ConvertQuantityCase, GivesTextOrNumberedError) {
    const Case& c = GetParam();
    const Conversion result =
        ConvertQuantity(c.category, c.from, c.to, c.quantity, pointSettings());
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.text, c.text);
    const std::string_view description = c.error ? runtimeErrorDescription(c.error) : "";
    EXPECT_EQ(result.description, description);
}

INSTANTIATE_TEST_SUITE_P(Contract, ConvertQuantityCase, testing::ValuesIn(kCases),
                         [](const auto& info) {
                             return zelvano::test::wordsName(info.param.name);
                         });

// At the top of the range every finite result is written, also where its 15
// digits round past the largest double; only the arithmetic overflowing is
// error 6. Typed back in, such a text is a quantity beyond the range.
struct TopCase {
    std::string_view name;
    Category category;
    int from;
    int to;
    std::string_view quantity; // under "." settings
    int error;
    std::string_view text;
    bool readsBack;
};

std::ostream& operator<<(std::ostream& os, const TopCase& c) {
    return os << c.name;
}

constexpr TopCase kTopOfRange[] = {
    // "Метр" to "Дюйм" and to "Четверть": x * F[b].
    {"metres, largest text that reads back", L, 1, 2, "4.566140562550277E306", 0,
     "1.79769313486231E+308", true},
    {"metres, first text past the largest double", L, 1, 2, "4.566140562550278E306", 0,
     "1.79769313486232E+308", false},
    {"metres, negative text past it", L, 1, 2, "-4.566140562550278E306", 0,
     "-1.79769313486232E+308", false},
    {"metres to quarters", L, 1, 9, "3.196298393785197E307", 0, "1.79769313486232E+308", false},
    {"metres, arithmetic overflow", L, 1, 2, "4.56614056255028E306", 6, "", false},
    // "Цельсий" to "Фаренгейт": x * 1.8 + 32.
    {"Celsius, largest text that reads back", T, 1, 2, "9.987184082568416E307", 0,
     "1.79769313486231E+308", true},
    {"Celsius, first text past the largest double", T, 1, 2, "9.987184082568418E307", 0,
     "1.79769313486232E+308", false},
    {"Celsius, negative text past it", T, 1, 2, "-9.987184082568418E307", 0,
     "-1.79769313486232E+308", false},
    {"Celsius, arithmetic overflow", T, 1, 2, "9.987184082568422E307", 6, "", false},
};

class TopOfRange : public testing::TestWithParam<TopCase> {};

TEST_P(TopOfRange, WritesEveryFiniteResultUnderBothSeparators) {
    const TopCase& c = GetParam();
    for (const bool comma : {false, true}) {
        SCOPED_TRACE(comma ? "\",\" settings" : "\".\" settings");
        const NumberSettings settings = comma ? russianSettings() : pointSettings();
        const auto local = [&](std::string_view text) {
            return comma ? withComma(text) : std::string(text);
        };
        const Conversion result =
            ConvertQuantity(c.category, c.from, c.to, local(c.quantity), settings);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.text, local(c.text));
        if (!result.ok())
            continue;
        EXPECT_EQ(readBack(result.text, settings), c.readsBack ? result.text : "error 6");
    }
}

INSTANTIATE_TEST_SUITE_P(Contract, TopOfRange, testing::ValuesIn(kTopOfRange),
                         [](const auto& info) {
                             return zelvano::test::wordsName(info.param.name);
                         });

// Every ordered pair of every category converts ordinary and extreme
// quantities to a number text, never "inf", "nan" or an empty text. Each text
// reads back to itself, but for the text above the largest double.
TEST(ConvertQuantityAllPairs, GiveNumberTextsOrOverflow) {
    const std::string_view quantities[] = {"1", "-273.16", "1E-300", "1.5E300", "0"};
    int pairs = 0;
    for (const CategoryTable& table : categoryTables()) {
        for (const Unit& a : table.units) {
            for (const Unit& b : table.units) {
                if (a.index == b.index)
                    continue;
                ++pairs;
                for (const std::string_view q : quantities) {
                    const Conversion r =
                        ConvertQuantity(table.category, a.index, b.index, q, pointSettings());
                    if (!r.ok()) {
                        EXPECT_EQ(r.error, RuntimeError::Overflow) << a.caption << " " << q;
                        continue;
                    }
                    EXPECT_EQ(readBack(r.text, pointSettings()),
                              aboveLargestDouble(r.text) ? "error 6" : r.text);
                }
            }
        }
    }
    EXPECT_EQ(pairs, 306 + 272 + 132 + 90 + 20 + 56 + 30 + 6);
}

} // namespace
} // namespace zelvano::convert::test
