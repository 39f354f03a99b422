#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano::cli {

// Exit codes of zelvano-convert.
namespace Exit {
inline constexpr int Ok = 0;
inline constexpr int ConversionError = 1;
inline constexpr int EmptyQuantity = 2;
inline constexpr int Usage = 64; // unknown option, category or unit; wrong arguments
inline constexpr int InputOutput = 74;
} // namespace Exit

enum class Mode { Convert, Batch, List, Help, Version };

// What the arguments ask for. Only the spellings listed in the help are
// options, so a negative quantity such as "-40" needs no "--" before it.
struct CommandLine {
    Mode mode = Mode::Convert;
    std::optional<std::string_view> locale;
    std::optional<std::string_view> listCategory;
    std::vector<std::string_view> operands;
    std::string error; // not empty: the arguments are wrong
};

CommandLine parseCommandLine(std::span<const std::string_view> args);

// The text of --help.
std::string_view helpText();

} // namespace zelvano::cli
