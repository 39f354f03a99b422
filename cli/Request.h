#pragma once

#include "Convert.h"

#include <string>
#include <string_view>
#include <variant>

namespace zelvano::cli {

// A category or unit name that matches nothing, or matches several units;
// the message names the valid choices.
struct UsageProblem {
    std::string message;
};

// All names were found but the quantity is empty: the window's prompt case.
struct EmptyQuantity {};

// What became of one request; a Conversion may still carry a numbered error.
using Resolution = std::variant<UsageProblem, EmptyQuantity, convert::Conversion>;

// Resolves CATEGORY FROM TO QUANTITY as both the single conversion and a
// batch line ask it; each form only words the outcome its own way.
Resolution resolveRequest(std::string_view category, std::string_view from, std::string_view to,
                          std::string_view quantity, const convert::NumberSettings& settings);

} // namespace zelvano::cli
