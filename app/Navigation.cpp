#include "Navigation.h"

#include <algorithm>
#include <array>

namespace zelvano::app {

namespace {

constexpr std::array kBars{
    NavigationBar{u"CONVERT", u"Область", true},
    NavigationBar{u"HELP", u"Справка", false},
};

// The category keys skip 05 and 06; the screen order is this order, not the keys'.
constexpr std::array kItems{
    NavigationItem{1, u"CN:01", u"Длина", PanelId::Length, u"Область: Длина"},
    NavigationItem{1, u"CN:02", u"Вес", PanelId::Weight, u"Область: Вес"},
    NavigationItem{1, u"CN:03", u"Объём", PanelId::Volume, u"Область: Объём"},
    NavigationItem{1, u"CN:04", u"Площадь", PanelId::Area, u"Область: Площадь"},
    NavigationItem{1, u"CN:07", u"Радиоактивность", PanelId::RadioActivity,
                   u"Область: Радиоактивность"},
    NavigationItem{1, u"CN:08", u"Температура", PanelId::Temperature, u"Область: Температура"},
    NavigationItem{1, u"CN:09", u"Скорость", PanelId::Speed, u"Область: Скорость"},
    NavigationItem{1, u"CN:10", u"Информация", PanelId::Information, u"Область: Информация"},
    NavigationItem{2, u"HELP:1", u"Лицензионное соглашение", HelpAction::Licence, {}},
    NavigationItem{2, u"HELP:2", u"Посетить домашнюю страничку", HelpAction::HomePage, {}},
    NavigationItem{2, u"HELP:3", u"Написать письмо автору", HelpAction::Mail, {}},
    NavigationItem{2, u"HELP:4", u"Информация о программе", PanelId::About, u"Область:"},
};

constexpr bool everyPanelHasOneItem() {
    for (std::size_t panel = 0; panel < kPanelCount; ++panel) {
        int count = 0;
        for (const NavigationItem& item : kItems) {
            const PanelId* target = std::get_if<PanelId>(&item.action);
            count += target != nullptr && *target == static_cast<PanelId>(panel) ? 1 : 0;
        }
        if (count != 1)
            return false;
    }
    return true;
}
static_assert(everyPanelHasOneItem(), "each panel is shown by exactly one item");

} // namespace

std::span<const NavigationBar> navigationBars() {
    return kBars;
}

std::span<const NavigationItem> navigationItems() {
    return kItems;
}

const NavigationItem* findNavigationItem(QStringView key) {
    const auto it = std::find_if(kItems.begin(), kItems.end(), [key](const NavigationItem& item) {
        return item.key.compare(key, Qt::CaseSensitive) == 0;
    });
    return it != kItems.end() ? &*it : nullptr;
}

const NavigationItem& navigationItemFor(PanelId panel) {
    return *std::find_if(kItems.begin(), kItems.end(), [panel](const NavigationItem& item) {
        const PanelId* target = std::get_if<PanelId>(&item.action);
        return target != nullptr && *target == panel;
    });
}

} // namespace zelvano::app
