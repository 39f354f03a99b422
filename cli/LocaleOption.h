#pragma once

#include "Convert.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelvano::cli {

// The number format for --locale NAME, or the environment's (as in the
// window) when no name is given. NAME must be a locale name in the usual form
// language[_Script][_TERRITORY][.codeset][@modifier] (or C, POSIX) that the
// locale data knows; anything else fills `error` and gives nullopt.
std::optional<convert::NumberSettings> localeSettings(std::optional<std::string_view> name,
                                             std::string& error);

} // namespace zelvano::cli
