#include "BatchProtocol.h"

#include "NameLookup.h"
#include "Wording.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <vector>

namespace zelvano::cli {

namespace {

constexpr std::size_t kFieldCount = 4;
constexpr std::size_t kReadBlock = 64 * 1024;
constexpr std::size_t kFlushAt = 64 * 1024;
// Longer lines are answered with "usage" and skipped, so memory stays bounded.
constexpr std::size_t kMaxLine = 1024 * 1024;

void answerUsage(std::string& out, std::string_view message) {
    out += "usage\t";
    out += message;
    out += '\n';
}

bool writeAll(int fd, std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    data.clear();
    return true;
}

// True when a read would return at once: no reason to flush before it.
bool inputReady(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

std::string_view withoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

void answerBatchLine(std::string_view line, const NumberSettings& settings, std::string& out) {
    std::array<std::string_view, kFieldCount> fields;
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const std::size_t tab = line.find('\t', start);
        if (count < kFieldCount)
            fields[count] = line.substr(start, tab == line.npos ? line.npos : tab - start);
        if (tab == line.npos)
            break;
        start = tab + 1;
    }
    if (++count != kFieldCount) {
        answerUsage(out, std::string(say("4 fields separated by tabs expected: CATEGORY, FROM, TO, "
                                         "QUANTITY; got ",
                                         "ожидается 4 поля через табуляцию: КАТЕГОРИЯ, ИЗ, В, "
                                         "КОЛИЧЕСТВО; получено ")) +
                             std::to_string(count));
        return;
    }

    const auto category = findCategory(fields[0]);
    if (!category) {
        answerUsage(out, unknownCategoryMessage(fields[0]));
        return;
    }
    const CategoryTable& table = categoryTable(*category);
    const int from = findUnit(table, fields[1]);
    if (!from) {
        answerUsage(out, unknownUnitMessage(table, fields[1]));
        return;
    }
    const int to = findUnit(table, fields[2]);
    if (!to) {
        answerUsage(out, unknownUnitMessage(table, fields[2]));
        return;
    }
    if (fields[3].empty()) {
        out += "empty\n";
        return;
    }

    const Conversion result = ConvertQuantity(*category, from, to, fields[3], settings);
    if (result.ok()) {
        out += "ok\t";
        out += result.text;
    } else {
        char number[16];
        out += "error\t";
        out.append(number, std::to_chars(number, number + sizeof number, result.error).ptr);
        out += '\t';
        out += result.description;
    }
    out += '\n';
}

void answerOverlongLine(std::string& out) {
    answerUsage(out, std::string(say("line longer than ", "строка длиннее ")) +
                         std::to_string(kMaxLine) + std::string(say(" bytes", " байт")));
}

bool runBatch(int inFd, int outFd, const NumberSettings& settings) {
    const bool interactive = ::isatty(inFd) == 1;
    std::vector<char> buffer(kReadBlock);
    std::size_t begin = 0, end = 0;
    bool skipping = false; // inside an overlong line, until its end
    std::string answers;
    answers.reserve(kFlushAt + kReadBlock);

    for (;;) {
        while (const void* found = std::memchr(buffer.data() + begin, '\n', end - begin)) {
            const auto newline =
                static_cast<std::size_t>(static_cast<const char*>(found) - buffer.data());
            if (skipping) {
                answerOverlongLine(answers);
                skipping = false;
            } else {
                answerBatchLine(withoutCarriageReturn({buffer.data() + begin, newline - begin}),
                                settings, answers);
            }
            begin = newline + 1;
            if ((interactive || answers.size() >= kFlushAt) && !writeAll(outFd, answers))
                return false;
        }

        // Keep the unfinished line at the front of the buffer.
        std::memmove(buffer.data(), buffer.data() + begin, end - begin);
        end -= begin;
        begin = 0;
        if (end > kMaxLine) {
            skipping = true;
            end = 0;
        }
        if (buffer.size() - end < kReadBlock)
            buffer.resize(end + kReadBlock);

        if (!answers.empty() && !inputReady(inFd) && !writeAll(outFd, answers))
            return false;
        const ssize_t n = ::read(inFd, buffer.data() + end, buffer.size() - end);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        end += static_cast<std::size_t>(n);
    }

    // A last line without its line end still gets its answer.
    if (skipping)
        answerOverlongLine(answers);
    else if (end > 0)
        answerBatchLine(withoutCarriageReturn({buffer.data(), end}), settings, answers);
    return writeAll(outFd, answers);
}

} // namespace zelvano::cli
