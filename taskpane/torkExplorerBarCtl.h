#pragma once

// The task pane: a vertical stack of collapsible bars of clickable items.
// Hosts script against it through light handles (cExplorerBars and the
// classes under it). This class is the pane's face: it forwards its Qt
// events to the core (torkExplorerBarCtlPrivate), which holds the records,
// lays them out, paints and animates, and turns the core's notifications
// into its own signals.

#include "TaskPaneExport.h"
#include "cExplorerBars.h"
#include "model/PanePropertyBag.h"
#include "model/PaneTypes.h"

#include <QWidget>

#include <memory>

namespace zelvano::pane {
class torkExplorerBarCtlPrivate;
} // namespace zelvano::pane

class ZELVANO_TASKPANE_EXPORT torkExplorerBarCtl : public QWidget {
    Q_OBJECT
    // The design-time settings, declared in the order they are stored (a form
    // designer writes properties in declaration order); a value equal to the
    // one a new pane has is not stored. The themed look is stored as
    // "UseExplorerTheme" in a PanePropertyBag, but a form carries it under its
    // property name UseExplorerStyle: generated form code sets a property
    // through set<Name>, and one name for the getter, the setter and the form
    // keeps code and forms in step. Saving and loading walk the stored
    // properties; a class info entry named after a property gives the name
    // it is stored under.
    Q_CLASSINFO("UseExplorerStyle", "UseExplorerTheme")
    Q_PROPERTY(bool UseExplorerStyle READ UseExplorerStyle WRITE setUseExplorerStyle NOTIFY
                   UseExplorerStyleChanged)
    Q_PROPERTY(bool UseExplorerTransitionStyle READ UseExplorerTransitionStyle WRITE
                   setUseExplorerTransitionStyle NOTIFY UseExplorerTransitionStyleChanged)
    Q_PROPERTY(
        qint32 BackColorEnd READ BackColorEnd WRITE setBackColorEnd NOTIFY BackColorEndChanged)
    Q_PROPERTY(qint32 BackColorStart READ BackColorStart WRITE setBackColorStart NOTIFY
                   BackColorStartChanged)
    Q_PROPERTY(
        bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect NOTIFY ShowFocusRectChanged)
    Q_PROPERTY(bool Redraw READ Redraw WRITE setRedraw NOTIFY RedrawChanged)

public:
    // Where the pane runs: in a program, or placed on a form in a design
    // environment, where it draws but sets up no message hooks, no
    // mnemonics and no timers.
    enum class Environment { Program, Designer };
    Q_ENUM(Environment)

    explicit torkExplorerBarCtl(QWidget* parent = nullptr,
                                Environment environment = Environment::Program);
    ~torkExplorerBarCtl() override;

    Environment environment() const;

    bool ShowFocusRect() const;
    void setShowFocusRect(bool show);
    OleColour BackColorStart() const;
    void setBackColorStart(OleColour colour);
    OleColour BackColorEnd() const;
    void setBackColorEnd(OleColour colour);
    bool UseExplorerTransitionStyle() const;
    void setUseExplorerTransitionStyle(bool use);
    bool UseExplorerStyle() const;
    void setUseExplorerStyle(bool use);
    std::int32_t Style() const;
    void setStyle(std::int32_t style);
    OleColour DefaultPanelColor(bool bIsSpecial) const;
    // Icon sources: icons by 0-based index, one square size. Icons of another
    // size are scaled to it; a size of 0 is taken from the first icon.
    void setImageList(const PaneImageList& list);
    void setBarTitleImageList(const PaneImageList& list);
    bool Redraw() const;
    void setRedraw(bool redraw);
    cExplorerBars Bars() const;

    // Design-time settings: read once after creation, written by a designer.
    void readProperties(const PanePropertyBag& bag);
    void writeProperties(PanePropertyBag& bag) const;

    PaneWindowId windowId() const;

signals:
    void BarRightClick(cExplorerBar bar);
    void BarClick(cExplorerBar bar);
    void ItemRightClick(cExplorerBarItem itm);
    void ItemClick(cExplorerBarItem itm);
    void Highlight(cExplorerBar bar, cExplorerBarItem itm);
    void SettingChange();
    // A design-time setting changed at run time (the property's name).
    void PropertyChanged(const QString& name);
    void UseExplorerStyleChanged(bool use);
    void UseExplorerTransitionStyleChanged(bool use);
    void BackColorEndChanged(qint32 colour);
    void BackColorStartChanged(qint32 colour);
    void ShowFocusRectChanged(bool show);
    void RedrawChanged(bool redraw);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::unique_ptr<zelvano::pane::torkExplorerBarCtlPrivate> d;
};
