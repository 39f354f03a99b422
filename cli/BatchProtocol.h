#pragma once

#include "Convert.h"

#include <string>
#include <string_view>

namespace zelvano::cli {

// The answer to one batch line CATEGORY<TAB>FROM<TAB>TO<TAB>QUANTITY (without
// its line end), appended to `out` with its '\n': "ok<TAB>TEXT",
// "error<TAB>N<TAB>DESCRIPTION", "empty" or "usage<TAB>MESSAGE".
void answerBatchLine(std::string_view line, const NumberSettings& settings, std::string& out);

// The answer for a line that was too long to read.
void answerOverlongLine(std::string& out);

// Answers every line of `inFd` on `outFd` until the end of input. Output is
// written in large blocks; it is flushed at the end, whenever reading would
// wait for more input, and after each line when the input is a terminal.
// Returns false when reading or writing failed (errno tells why).
bool runBatch(int inFd, int outFd, const NumberSettings& settings);

} // namespace zelvano::cli
