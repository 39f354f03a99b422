// Saving and loading a HyperLink's design-time settings as a name-value list.

#include "HyperLink.h"

#include "StoredValue.h"

#include <QFont>
#include <QMetaEnum>

#include <optional>

namespace {

std::optional<QString> readText(const QVariantMap& settings, const QString& name) {
    const QVariant value = settings.value(name);
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray)
        return value.toString();
    return std::nullopt;
}

std::optional<bool> readBool(const QVariantMap& settings, const QString& name) {
    const QVariant value = settings.value(name);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (ok && value.typeId() != QMetaType::QString)
        return number != 0;
    return std::nullopt;
}

std::optional<std::int32_t> readInt32(const QVariantMap& settings, const QString& name) {
    return zelvano::storedInt32(settings.value(name));
}

template <typename Enum>
std::optional<Enum> readChoice(const QVariantMap& settings, const QString& name) {
    const auto number = readInt32(settings, name);
    if (number && QMetaEnum::fromType<Enum>().valueToKey(*number))
        return static_cast<Enum>(*number);
    return std::nullopt;
}

std::optional<QFont> readFont(const QVariantMap& settings, const QString& name) {
    const QVariant value = settings.value(name);
    if (value.typeId() == QMetaType::QFont)
        return value.value<QFont>();
    QFont font;
    if (value.typeId() == QMetaType::QString && font.fromString(value.toString()))
        return font;
    return std::nullopt;
}

} // namespace

QVariantMap HyperLink::saveSettings() const {
    QVariantMap settings{
        {QStringLiteral("Caption"), caption()},
        {QStringLiteral("HyperLink"), hyperLink()},
        {QStringLiteral("ForeColor"), foreColor()},
        {QStringLiteral("BackColor"), backColor()},
        {QStringLiteral("HoverColor"), hoverColor()},
        {QStringLiteral("Alignment"), static_cast<int>(alignment())},
        {QStringLiteral("AutoSize"), autoSize()},
        {QStringLiteral("Appearance"), static_cast<int>(appearance())},
        {QStringLiteral("BorderStyle"), static_cast<int>(borderStyle())},
        {QStringLiteral("Enabled"), !testAttribute(Qt::WA_ForceDisabled)},
        {QStringLiteral("AutoToolTip"), autoToolTip()},
        {QStringLiteral("MOUnderline"), moUnderline()},
        {QStringLiteral("MOPointer"), moPointer()},
    };
    // A font never set follows the container's; saving it would freeze it.
    if (testAttribute(Qt::WA_SetFont))
        settings.insert(QStringLiteral("Font"), font());
    return settings;
}

void HyperLink::loadSettings(const QVariantMap& settings) {
    setCaption(readText(settings, QStringLiteral("Caption")).value_or(kDefaultCaption));
    setHyperLink(readText(settings, QStringLiteral("HyperLink")).value_or(kDefaultTarget));
    setFont(readFont(settings, QStringLiteral("Font")).value_or(QFont()));
    using zelvano::link::kContainerColour;
    setForeColor(readInt32(settings, QStringLiteral("ForeColor")).value_or(kContainerColour));
    setBackColor(readInt32(settings, QStringLiteral("BackColor")).value_or(kContainerColour));
    setHoverColor(readInt32(settings, QStringLiteral("HoverColor")).value_or(kDefaultHoverColor));
    setAlignment(
        readChoice<Alignment>(settings, QStringLiteral("Alignment")).value_or(Alignment::Left));
    setAutoSize(readBool(settings, QStringLiteral("AutoSize")).value_or(true));
    setAppearance(readChoice<Appearance>(settings, QStringLiteral("Appearance"))
                      .value_or(Appearance::ThreeD));
    setBorderStyle(readChoice<BorderStyle>(settings, QStringLiteral("BorderStyle"))
                       .value_or(BorderStyle::None));
    setEnabled(readBool(settings, QStringLiteral("Enabled")).value_or(true));
    setAutoToolTip(readBool(settings, QStringLiteral("AutoToolTip")).value_or(true));
    setMOUnderline(readBool(settings, QStringLiteral("MOUnderline")).value_or(false));
    setMOPointer(readBool(settings, QStringLiteral("MOPointer")).value_or(false));
}
