#pragma once

#include <string_view>

namespace zelvano::convert {

// Whether the user reads messages in Russian, by the locale that governs
// messages: the first of LC_ALL, LC_MESSAGES and LANG that is set ("ru_RU.UTF-8",
// "ru"). The window itself is always Russian; this decides only the texts of
// the command lines (help, usage messages), which are English otherwise.
// Where none of them is set, the system's own choice counts (on Windows the
// display language; elsewhere there is none, and messages are English).
bool russianMessages();

// The system's choice of the messages' language, apart from the variables.
bool systemPrefersRussian();

// The same decision for a given locale name; empty, "C" and "POSIX" are not Russian.
bool isRussianLocaleName(std::string_view name);

} // namespace zelvano::convert
