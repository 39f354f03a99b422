#pragma once

#include <string_view>

namespace zelvano::cli {

// The command line's own texts exist in English and in Russian; the locale
// that governs messages picks one, once per process. The window's prompts
// (Prompts.h) are not the command line's own and are never translated.
std::string_view say(std::string_view english, std::string_view russian);

} // namespace zelvano::cli
