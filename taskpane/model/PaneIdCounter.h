#pragma once

// The IdCounter: one sequence of identifiers for every bar and item of every
// task pane in the process. IDs are never reused while the process runs.

#include <cstdint>

namespace zelvano::pane {

// The ID the next bar or item will get, without taking it.
std::int32_t peekNextId();
// Takes the next ID. After 2147483647 the sequence goes on at -2147483647;
// 0 is skipped because it means "no bar/item" throughout the pane.
std::int32_t takeNextId();

// Sets the counter (the last ID issued). For tests of the wrap-around.
void setIdCounter(std::int32_t lastIssued);

} // namespace zelvano::pane
