#include "MessageLanguage.h"

#include <QLocale>
#include <QString>

#include <cstdlib>

namespace zelvano::convert {

bool isRussianLocaleName(std::string_view name) {
    // QLocale takes "ru_RU.UTF-8" and "ru" alike and falls back to C for
    // names it does not know, which then count as not Russian.
    return QLocale(QString::fromLocal8Bit(name.data(), std::ssize(name))).language() ==
           QLocale::Russian;
}

bool russianMessages() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return isRussianLocaleName(value);
    }
    return systemPrefersRussian();
}

} // namespace zelvano::convert
