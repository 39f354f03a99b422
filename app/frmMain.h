#pragma once

#include "Convert.h"

#include <QLocale>
#include <QWidget>

#include <array>

namespace zelvano {

class CategoryPanel;
class ToolkitServices;

// The nine panels, in the fixed order in which switching sets their visible flags.
enum class PanelId {
    Length,
    Temperature,
    Speed,
    Area,
    Weight,
    Volume,
    About,
    RadioActivity,
    Information,
};
inline constexpr std::size_t kPanelCount = 9;

PanelId panelOf(Category category);

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
    const NumberSettings& numberSettings() const { return numbers_; }

    QWidget* taskPane() const { return taskPane_; }
    QWidget* panel(PanelId id) const { return panels_[static_cast<std::size_t>(id)]; }
    CategoryPanel* categoryPanel(Category category) const;

    // Shows `id` and hides the eight others.
    void showPanel(PanelId id);
    PanelId visiblePanel() const;

private:
    QWidget* createTaskPane();
    void Form_Load();
    void centreOnScreen();

    ToolkitServices& services_;
    NumberSettings numbers_;
    QWidget* taskPane_ = nullptr;
    std::array<QWidget*, kPanelCount> panels_{};
    std::array<CategoryPanel*, 8> categoryPanels_{};
};

} // namespace zelvano
