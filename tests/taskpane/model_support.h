#pragma once

// Helpers shared by the object-model tests.

#include "RuntimeErrors.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace modeltest {

// The numbered error `f` raises, or none.
template <class F> std::optional<zelvano::NumberedError> errorOf(F&& f) {
    try {
        f();
    } catch (const zelvano::NumberedError& e) {
        return e;
    }
    return std::nullopt;
}

inline int errorNumberOf(const std::optional<zelvano::NumberedError>& e) {
    return e ? e->number() : 0;
}

// The test program's name, as error sources start with it.
inline const std::string kProgram = "taskpane_model_tests";

} // namespace modeltest
