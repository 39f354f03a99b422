#pragma once

#include "Convert.h"

namespace zelvano::cli {

// Answers every line of `inFd` on `outFd` until the end of input. Output is
// written in large blocks; it is flushed at the end and whenever reading would
// wait for more input, so a program talking through pipes gets each answer
// before it sends the next line. Descriptors left non-blocking by the parent
// are waited for, not given up on. On a read error the answers already
// computed are written first. Returns false when reading or writing failed
// (errno tells why).
bool runBatch(int inFd, int outFd, const convert::NumberSettings& settings);

} // namespace zelvano::cli
