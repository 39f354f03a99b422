#include "LocaleOption.h"

#include "EchoText.h"
#include "LocaleNumbers.h"
#include "Wording.h"

#include <QLocale>
#include <QRegularExpression>

namespace zelvano::cli {

namespace {

const QRegularExpression& nameForm() {
    static const QRegularExpression form(
        QStringLiteral(R"(^(?:C|POSIX|(?<language>[A-Za-z]{2,3})(?:[_-][A-Za-z]{4})?)"
                       R"((?:[_-](?<territory>[A-Za-z]{2}|[0-9]{3}))?))"
                       R"((?:\.[A-Za-z0-9_-]+)?(?:@[A-Za-z0-9_-]+)?$)"));
    return form;
}

// QLocale falls back to C for a language it does not know and to the
// language's main territory for a territory it does not know; neither is
// the locale that was asked for.
bool known(const QLocale& locale, const QRegularExpressionMatch& parts) {
    if (!parts.hasCaptured(u"language"))
        return true; // C or POSIX
    if (locale.language() == QLocale::C)
        return false;
    return !parts.hasCaptured(u"territory") ||
           parts.captured(u"territory")
                   .compare(QLocale::territoryToCode(locale.territory()), Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<convert::NumberSettings> localeSettings(std::optional<std::string_view> name,
                                             std::string& error) {
    if (!name)
        return convert::numberSettings(QLocale::system());
    const QString text = QString::fromUtf8(name->data(), std::ssize(*name));
    const QRegularExpressionMatch parts = nameForm().match(text);
    if (parts.hasMatch()) {
        const QLocale locale(text);
        if (known(locale, parts))
            return convert::numberSettings(locale);
    }
    error = std::string(say("unknown locale \"", "неизвестная локаль \"")) + escapedForEcho(*name) +
            '"';
    return std::nullopt;
}

} // namespace zelvano::cli
