#pragma once

// Values read back from the controls' stored settings, which a form, a file
// or a host program may have written with types of its own.

#include "CommonExport.h"

#include <QMetaObject>
#include <QMetaProperty>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace zelvano {

// A stored 32-bit value: any whole number that fits 32 bits, signed or
// unsigned, so that 0x8000000D arrives alike as 2147483661 and as
// -2147483635. Nothing for an empty value, a boolean, a list or anything
// else that is no number within that range.
ZELVANO_COMMON_EXPORT std::optional<std::int32_t> storedInt32(const QVariant& value);

// A control's stored settings are its own properties marked stored, in the
// order they are declared.
template <typename Visit> void forEachStoredProperty(const QMetaObject& meta, Visit visit) {
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        if (const QMetaProperty property = meta.property(i); property.isStored())
            visit(property);
}

} // namespace zelvano
