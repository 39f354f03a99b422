#pragma once

// Sample pane contents shared by the painting tests, the benchmarks and the
// render-pane tool: the main window's two bars (main_window_sample.h), a
// showcase of every kind of bar and item, and a bar with many items.

#include "main_window_sample.h"
#include "model/PaneRecords.h"
#include "torkExplorerBarCtl.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <vector>

using namespace zelvano::pane;

namespace paintfix {

inline pcExplorerBar& addBar(PaneState& s, const QString& title, bool special = false) {
    auto bar = std::make_unique<pcExplorerBar>();
    bar->ID = 1;
    for (const auto& b : s.bars) {
        bar->ID = std::max(bar->ID, b->ID + 1);
        for (const auto& it : b->items)
            bar->ID = std::max(bar->ID, it->ID + 1);
    }
    bar->Title = title;
    bar->IsSpecial = special;
    s.bars.push_back(std::move(bar));
    return *s.bars.back();
}

inline pcExplorerBarItem& addItem(PaneState& s, pcExplorerBar& bar, const QString& text,
                                  int itemType = ItemKindLink, int icon = -1) {
    auto item = std::make_unique<pcExplorerBarItem>();
    int id = 1;
    for (const auto& b : s.bars) {
        id = std::max(id, b->ID + 1);
        for (const auto& it : b->items)
            id = std::max(id, it->ID + 1);
    }
    item->ID = id;
    item->BarID = bar.ID;
    item->Text = text;
    item->ItemType = itemType;
    item->IconIndex = icon;
    bar.items.push_back(std::move(item));
    return *bar.items.back();
}

// The main window's pane after start-up: its bars and items, the category
// bar titled for the first category.
inline void fillMainWindow(PaneState& s) {
    std::vector<pcExplorerBar*> bars;
    for (const SampleBar& entry : kMainWindowBars)
        bars.push_back(&addBar(s,
                               entry.special ? kMainWindowItems.front().categoryBarTitle.toString()
                                             : entry.title.toString(),
                               entry.special));
    for (const SampleItem& item : kMainWindowItems)
        addItem(s, *bars.at(std::size_t(item.bar - 1)), item.text.toString());
    // As stored with the main window.
    s.BackColorStart = 0;
    s.BackColorEnd = 0;
}

// The main window's pane after start-up, built through the object model as
// the window builds it.
inline void buildMainWindow(torkExplorerBarCtl& pane) {
    pane.setRedraw(false);
    for (const SampleBar& entry : kMainWindowBars) {
        auto bar = pane.Bars().Add({}, entry.key.toString(), entry.title.toString());
        if (entry.special)
            bar.setIsSpecial(true);
    }
    for (const SampleItem& item : kMainWindowItems)
        pane.Bars().Item(item.bar).Items().Add({}, item.key.toString(), item.text.toString());
    pane.setRedraw(true);
    pane.Bars().Item(1).setTitle(kMainWindowItems.front().categoryBarTitle.toString());
}

// A round, two-tone 16-pixel icon (drawn at 2x for HiDPI).
inline QImage makeIcon(const QColor& colour) {
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(150), 2));
    p.setBrush(colour);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(10, 8, 10, 8));
    p.end();
    img.setDevicePixelRatio(2);
    return img;
}

// Every kind of bar and item: special and standard, expanded and collapsed,
// a fixed bar, an empty fixed title, icons, a text item, long wrapping text,
// a hot title, a hot item and the keyboard focus mark.
inline void fillShowcase(PaneState& s) {
    s.imageList.iconSize = 16;
    s.imageList.icons = {makeIcon(QColor(46, 125, 50)), makeIcon(QColor(198, 40, 40))};
    auto& tasks = addBar(s, QStringLiteral("&Задачи"), true);
    addItem(s, tasks, QStringLiteral("Пересчитать всё"), ItemKindLink, 0);
    auto& hot = addItem(s, tasks, QStringLiteral("Очистить результат"), ItemKindLink, 1);
    hot.MouseOver = true;
    addItem(s, tasks, QStringLiteral("Единицы берутся из таблицы категории, без округления"),
            ItemKindText);

    auto& places = addBar(s, QStringLiteral("Другие места"));
    places.MouseOver = true;
    addItem(s, places, QStringLiteral("Длина"));
    auto& focused = addItem(s, places, QStringLiteral("Информация о программе"));
    s.focusItemID = focused.ID;
    s.hasFocus = true;
    s.keyboardUsed = true;

    auto& collapsed = addBar(s, QStringLiteral("Свёрнутая группа со слишком длинным заголовком"));
    collapsed.State = BarCollapsed;
    addItem(s, collapsed, QStringLiteral("Не видно"));

    auto& closedSpecial = addBar(s, QStringLiteral("Свёрнутая особая"), true);
    closedSpecial.State = BarCollapsed;
    addItem(s, closedSpecial, QStringLiteral("Не видно"));

    auto& fixed = addBar(s, QStringLiteral("Подробности"));
    fixed.CanExpand = false;
    addItem(s, fixed, QStringLiteral("Без кнопки: заголовок не сворачивается"), ItemKindText);

    auto& untitled = addBar(s, QString());
    untitled.CanExpand = false;
    addItem(s, untitled, QStringLiteral("Группа без заголовка"));
}

// One standard bar holding n link items.
inline void fillManyItems(PaneState& s, int n) {
    auto& bar = addBar(s, QStringLiteral("Много пунктов"));
    for (int i = 0; i < n; ++i)
        addItem(s, bar, QStringLiteral("Пункт номер %1").arg(i + 1));
}

} // namespace paintfix
