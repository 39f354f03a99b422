#include "StoredValue.h"

#include <limits>

namespace zelvano {

std::optional<std::int32_t> storedInt32(const QVariant& value) {
    if (!value.isValid() || value.typeId() == QMetaType::Bool)
        return std::nullopt;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > static_cast<qlonglong>(std::numeric_limits<std::uint32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

} // namespace zelvano
