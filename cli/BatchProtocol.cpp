#include "BatchProtocol.h"

#include "Request.h"
#include "Wording.h"

#include <array>
#include <charconv>
#include <variant>

namespace zelvano::cli {

namespace {

constexpr std::size_t kFieldCount = 4;

void answerUsage(std::string& out, std::string_view message) {
    out += "usage\t";
    out += message;
    out += '\n';
}

} // namespace

void answerBatchLine(std::string_view line, const convert::NumberSettings& settings, std::string& out) {
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

    const Resolution outcome = resolveRequest(fields[0], fields[1], fields[2], fields[3], settings);
    if (const auto* problem = std::get_if<UsageProblem>(&outcome)) {
        answerUsage(out, problem->message);
        return;
    }
    if (std::holds_alternative<EmptyQuantity>(outcome)) {
        out += "empty\n";
        return;
    }
    const auto& result = std::get<convert::Conversion>(outcome);
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

void answerOverlongLine(std::string& out, std::size_t limit) {
    answerUsage(out, std::string(say("line longer than ", "строка длиннее ")) +
                         std::to_string(limit) + std::string(say(" bytes", " байт")));
}

} // namespace zelvano::cli
