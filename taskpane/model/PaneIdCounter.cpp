#include "model/PaneIdCounter.h"

#include <limits>

namespace zelvano::pane {

namespace {

// The pane lives on the GUI thread only, like the toolkit's controls.
std::int32_t idCounter = 0;

std::int32_t successor(std::int32_t id) {
    if (id == std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::min() + 1;
    return id == -1 ? 1 : id + 1;
}

} // namespace

std::int32_t peekNextId() {
    return successor(idCounter);
}

std::int32_t takeNextId() {
    idCounter = successor(idCounter);
    return idCounter;
}

void setIdCounter(std::int32_t lastIssued) {
    idCounter = lastIssued;
}

} // namespace zelvano::pane
