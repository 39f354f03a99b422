#include "AppFont.h"

#include "AppFace.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace zelvano::app {

namespace {

constexpr int kPixelSize = 11;

// Faces close enough in width that every caption still fits, best first.
const QStringList& fallbackFamilies() {
    static const QStringList families{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                      QStringLiteral("Arial")};
    return families;
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
