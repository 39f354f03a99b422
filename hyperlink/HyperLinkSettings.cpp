// Saving and loading a HyperLink's design-time settings as a name-value list.

#include "HyperLink.h"

#include "StoredValue.h"

#include <QFont>
#include <QMetaEnum>
#include <QMetaProperty>

#include <optional>

namespace {

std::optional<QString> readText(const QVariant& value) {
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray)
        return value.toString();
    return std::nullopt;
}

std::optional<bool> readBool(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (ok && value.typeId() != QMetaType::QString)
        return number != 0;
    return std::nullopt;
}

// A value of the property's enumeration, by its number.
std::optional<int> readChoice(const QVariant& value, const QMetaEnum& choices) {
    const auto number = zelvano::storedInt32(value);
    if (number && choices.valueToKey(*number))
        return *number;
    return std::nullopt;
}

std::optional<QFont> readFont(const QVariant& value) {
    if (value.typeId() == QMetaType::QFont)
        return value.value<QFont>();
    QFont font;
    if (value.typeId() == QMetaType::QString && font.fromString(value.toString()))
        return font;
    return std::nullopt;
}

// A stored value as the property takes it; nothing when it is missing or
// unusable.
std::optional<QVariant> readStored(const QVariant& value, const QMetaProperty& property) {
    const auto wrap = [](const auto& read) -> std::optional<QVariant> {
        if (read)
            return QVariant::fromValue(*read);
        return std::nullopt;
    };
    if (property.isEnumType())
        return wrap(readChoice(value, property.enumerator()));
    switch (property.metaType().id()) {
    case QMetaType::QString:
        return wrap(readText(value));
    case QMetaType::Bool:
        return wrap(readBool(value));
    case QMetaType::QFont:
        return wrap(readFont(value));
    default:
        return wrap(zelvano::storedInt32(value));
    }
}

// Saved settings are the stored properties, under their names.
template <typename Visit> void forEachStored(Visit visit) {
    zelvano::forEachStoredProperty(HyperLink::staticMetaObject, visit);
}

bool isFont(const QMetaProperty& property) {
    return property.metaType().id() == QMetaType::QFont;
}

} // namespace

QVariantMap HyperLink::saveSettings() const {
    QVariantMap settings;
    forEachStored([&](const QMetaProperty& property) {
        // A font never set follows the container's; saving it would freeze it.
        if (isFont(property) && !testAttribute(Qt::WA_SetFont))
            return;
        const QVariant value = property.read(this);
        settings.insert(QString::fromLatin1(property.name()),
                        property.isEnumType() ? QVariant(value.toInt()) : value);
    });
    return settings;
}

// What is missing or unusable takes the value a new control has; a font, the
// container's.
void HyperLink::loadSettings(const QVariantMap& settings) {
    const HyperLink fresh;
    forEachStored([&](const QMetaProperty& property) {
        const auto stored =
            readStored(settings.value(QString::fromLatin1(property.name())), property);
        if (stored)
            property.write(this, *stored);
        else
            property.write(this, isFont(property) ? QVariant(QFont()) : property.read(&fresh));
    });
}
