#pragma once

#include "Convert.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvano::cli {

// Longer lines are answered with "usage" and skipped, so memory stays bounded.
// A line's length is counted without its line end ("\n" or "\r\n").
inline constexpr std::size_t kMaxBatchLine = 1024 * 1024;

// The answer to one batch line CATEGORY<TAB>FROM<TAB>TO<TAB>QUANTITY (without
// its line end), appended to `out` with its '\n': "ok<TAB>TEXT",
// "error<TAB>N<TAB>DESCRIPTION", "empty" or "usage<TAB>MESSAGE".
void answerBatchLine(std::string_view line, const convert::NumberSettings& settings, std::string& out);

// The answer for a line longer than `limit` bytes.
void answerOverlongLine(std::string& out, std::size_t limit = kMaxBatchLine);

} // namespace zelvano::cli
