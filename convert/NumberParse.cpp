#include "NumberText.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <memory>

// Text to double under a locale's separators. The grammar is checked here and
// the digits are handed to std::from_chars, which rounds to the nearest double
// and, unlike strtod and QLocale::toDouble, ignores the process locale and
// never reads "inf" or "nan" (the grammar already rules those out).

namespace zelvano::convert::detail {

namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kNarrowNoBreakSpace = "\u202F";
constexpr std::string_view kMinusSign = "\u2212";

// Past these decimal magnitudes no digit string can reach a finite nonzero double.
constexpr std::int64_t kSurelyOverflows = 400;
constexpr std::int64_t kSurelyUnderflows = -400;
constexpr std::int64_t kExponentCap = std::int64_t{1} << 52;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of `token` if `s` continues with it at `i`, else 0. The first byte
// is tested first: most characters are digits and never reach the comparison.
std::size_t matchAt(std::string_view s, std::size_t i, std::string_view token) {
    return !token.empty() && i < s.size() && s[i] == token[0] && s.substr(i).starts_with(token)
               ? token.size()
               : 0;
}

// The blanks around a number: space, tab and the no-break spaces that
// locales use between digit groups.
std::size_t blankAt(std::string_view s, std::size_t i) {
    if (i >= s.size())
        return 0;
    if (s[i] == ' ' || s[i] == '\t')
        return 1;
    if (const std::size_t n = matchAt(s, i, kNoBreakSpace))
        return n;
    return matchAt(s, i, kNarrowNoBreakSpace);
}

std::size_t blankBefore(std::string_view s) {
    if (s.empty())
        return 0;
    if (s.back() == ' ' || s.back() == '\t')
        return 1;
    if (s.ends_with(kNoBreakSpace))
        return kNoBreakSpace.size();
    if (s.ends_with(kNarrowNoBreakSpace))
        return kNarrowNoBreakSpace.size();
    return 0;
}

std::string_view trimBlanks(std::string_view s) {
    std::size_t n;
    while ((n = blankAt(s, 0)) != 0)
        s.remove_prefix(n);
    while ((n = blankBefore(s)) != 0)
        s.remove_suffix(n);
    return s;
}

bool isSpaceLike(std::string_view sep) {
    return sep == " " || sep == kNoBreakSpace || sep == kNarrowNoBreakSpace;
}

// Length of the group separator at s[i], or 0. A locale that groups with a
// space of any kind accepts all three kinds, since users type a plain space.
std::size_t groupSeparatorAt(std::string_view s, std::size_t i, std::string_view sep,
                             bool spaceLike) {
    if (const std::size_t n = matchAt(s, i, sep))
        return n;
    return spaceLike && s[i] != '\t' ? blankAt(s, i) : 0;
}

// The sign, if any; returns its length and sets `negative`.
std::size_t signAt(std::string_view s, std::size_t i, bool& negative) {
    negative = false;
    if (i >= s.size())
        return 0;
    if (s[i] == '+')
        return 1;
    if (s[i] == '-') {
        negative = true;
        return 1;
    }
    negative = matchAt(s, i, kMinusSign) != 0;
    return negative ? kMinusSign.size() : 0;
}

// A scratch buffer for the normalized digits: on the stack for ordinary texts.
class Scratch {
public:
    explicit Scratch(std::size_t size)
        : large_(size > sizeof(small_) ? std::make_unique<char[]>(size) : nullptr)
        , data_(large_ ? large_.get() : small_) {}
    char* data() { return data_; }

private:
    char small_[128];
    std::unique_ptr<char[]> large_;
    char* data_;
};

} // namespace

int parseQuantity(std::string_view text, const NumberSettings& settings, double& out) {
    constexpr int kNotANumber = RuntimeError::TypeMismatch;
    const std::string_view s = trimBlanks(text);
    const std::string_view point = settings.decimalSeparator;
    const std::string_view group = settings.groupSeparator == settings.decimalSeparator
                                       ? std::string_view{}
                                       : settings.groupSeparator;
    const bool spaceLikeGroup = isSpaceLike(group);

    // Room for the digits, one '.', "e", a sign and a 20-digit exponent.
    Scratch scratch(s.size() + 32);
    char* const begin = scratch.data();
    char* p = begin;

    bool negative;
    std::size_t i = signAt(s, 0, negative);
    const std::size_t bodyStart = i;

    std::size_t intDigits = 0, fracDigits = 0;
    std::size_t groupDigits = 0; // digits since the last group separator
    bool grouped = false, hasPoint = false;
    std::int64_t firstSignificant = -1; // position of the first nonzero digit
    std::int64_t position = 0;          // count of mantissa digits so far

    while (i < s.size()) {
        const char c = s[i];
        if (isDigit(c)) {
            if (c != '0' && firstSignificant < 0)
                firstSignificant = position;
            *p++ = c;
            ++position;
            ++(hasPoint ? fracDigits : intDigits);
            ++groupDigits;
            ++i;
            continue;
        }
        if (!hasPoint && matchAt(s, i, point)) {
            if (grouped && groupDigits != 3)
                return kNotANumber;
            hasPoint = true;
            *p++ = '.';
            i += point.size();
            continue;
        }
        if (!hasPoint) {
            if (const std::size_t n = groupSeparatorAt(s, i, group, spaceLikeGroup)) {
                // Digit groups: 1 to 3 digits first, then exactly 3 each.
                if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3))
                    return kNotANumber;
                grouped = true;
                groupDigits = 0;
                i += n;
                continue;
            }
        }
        break;
    }
    if (intDigits + fracDigits == 0)
        return kNotANumber;
    if (grouped && !hasPoint && groupDigits != 3)
        return kNotANumber;

    const std::size_t mantissaEnd = p - begin;
    std::int64_t exponent = 0;
    bool asciiExponent = true;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool negativeExponent;
        const std::size_t signLength = signAt(s, i, negativeExponent);
        asciiExponent = signLength <= 1;
        i += signLength;
        const std::size_t expStart = i;
        while (i < s.size() && isDigit(s[i])) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (i == expStart)
            return kNotANumber;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != s.size())
        return kNotANumber;

    if (firstSignificant < 0) {
        out = negative ? -0.0 : 0.0;
        return 0;
    }
    // Decimal exponent of the first significant digit: value = d.ddd × 10^magnitude.
    const std::int64_t magnitude =
        static_cast<std::int64_t>(intDigits) - 1 - firstSignificant + exponent;
    if (magnitude > kSurelyOverflows)
        return RuntimeError::Overflow;
    if (magnitude < kSurelyUnderflows) {
        out = negative ? -0.0 : 0.0;
        return 0;
    }

    // The text itself when from_chars reads it as it stands, else the copy.
    const char* first = begin;
    const char* last = begin + mantissaEnd;
    if (!grouped && (!hasPoint || point == ".") && asciiExponent) {
        first = s.data() + bodyStart;
        last = s.data() + s.size();
    } else if (exponent != 0) {
        *p++ = 'e';
        p = std::to_chars(p, begin + s.size() + 32, exponent).ptr;
        last = p;
    }

    double value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports both ends of the range alike; the magnitude tells them apart.
        if (magnitude > 0)
            return RuntimeError::Overflow;
        value = 0;
    } else if (ec != std::errc{} || end != last) {
        return kNotANumber;
    }
    out = negative ? -value : value;
    return 0;
}

} // namespace zelvano::convert::detail
