#include "RuntimeErrors.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zelvano {

namespace {

struct ErrorText {
    int number;
    std::string_view description;
};

constexpr std::array kErrorTexts{
    ErrorText{RuntimeError::InvalidCall, "Invalid procedure call or argument"},
    ErrorText{RuntimeError::Overflow, "Overflow"},
    ErrorText{RuntimeError::OutOfMemory, "Out of memory"},
    ErrorText{RuntimeError::SubscriptOutOfRange, "Subscript out of range"},
    ErrorText{RuntimeError::DivisionByZero, "Division by zero"},
    ErrorText{RuntimeError::TypeMismatch, "Type mismatch"},
    ErrorText{RuntimeError::ObjectUnloaded, "Object was unloaded"},
    ErrorText{RuntimeError::DuplicateKey,
              "This key is already associated with an element of this collection"},
};

} // namespace

NumberedError::NumberedError(int number, std::string description, std::string source)
    : std::runtime_error(description)
    , number_(number)
    , description_(std::move(description))
    , source_(std::move(source)) {}

std::string_view runtimeErrorDescription(int number) {
    const auto it = std::find_if(kErrorTexts.begin(), kErrorTexts.end(),
                                 [number](const ErrorText& e) { return e.number == number; });
    return it != kErrorTexts.end() ? it->description : std::string_view("Unknown error");
}

void raiseRuntimeError(int number, std::string source) {
    throw NumberedError(number, std::string(runtimeErrorDescription(number)), std::move(source));
}

} // namespace zelvano
