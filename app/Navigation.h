#pragma once

#include "PanelId.h"

#include <QStringView>

#include <span>
#include <variant>

namespace zelvano::app {

// The three help items that hand something to the system shell.
enum class HelpAction { Licence, HomePage, Mail };

// A bar of the task pane, as the window adds it at load.
struct NavigationBar {
    QStringView key;
    QStringView title;
    bool special;
};

// An item of the task pane and what a click on it does: show a panel (and
// retitle the category bar) or run a help action.
struct NavigationItem {
    int bar; // 1-based position of the bar that holds the item
    QStringView key;
    QStringView text;
    std::variant<PanelId, HelpAction> action;
    QStringView categoryBarTitle; // for panel items: the category bar's new title
};

// The pane's content, in the order it is added and shown.
std::span<const NavigationBar> navigationBars();
std::span<const NavigationItem> navigationItems();

// The first item whose key equals `key` exactly (letter case matters), or null.
const NavigationItem* findNavigationItem(QStringView key);

// The item that shows `panel`.
const NavigationItem& navigationItemFor(PanelId panel);

} // namespace zelvano::app
