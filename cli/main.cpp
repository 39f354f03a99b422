// zelvano-convert: the conversion engine on the command line.

#include "BatchStream.h"
#include "CommandLine.h"
#include "LocaleOption.h"
#include "NameLookup.h"
#include "ProcessIo.h"
#include "Prompts.h"
#include "Request.h"
#include "UnitList.h"
#include "Wording.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

namespace zelvano::cli {
namespace {

constexpr std::string_view kProgram = "zelvano-convert";
// The standard descriptors have these numbers under every C run time.
constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

void print(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int usageError(std::string_view message) {
    print(stderr, std::string(kProgram) + ": " + std::string(message) + '\n' +
                      std::string(say("More: ", "Подробнее: ")) + std::string(kProgram) +
                      " --help\n");
    return Exit::Usage;
}

// Says why reading or writing failed (errno), for scripts that see only the exit code.
int inputOutputError() {
    print(stderr, std::string(kProgram) + ": " + std::strerror(errno) + '\n');
    return Exit::InputOutput;
}

int listCategories() {
    print(stdout, categoryList());
    return Exit::Ok;
}

int listUnits(std::string_view categoryName) {
    const auto category = findCategory(categoryName);
    if (!category)
        return usageError(unknownCategoryMessage(categoryName));
    print(stdout, unitList(convert::categoryTable(*category)));
    return Exit::Ok;
}

// Said after "not a number": the separator that the quantity was read with.
std::string numberFormatHint(const convert::NumberSettings& settings) {
    const std::string& point = settings.decimalSeparator;
    return std::string(kProgram) + ": " +
           std::string(say("a number here has \"", "число здесь пишется с \"")) + point +
           std::string(say("\" as its decimal separator, as in -1",
                           "\" в качестве десятичного разделителя, например -1")) +
           point +
           std::string(say("5E-3; --locale chooses another format\n",
                           "5E-3; другой формат задаёт --locale\n"));
}

int convertOne(const CommandLine& line, const convert::NumberSettings& settings) {
    const Resolution outcome = resolveRequest(line.operands[0], line.operands[1], line.operands[2],
                                              line.operands[3], settings);
    if (const auto* problem = std::get_if<UsageProblem>(&outcome))
        return usageError(problem->message);
    if (std::holds_alternative<EmptyQuantity>(outcome)) {
        print(stderr, std::string(kEmptyQuantityPrompt) + '\n');
        return Exit::EmptyQuantity;
    }
    const auto& result = std::get<convert::Conversion>(outcome);
    if (!result.ok()) {
        print(stderr, std::string(kErrorPromptLead) + std::to_string(result.error) + '\n' +
                          result.description + '\n');
        if (result.error == RuntimeError::TypeMismatch)
            print(stderr, numberFormatHint(settings));
        return Exit::ConversionError;
    }
    print(stdout, result.text + '\n');
    return Exit::Ok;
}

int run(int argc, char** argv) {
    process::prepareStandardStreams();
    const std::vector<std::string> arguments = process::arguments(argc, argv);
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
    const CommandLine line = parseCommandLine(args);
    if (!line.error.empty())
        return usageError(line.error);
    std::string localeError;
    const auto settings = localeSettings(line.locale, localeError);
    if (!settings)
        return usageError(localeError);

    int status = Exit::Ok;
    switch (line.mode) {
    case Mode::Help:
        print(stdout, helpText());
        break;
    case Mode::Version:
        print(stdout, std::string(kProgram) + ' ' + ZELVANO_VERSION_TEXT + '\n');
        break;
    case Mode::List:
        status = line.listCategory ? listUnits(*line.listCategory) : listCategories();
        break;
    case Mode::Convert:
        status = convertOne(line, *settings);
        break;
    case Mode::Batch:
        if (!runBatch(kStandardInput, kStandardOutput, *settings))
            status = inputOutputError();
        break;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        status = inputOutputError();
    return status;
}

} // namespace
} // namespace zelvano::cli

int main(int argc, char** argv) {
    return zelvano::cli::run(argc, argv);
}
