#pragma once

// Arguments that take "an index or a key": a QVariant holding a number (a
// 1-based position) or text (a key). A missing argument is an invalid QVariant.

#include <QVariant>

#include <cstdint>
#include <optional>

namespace zelvano::pane {

enum class ArgKind { Missing, Number, Text, Other };

ArgKind argKind(const QVariant& arg);

// The number as a 32-bit integer, rounded half to even like the toolkit's
// conversions; none when it is not a number or does not fit.
std::optional<std::int32_t> argNumber(const QVariant& arg);

} // namespace zelvano::pane
