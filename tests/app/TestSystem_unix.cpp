#include "TestSystem.h"

#include <QFile>

namespace zelvano::app::test {

bool tahomaInstalled() {
    // fonts-wine's faces, which the program loads from their own folder.
    return QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")) &&
           QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
}

bool underWine() {
    return false;
}

QAccessible::Event announcementEvent() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return QAccessible::Announcement;
#else
    return QAccessible::ObjectShow;
#endif
}

} // namespace zelvano::app::test
