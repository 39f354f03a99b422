#pragma once

// The main window's pane as a sample for the controls' tests, benchmarks and
// tools, which must not depend on the program: its bars, its items, the
// category bar's titles and the window font. The program's own tests check
// that these are the program's captions and font.

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <array>

namespace paintfix {

struct SampleBar {
    QStringView key;
    QStringView title;
    bool special;
};

struct SampleItem {
    int bar; // 1-based position of the bar that holds the item
    QStringView key;
    QStringView text;
    QStringView categoryBarTitle; // the category bar's title while the item is open
};

inline constexpr std::array kMainWindowBars{
    SampleBar{u"CONVERT", u"Область", true},
    SampleBar{u"HELP", u"Справка", false},
};

inline constexpr std::array kMainWindowItems{
    SampleItem{1, u"CN:01", u"Длина", u"Область: Длина"},
    SampleItem{1, u"CN:02", u"Вес", u"Область: Вес"},
    SampleItem{1, u"CN:03", u"Объём", u"Область: Объём"},
    SampleItem{1, u"CN:04", u"Площадь", u"Область: Площадь"},
    SampleItem{1, u"CN:07", u"Радиоактивность", u"Область: Радиоактивность"},
    SampleItem{1, u"CN:08", u"Температура", u"Область: Температура"},
    SampleItem{1, u"CN:09", u"Скорость", u"Область: Скорость"},
    SampleItem{1, u"CN:10", u"Информация", u"Область: Информация"},
    SampleItem{2, u"HELP:1", u"Лицензионное соглашение", {}},
    SampleItem{2, u"HELP:2", u"Посетить домашнюю страничку", {}},
    SampleItem{2, u"HELP:3", u"Написать письмо автору", {}},
    SampleItem{2, u"HELP:4", u"Информация о программе", u"Область:"},
};

// The item under `key` (a key of the table above).
inline const SampleItem& mainWindowItem(QStringView key) {
    return *std::find_if(kMainWindowItems.begin(), kMainWindowItems.end(),
                         [key](const SampleItem& item) { return item.key == key; });
}

// The window font: 11 pixels of the Tahoma-compatible face Debian ships in
// fonts-wine (regular and bold, so that titles are not thickened), else
// Tahoma, else a face of close widths.
inline QFont windowFont() {
    static const QFont font = [] {
        QString family;
        for (const char* path :
             {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            const QStringList families = QFontDatabase::applicationFontFamilies(
                QFontDatabase::addApplicationFont(QString::fromLatin1(path)));
            if (family.isEmpty() && !families.isEmpty())
                family = families.first();
        }
        if (family.isEmpty() && QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
            family = QStringLiteral("Tahoma");
        QFont chosen;
        chosen.setFamilies(family.isEmpty()
                               ? QStringList{QStringLiteral("Liberation Sans"),
                                             QStringLiteral("Arimo"), QStringLiteral("Arial")}
                               : QStringList{family});
        chosen.setPixelSize(11);
        return chosen;
    }();
    return font;
}

} // namespace paintfix
