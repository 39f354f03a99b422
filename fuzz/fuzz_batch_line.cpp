// Fuzzes what zelvano-convert does with --batch input, and the engine's
// ParseQuantity and ConvertQuantity under it. The first input byte picks the
// locale, the second how the rest is cut into reads; the rest is the input.
// Checked, besides the sanitizers' findings:
// - exactly one answer per line, of one of the four kinds;
// - the same answers however the input is cut, also at a small line limit;
// - an "ok" text parses back in the same locale and formats to itself,
//   unless it is the copy of equal units, and so does the text of every number
//   ParseQuantity gives; the one exception is the text above the largest
//   double, which parses as error 6;
// - ParseQuantity gives a finite number or error 13 or 6.

#include "BatchFramer.h"
#include "BatchProtocol.h"
#include "LocaleNumbers.h"
#include "NameLookup.h"

#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

using namespace zelvano;
using namespace zelvano::convert;

namespace {

std::vector<NumberSettings> locales;

[[noreturn]] void fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "invariant broken: %s: [%.*s]\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == text.npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

std::string answersOf(std::string_view input, const NumberSettings& settings, std::size_t maxLine,
                      unsigned cutSeed) {
    cli::BatchFramer framer(settings, maxLine);
    std::string answers;
    // Piece sizes from 1 up, varied by the seed; seed 0 is the whole input at once.
    for (std::size_t piece = cutSeed % 13 + 1; cutSeed != 0 && !input.empty();
         piece = piece * 3 % 17 + 1) {
        const std::size_t n = std::min(piece, input.size());
        framer.feed(input.substr(0, n), answers);
        input.remove_prefix(n);
    }
    framer.feed(input, answers);
    framer.finish(answers);
    return answers;
}

bool equalUnits(std::string_view line) {
    const auto fields = split(line, '\t');
    if (fields.size() != 4)
        return false;
    const auto category = cli::findCategory(fields[0]);
    if (!category)
        return false;
    const CategoryTable& table = categoryTable(*category);
    const int from = cli::findUnit(table, fields[1]);
    return from != 0 && from == cli::findUnit(table, fields[2]);
}

// The 15 digits of a value within half a last digit of the largest double
// round past it: that text alone stands for a number beyond the range.
bool aboveLargestDouble(std::string_view text, const NumberSettings& settings) {
    const double max = std::numeric_limits<double>::max();
    return text == FormatQuantity(max, settings) || text == FormatQuantity(-max, settings);
}

void checkReadsBack(std::string_view text, const NumberSettings& settings) {
    try {
        if (FormatQuantity(ParseQuantity(text, settings), settings) != text)
            fail("a number text does not format back to itself", text);
    } catch (const NumberedError& e) {
        if (e.number() != RuntimeError::Overflow || !aboveLargestDouble(text, settings))
            fail("a number text does not parse back", text);
    }
}

void checkParse(std::string_view text, const NumberSettings& settings) {
    double x = 0;
    try {
        x = ParseQuantity(text, settings);
    } catch (const NumberedError& e) {
        if (e.number() != RuntimeError::TypeMismatch && e.number() != RuntimeError::Overflow)
            fail("ParseQuantity raised an unexpected error", e.what());
        return;
    }
    if (!std::isfinite(x))
        fail("ParseQuantity gave a number that is not finite", text);
    checkReadsBack(FormatQuantity(x, settings), settings);
}

void checkAnswers(std::string_view input, std::string_view answers,
                  const NumberSettings& settings) {
    std::vector<std::string_view> lines = split(input, '\n');
    if (lines.back().empty())
        lines.pop_back(); // the input ended with a line end
    std::vector<std::string_view> replies = split(answers, '\n');
    if (!replies.back().empty())
        fail("the answers do not end with a line end", answers);
    replies.pop_back();
    if (replies.size() != lines.size())
        fail("not one answer per line", input);

    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i], reply = replies[i];
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (reply.starts_with("ok\t")) {
            if (!equalUnits(line))
                checkReadsBack(reply.substr(3), settings);
        } else if (!reply.starts_with("error\t") && reply != "empty" &&
                   !reply.starts_with("usage\t")) {
            fail("an answer of no known kind", reply);
        }
        if (line.size() <= cli::kMaxBatchLine) {
            const auto fields = split(line, '\t');
            checkParse(fields.back(), settings);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (const char* name :
         {"C", "en_US", "ru_RU", "de_DE", "fr_FR", "de_CH", "ar_EG", "hi_IN", "fa_IR", "bn_BD"})
        locales.push_back(numberSettings(QLocale(QString::fromLatin1(name))));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const NumberSettings& settings = locales[data[0] % locales.size()];
    const unsigned cutSeed = data[1];
    const std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);

    const std::string whole = answersOf(input, settings, cli::kMaxBatchLine, 0);
    checkAnswers(input, whole, settings);
    if (answersOf(input, settings, cli::kMaxBatchLine, cutSeed | 1) != whole)
        fail("the answers depend on how the input is cut", input);

    // A small limit brings the overlong-line path within the fuzzer's reach.
    constexpr std::size_t kSmallLimit = 24;
    if (answersOf(input, settings, kSmallLimit, 0) !=
        answersOf(input, settings, kSmallLimit, cutSeed | 1))
        fail("the answers at a small limit depend on how the input is cut", input);
    return 0;
}
