#pragma once

#include "BatchProtocol.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvano::cli {

// Cuts a --batch input into lines and answers each one. The input may come
// in pieces of any size: each line is judged by its own bytes only, so the
// same bytes give the same answers however they are split. An unfinished
// line is held up to the limit; past it only its end is looked for.
class BatchFramer {
public:
    explicit BatchFramer(const convert::NumberSettings& settings, std::size_t maxLine = kMaxBatchLine);

    // Appends to `answers` one answer for every line that `bytes` completes.
    void feed(std::string_view bytes, std::string& answers);
    // The end of input: a last line without its line end still gets its answer.
    void finish(std::string& answers);

private:
    void hold(std::string_view piece);
    void endLine(std::string_view line, std::string& answers);

    const convert::NumberSettings& settings_;
    std::size_t maxLine_;
    std::string held_;      // the unfinished line
    bool overlong_ = false; // the unfinished line is already past the limit
};

} // namespace zelvano::cli
