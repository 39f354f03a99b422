#pragma once

#include <string_view>

namespace zelvano {

// The window's prompts, also printed by the command-line tool, which never
// translates them: scripts written against the window's wording match both.

// Prompt for a conversion asked with an empty quantity.
inline constexpr std::string_view kEmptyQuantityPrompt = "Введите количество!";

// Lead of a trapped numbered error's prompt, followed by the number, a line
// break and the description.
inline constexpr std::string_view kErrorPromptLead = "Произошла ошибка № ";

} // namespace zelvano
