#include "LinkServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace zelvano::link {

void desktopOpen(const QString& verb, const QString& target) {
    Q_UNUSED(verb); // the desktop handler knows only one operation, open
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath());
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

QString soundResourcePath(std::int32_t soundId) {
    return QStringLiteral(":/SOUND/%1").arg(soundId);
}

bool soundResourceExists(std::int32_t soundId) {
    return QFile::exists(soundResourcePath(soundId));
}

} // namespace zelvano::link
