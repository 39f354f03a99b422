// Batch input cut into lines, whatever pieces it arrives in. Runs in-process,
// so it runs on every platform.

#include "BatchFramer.h"
#include "BatchProtocol.h"

#include <gtest/gtest.h>

namespace zelvano::cli::test {
namespace {

// Every way of cutting a short input in two or three pieces, with a small
// limit so that lines at, over and under it meet the cuts.
TEST(BatchFramer, AnswersDoNotDependOnWhereTheInputIsCut) {
    const convert::NumberSettings settings{".", ","};
    constexpr std::size_t kLimit = 13;
    const std::string input = "length\t1\t17\t2\r\n"   // 13 bytes before "\r\n": at the limit
                              "length\t1\t17\t21\n"    // 14: over it
                              "length\t1\t17\t2\r\r\n" // 14 with one '\r' kept: over
                              "\n\r\n"
                              "area\t1\t1\t\t\n"
                              "length\t1\t17\t3"; // no line end
    const auto answersFor = [&](std::initializer_list<std::size_t> cuts) {
        cli::BatchFramer framer(settings, kLimit);
        std::string answers;
        std::size_t from = 0;
        for (const std::size_t cut : cuts) {
            framer.feed(std::string_view(input).substr(from, cut - from), answers);
            from = cut;
        }
        framer.feed(std::string_view(input).substr(from), answers);
        framer.finish(answers);
        return answers;
    };
    std::string overlong;
    cli::answerOverlongLine(overlong, kLimit);
    std::string oneField;
    cli::answerBatchLine("", settings, oneField);
    std::string fiveFields;
    cli::answerBatchLine("area\t1\t1\t\t", settings, fiveFields);
    const std::string whole = answersFor({});
    EXPECT_EQ(whole,
              "ok\t2000\n" + overlong + overlong + oneField + oneField + fiveFields + "ok\t3000\n");
    for (std::size_t a = 0; a <= input.size(); ++a) {
        ASSERT_EQ(answersFor({a}), whole) << "cut at " << a;
        for (std::size_t b = a; b <= input.size(); b += 3)
            ASSERT_EQ(answersFor({a, b}), whole) << "cuts at " << a << ", " << b;
    }
}

} // namespace
} // namespace zelvano::cli::test
