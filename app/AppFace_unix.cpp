#include "AppFace.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace zelvano::app {

namespace {

// A Tahoma-compatible face with Cyrillic that Debian ships outside
// fontconfig's path (fonts-wine): the regular face first, then its bold, so
// that bold text (the task pane's titles) is drawn from the bold face's own
// outlines instead of being thickened from the regular ones.
constexpr std::array kFaceFiles{
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

} // namespace

QString tahomaFamily() {
    QString family;
    for (const char* path : kFaceFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (family.isEmpty() && !families.isEmpty())
            family = families.first();
    }
    if (!family.isEmpty())
        return family;
    const QString tahoma = QStringLiteral("Tahoma");
    return QFontDatabase::hasFamily(tahoma) ? tahoma : QString();
}

QString nativeStyleName(bool) {
    return QStringLiteral("Fusion");
}

} // namespace zelvano::app
