#pragma once

#include <cstddef>

namespace zelvano::app {

// The nine panels, in the fixed order in which switching sets their visible flags.
enum class PanelId {
    Length,
    Temperature,
    Speed,
    Area,
    Weight,
    Volume,
    About,
    RadioActivity,
    Information,
};
inline constexpr std::size_t kPanelCount = 9;

} // namespace zelvano::app
