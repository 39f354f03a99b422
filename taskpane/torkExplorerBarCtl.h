#pragma once

// The task pane: a vertical stack of collapsible bars of clickable items.
// This class holds the records (PaneState), the keyed collections over them
// (PaneModel) and the renderer, and publishes the object model that hosts
// script against through light handles (cExplorerBars and friends).
//
// Every effect a change has on the screen goes through one private method
// (relayoutAndRepaint, remeasureBar, animateBarTo, scrollIntoView, ...), all
// gated on Redraw, so painting, animation and input code hang on one place.

#include "CTimer.h"
#include "ISubclass.h"
#include "PaneModel.h"
#include "PanePropertyBag.h"
#include "PaneRecords.h"
#include "PaneRegistry.h"
#include "TaskPaneExport.h"
#include "cExplorerBars.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class PaneInput;
class PaneKeyboard;
class PaneRenderer;
class QScrollBar;
class pcMnemonics;
class pcScrollBars;

class ZELVANO_TASKPANE_EXPORT torkExplorerBarCtl : public QWidget, private ISubclass {
    Q_OBJECT
    // The design-time settings, declared in the order they are stored (a form
    // designer writes properties in declaration order); a value equal to the
    // one a new pane has is not stored. The themed look is stored as
    // "UseExplorerTheme" in a PanePropertyBag, but a form carries it under its
    // property name UseExplorerStyle: generated form code sets a property
    // through set<Name>, and one name for the getter, the setter and the form
    // keeps code and forms in step.
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
    // Where the pane runs. In a form designer it is a picture of itself:
    // no message hooks, no Alt+letter shortcuts, no hover timer.
    enum class Environment { Program, Designer };
    Q_ENUM(Environment)

    explicit torkExplorerBarCtl(QWidget* parent = nullptr,
                                Environment environment = Environment::Program);
    ~torkExplorerBarCtl() override;

    Environment environment() const { return environment_; }

    bool ShowFocusRect() const { return state_.ShowFocusRect; }
    void setShowFocusRect(bool show);
    OleColor BackColorStart() const { return state_.BackColorStart; }
    void setBackColorStart(OleColor colour);
    OleColor BackColorEnd() const { return state_.BackColorEnd; }
    void setBackColorEnd(OleColor colour);
    bool UseExplorerTransitionStyle() const { return state_.UseExplorerTransitionStyle; }
    void setUseExplorerTransitionStyle(bool use);
    bool UseExplorerStyle() const { return state_.UseExplorerStyle; }
    void setUseExplorerStyle(bool use);
    std::int32_t Style() const { return state_.Style; }
    void setStyle(std::int32_t style);
    OleColor DefaultPanelColor(bool bIsSpecial) const;
    // Icon sources: icons by 0-based index, one square size. Icons of another
    // size are scaled to it; a size of 0 is taken from the first icon.
    void setImageList(const PaneImageList& list);
    void setBarTitleImageList(const PaneImageList& list);
    bool Redraw() const { return state_.Redraw; }
    void setRedraw(bool redraw);
    cExplorerBars Bars() const { return cExplorerBars(window_); }

    // Design-time settings: read once after creation, written by a designer.
    void readProperties(const PanePropertyBag& bag);
    void writeProperties(PanePropertyBag& bag) const;

    // Where the hover timer reads the pointer's screen position
    // (QCursor::pos() unless set; tests drive it).
    void setCursorSource(std::function<QPoint()> source);

    PaneWindowId windowId() const { return window_; }
    // The records as laid out, read-only (painting and input tests, diagnostics).
    const PaneState& paneState() const { return state_; }

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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class cExplorerBars;
    friend class cExplorerBar;
    friend class cExplorerBarItems;
    friend class cExplorerBarItem;
    friend class PaneInput;      // mouse, clicks, mnemonics
    friend class PaneKeyboard;   // focus mark, Tab, Enter and Space
    friend class PaneAnimation;  // expand/collapse and smooth scrolling
    friend class PaneAccessible; // screen readers and UI automation

    std::int32_t WindowProc(QObject* hWnd, std::int32_t iMsg, std::int32_t wParam,
                            std::int32_t lParam) override;

    // The records behind a handle; error 364 when they are gone.
    pcExplorerBar& barOrUnloaded(std::int32_t id) const;
    pcExplorerBarItem& itemOrUnloaded(std::int32_t id) const;

    // Effects, each in one place. relayoutAndRepaint lays out at once and
    // redraws before the next paint; repaintNow also redraws and shows the
    // pane before it returns (animation and smooth-scrolling steps).
    void relayoutAndRepaint();
    void repaintSoon();
    void repaintNow();
    void remeasureBar(pcExplorerBar& bar);
    void remeasureItem(pcExplorerBar& bar, pcExplorerBarItem& item);
    void remeasureAll();
    void recolourWatermark(pcExplorerBar& bar);
    void recolourWatermarks();
    void rebuildGlyphsIfEmulated();
    void reloadDrawingResources();
    void animateBarTo(pcExplorerBar& bar, std::int32_t newState);
    void scrollIntoView(const pcExplorerBar& bar, const pcExplorerBarItem* item = nullptr);
    void updateMnemonic(const QString& oldText, const QString& newText);
    void syncScrollBar();
    void settingChanged();
    void hoverTimerTick();

    // Records leaving the pane: hosted controls hidden, marks forgotten.
    void discardItem(const pcExplorerBarItem& item);
    void discardBar(const pcExplorerBar& bar);
    void hostControl(pcExplorerBar& bar, pcExplorerBarItem& item, QWidget* control);

    void raiseHighlight(std::int32_t barId, std::int32_t itemId);
    void propertyChanged(const char* name);
    void hookTopLevel();
    void forwardScrollAction(int action);
    // Tab out of the pane: the next control outside it, not a hosted one.
    bool leavePane(bool next);

    Environment environment_;
    PaneState state_;
    PaneModel model_{state_};
    std::unique_ptr<PaneRenderer> renderer_;
    QScrollBar* vScroll_ = nullptr;
    CTimer hoverTimer_;
    std::unique_ptr<PaneInput> input_;
    std::unique_ptr<PaneKeyboard> keyboard_;
    std::unique_ptr<pcScrollBars> scrollBars_;
    std::unique_ptr<pcMnemonics> mnemonics_;
    PaneWindowId window_ = 0;
    QPointer<QWidget> hookedTopLevel_;
    int measuredWidth_ = -1;
    bool readingProperties_ = false;
    bool renderPending_ = false;
};
