#pragma once

#include "CommonExport.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace zelvano {

// A failure as the user and host programs see it: a number, a description and
// the name of the place that raised it. Every part of the program throws this.
class ZELVANO_COMMON_EXPORT NumberedError : public std::runtime_error {
public:
    NumberedError(int number, std::string description, std::string source = {});

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const std::string& source() const noexcept { return source_; }

private:
    int number_;
    std::string description_;
    std::string source_;
};

// Run-time error numbers of the windowing toolkit that the program uses.
namespace RuntimeError {
inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int ObjectUnloaded = 364;
inline constexpr int DuplicateKey = 457;
} // namespace RuntimeError

// The toolkit's description text for a run-time error number ("Unknown error"
// for a number the table does not hold).
ZELVANO_COMMON_EXPORT std::string_view runtimeErrorDescription(int number);

// Throws NumberedError with the toolkit's description of `number`.
[[noreturn]] ZELVANO_COMMON_EXPORT void raiseRuntimeError(int number, std::string source = {});

} // namespace zelvano
