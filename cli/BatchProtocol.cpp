#include "BatchProtocol.h"

#include "NameLookup.h"
#include "Wording.h"

#include <array>
#include <charconv>

namespace zelvano::cli {

namespace {

constexpr std::size_t kFieldCount = 4;

void answerUsage(std::string& out, std::string_view message) {
    out += "usage\t";
    out += message;
    out += '\n';
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

void answerOverlongLine(std::string& out, std::size_t limit) {
    answerUsage(out, std::string(say("line longer than ", "строка длиннее ")) +
                         std::to_string(limit) + std::string(say(" bytes", " байт")));
}

} // namespace zelvano::cli
