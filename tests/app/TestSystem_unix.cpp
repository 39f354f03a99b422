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

} // namespace zelvano::app::test
