#pragma once

#include <string>
#include <string_view>

namespace zelvano::cli {

// `text` as it may be shown in a message: valid UTF-8 characters as they
// stand; control characters, bytes that are not UTF-8 and the backslash as
// \xNN, so that what a user typed is shown unambiguously and a terminal
// is never fed raw bytes.
std::string escapedForEcho(std::string_view text);

} // namespace zelvano::cli
