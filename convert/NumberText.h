#pragma once

#include "Convert.h"

#include <cstddef>
#include <string_view>

namespace zelvano::convert::detail {

// ParseQuantity without exceptions: 0 and the value in `out`, or the error
// number (13 not a number, 6 beyond the largest double).
int parseQuantity(std::string_view text, const NumberSettings& settings, double& out);

// The longest text formatQuantity can write, for a separator of `separatorSize` bytes.
constexpr std::size_t maxQuantityText(std::size_t separatorSize) {
    return 24 + separatorSize;
}

// FormatQuantity into `out` (at least maxQuantityText() bytes) for a finite
// value; returns the number of bytes written.
std::size_t formatQuantity(double value, std::string_view decimalSeparator, char* out);

} // namespace zelvano::convert::detail
