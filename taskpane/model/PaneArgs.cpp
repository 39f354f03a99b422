#include "model/PaneArgs.h"

#include <cmath>
#include <limits>

namespace zelvano::pane {

ArgKind argKind(const QVariant& arg) {
    if (!arg.isValid())
        return ArgKind::Missing;
    switch (arg.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Float:
    case QMetaType::Double:
        return ArgKind::Number;
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QChar:
        return ArgKind::Text;
    default:
        return ArgKind::Other;
    }
}

std::optional<std::int32_t> argNumber(const QVariant& arg) {
    if (argKind(arg) != ArgKind::Number)
        return std::nullopt;
    // A true Boolean is -1 in the toolkit's arithmetic.
    if (arg.typeId() == QMetaType::Bool)
        return arg.toBool() ? -1 : 0;
    bool ok = false;
    const double value = arg.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // default mode: halves to even
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

} // namespace zelvano::pane
