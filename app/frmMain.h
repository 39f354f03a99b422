#pragma once

#include "Convert.h"
#include "PanelId.h"

#include <QLocale>
#include <QWidget>

class cExplorerBarItem;
class torkExplorerBarCtl;

#include <array>

namespace zelvano::app {

class AboutPanel;
class Announcer;
class CategoryPanel;
class ToolkitServices;
struct NavigationItem;

PanelId panelOf(convert::Category category);

// The program's only window: the task pane on the left and, to its right, the
// nine panels stacked at one place, one of them visible. The window owns every
// control for its whole life; switching panels changes only their visibility.
class frmMain : public QWidget {
    Q_OBJECT

public:
    // `numberLocale` gives the decimal separator of quantities and results.
    // An error while building or loading the window is raised as NumberedError.
    explicit frmMain(ToolkitServices& services, const QLocale& numberLocale = QLocale::system(),
                     QWidget* parent = nullptr);
    ~frmMain() override;

    ToolkitServices& services() const { return services_; }
    const convert::NumberSettings& numberSettings() const { return numbers_; }

    torkExplorerBarCtl* taskPane() const { return taskPane_; }
    AboutPanel* aboutPanel() const { return about_; }
    QWidget* panel(PanelId id) const { return panels_[static_cast<std::size_t>(id)]; }
    CategoryPanel* categoryPanel(convert::Category category) const;

    // Shows `id` and hides the eight others.
    void showPanel(PanelId id);
    PanelId visiblePanel() const;

private:
    torkExplorerBarCtl* createTaskPane();
    void Form_Load();
    // Routes a click on a pane item by its key; unknown keys do nothing.
    void torkExplorerBarCtl_ItemClick(const cExplorerBarItem& itm);
    // Retitles the category bar and shows the item's panel alone.
    void showNavigationTarget(const NavigationItem& item, PanelId panel);
    // Centred on the screen under the pointer, or with its top left corner on
    // the screen when it is larger.
    void placeOnScreen();

    ToolkitServices& services_;
    convert::NumberSettings numbers_;
    torkExplorerBarCtl* taskPane_ = nullptr;
    AboutPanel* about_ = nullptr;
    Announcer* announcer_ = nullptr;
    std::array<QWidget*, kPanelCount> panels_{};
    std::array<CategoryPanel*, 8> categoryPanels_{};
};

} // namespace zelvano::app
