// Names echoed in messages: readable text as it stands, anything else escaped.

#include "EchoText.h"

#include <gtest/gtest.h>

namespace zelvano::cli::test {
namespace {

TEST(EchoText, EscapesWhatIsNotPrintableUtf8) {
    const struct {
        std::string text, shown;
    } cases[] = {
        {"ru_RU.UTF-8", "ru_RU.UTF-8"},
        {"Длина €𝄞", "Длина €𝄞"},
        {"a\\b", "a\\x5Cb"},
        {"\t\x1b[2J\x7f", "\\x09\\x1B[2J\\x7F"},
        {"\xc2\x85", "\\xC2\\x85"},                   // C1 control
        {"ru\xff", "ru\\xFF"},                        // not a lead byte
        {"\xd0", "\\xD0"},                            // cut short at the end
        {"\xd0z", "\\xD0z"},                          // cut short by a plain character
        {"\xc0\xaf", "\\xC0\\xAF"},                   // overlong '/'
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"},          // surrogate
        {"\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"}, // past U+10FFFF
        {std::string("a\0b", 3), "a\\x00b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cli::escapedForEcho(c.text), c.shown) << c.shown;
}

} // namespace
} // namespace zelvano::cli::test
