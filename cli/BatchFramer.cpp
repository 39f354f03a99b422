#include "BatchFramer.h"

namespace zelvano::cli {

BatchFramer::BatchFramer(const convert::NumberSettings& settings, std::size_t maxLine)
    : settings_(settings)
    , maxLine_(maxLine) {}

void BatchFramer::feed(std::string_view bytes, std::string& answers) {
    for (;;) {
        const std::size_t newline = bytes.find('\n');
        if (newline == bytes.npos) {
            hold(bytes);
            return;
        }
        const std::string_view piece = bytes.substr(0, newline);
        if (held_.empty() && !overlong_) {
            endLine(piece, answers); // whole in this block: no copy
        } else {
            hold(piece);
            endLine(held_, answers);
        }
        bytes.remove_prefix(newline + 1);
    }
}

void BatchFramer::finish(std::string& answers) {
    if (overlong_ || !held_.empty())
        endLine(held_, answers);
}

void BatchFramer::hold(std::string_view piece) {
    if (overlong_)
        return;
    // One byte more than the limit may still be the '\r' of "\r\n".
    if (held_.size() + piece.size() > maxLine_ + 1) {
        overlong_ = true;
        held_.clear();
        held_.shrink_to_fit();
        return;
    }
    held_ += piece;
}

void BatchFramer::endLine(std::string_view line, std::string& answers) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (overlong_ || line.size() > maxLine_)
        answerOverlongLine(answers, maxLine_);
    else
        answerBatchLine(line, settings_, answers);
    overlong_ = false;
    held_.clear();
}

} // namespace zelvano::cli
