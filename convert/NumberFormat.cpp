#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>

// A double rounded to 15 significant digits, written positionally for decimal
// exponents -4 to 14 and in the form d.dddE+XX otherwise. The rounding is
// std::to_chars' (exact decimal expansion, halfway cases to even), so the
// digits never depend on the C library or the process locale.

namespace zelvano::convert::detail {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kMinPositionalExponent = -4;
constexpr int kMaxPositionalExponent = 14;

char* put(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

} // namespace

std::size_t formatQuantity(double value, std::string_view decimalSeparator, char* out) {
    char* p = out;
    if (value == 0) { // also -0
        *p++ = '0';
        return 1;
    }

    // "d.dddddddddddddde±XXX": 15 digits rounded from the exact binary value.
    char sci[32];
    const auto res = std::to_chars(sci, sci + sizeof sci, std::fabs(value),
                                   std::chars_format::scientific, kSignificantDigits - 1);
    char digits[kSignificantDigits];
    digits[0] = sci[0];
    std::memcpy(digits + 1, sci + 2, kSignificantDigits - 1);
    const char* e = sci + 2 + (kSignificantDigits - 1) + 1; // past the 'e'
    int exponent = 0;
    std::from_chars(e + (*e == '+' ? 1 : 0), res.ptr, exponent);

    int count = kSignificantDigits;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    if (value < 0)
        *p++ = '-';

    if (exponent >= kMinPositionalExponent && exponent <= kMaxPositionalExponent) {
        if (exponent < 0) {
            *p++ = '0';
            p = put(p, decimalSeparator);
            for (int z = -1; z > exponent; --z)
                *p++ = '0';
            p = put(p, {digits, static_cast<std::size_t>(count)});
        } else {
            const int integerDigits = exponent + 1;
            for (int k = 0; k < integerDigits; ++k)
                *p++ = k < count ? digits[k] : '0';
            if (count > integerDigits) {
                p = put(p, decimalSeparator);
                p = put(p,
                        {digits + integerDigits, static_cast<std::size_t>(count - integerDigits)});
            }
        }
        return static_cast<std::size_t>(p - out);
    }

    *p++ = digits[0];
    if (count > 1) {
        p = put(p, decimalSeparator);
        p = put(p, {digits + 1, static_cast<std::size_t>(count - 1)});
    }
    *p++ = 'E';
    *p++ = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        *p++ = '0';
    p = std::to_chars(p, p + 4, magnitude).ptr;
    return static_cast<std::size_t>(p - out);
}

} // namespace zelvano::convert::detail
