#include "AppFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <array>

namespace zelvano::app {

namespace {

constexpr int kPixelSize = 11;

// A Tahoma-compatible face with Cyrillic that Debian ships outside
// fontconfig's path (fonts-wine): the regular face first, then its bold, so
// that bold text (the task pane's titles) is drawn from the bold face's own
// outlines instead of being thickened from the regular ones.
constexpr std::array kFaceFiles{
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

// Faces close enough in width that every caption still fits, best first.
const QStringList& fallbackFamilies() {
    static const QStringList families{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                      QStringLiteral("Arial")};
    return families;
}

QString tahomaFamily() {
    const QString tahoma = QStringLiteral("Tahoma");
#ifndef Q_OS_WIN
    QString family;
    for (const char* path : kFaceFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (family.isEmpty() && !families.isEmpty())
            family = families.first();
    }
    if (!family.isEmpty())
        return family;
    if (!QFontDatabase::hasFamily(tahoma))
        return {};
#endif
    return tahoma;
}

QFont chooseFont() {
    QFont font;
    const QString family = tahomaFamily();
    font.setFamilies(family.isEmpty() ? fallbackFamilies() : QStringList{family});
    font.setPixelSize(kPixelSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

} // namespace

QFont windowFont() {
    static const QFont font = chooseFont();
    return font;
}

int windowLineSpacing() {
    const int classic = (kPixelSize * 6 + 2) / 5; // 1.2 times the size, rounded
    return std::max(QFontMetrics(windowFont()).lineSpacing(), classic);
}

} // namespace zelvano::app
