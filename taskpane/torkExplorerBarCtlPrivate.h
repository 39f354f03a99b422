#pragma once

// The task pane's core: everything behind the widget. It owns the records
// (PaneState), the keyed collections over them (PaneModel), the renderer,
// the vertical scroll bar, the hover timer, the message hooks and the
// mnemonic table, and performs every effect a change has on the screen in
// one place (re-measure, re-layout, repaint, animate, scroll into view).
//
// The handles, the mouse and keyboard code and the accessibility interface
// work on the core; the widget (torkExplorerBarCtl) only forwards its Qt
// events here and turns the core's notifications into its public signals.
// Every effect is gated on Redraw.

#include "model/PaneElement.h"
#include "model/PaneModel.h"
#include "model/PaneRecords.h"
#include "system/CTimer.h"
#include "system/ISubclass.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>

class QEvent;
class QScrollBar;
class QWidget;

namespace zelvano::pane {

class PaneInput;
class PaneKeyboard;
class PaneRenderer;
class pcMnemonics;
class pcScrollBars;

class torkExplorerBarCtlPrivate : public QObject, private ISubclass {
    Q_OBJECT

public:
    // `designer`: placed on a form in a design environment; the pane then
    // draws but sets up no message hooks, no mnemonics and no timers.
    torkExplorerBarCtlPrivate(QWidget& pane, bool designer);
    ~torkExplorerBarCtlPrivate() override;

    // The core of a pane widget; null for any other widget, and once the
    // pane's destruction has begun.
    static torkExplorerBarCtlPrivate* find(const QWidget* pane);

    QWidget& widget() const { return pane_; }
    bool inDesigner() const { return designer_; }
    PaneWindowId windowId() const { return window_; }
    PaneRenderer& renderer() const { return *renderer_; }
    QScrollBar& scrollBar() const { return *vScroll_; }
    CTimer& hoverTimer() { return hoverTimer_; }
    // Mouse and keyboard; none in a design environment.
    PaneInput* input() const { return input_.get(); }
    PaneKeyboard* keyboard() const { return keyboard_.get(); }
    // Given by the pane once, outside a design environment. Held for the
    // core's lifetime: the hooks and the timer that call them stop first.
    void setInput(std::shared_ptr<PaneInput> input, std::shared_ptr<PaneKeyboard> keyboard);

    // The records behind a handle; error 364 when they are gone.
    pcExplorerBar& barOrUnloaded(std::int32_t id) const;
    pcExplorerBarItem& itemOrUnloaded(std::int32_t id) const;

    // The client area: the pane less its vertical scroll bar.
    QRect clientRect() const;

    // Effects. relayoutAndRepaint lays out at once and redraws before the
    // next paint; repaintNow also redraws and shows the pane before it
    // returns (animation and smooth-scrolling steps).
    void relayoutAndRepaint();
    void repaintSoon();
    void repaintNow();
    void updateArea(const QRect& area);

    // What a change to a bar, an item or the whole pane sets off before the
    // pane is laid out again and repainted.
    enum class BarChange {
        Layout,    // nothing else
        Size,      // the bar's title and panel are measured anew
        Watermark, // its watermark is recoloured onto its panel colour
        Colours,   // title colours: emulated glyphs and every watermark redone
    };
    enum class PaneChange {
        Look,    // drawing resources reloaded, watermarks recoloured
        Metrics, // every bar and item measured anew
    };
    void barChanged(pcExplorerBar& bar, BarChange change);
    void itemChanged(pcExplorerBar& bar, pcExplorerBarItem& item, bool resized);
    void paneChanged(PaneChange change);

    // Animates the bar to BarExpanded or BarCollapsed and leaves it there,
    // scrolled into view.
    void animateBarTo(pcExplorerBar& bar, std::int32_t newState);
    void scrollIntoView(const pcExplorerBar& bar, const pcExplorerBarItem* item = nullptr);
    // A title or text changed (either side empty: added or removed).
    void updateMnemonic(const QString& oldText, const QString& newText);
    void settingChanged();

    // Records leaving the pane: hosted controls hidden, marks forgotten.
    void discardItem(const pcExplorerBarItem& item);
    void discardBar(const pcExplorerBar& bar);
    void hostControl(pcExplorerBar& bar, pcExplorerBarItem& item, QWidget* control);

    // The focus mark; moving it does not repaint.
    PaneElement focusMark() const;
    void setFocusMark(PaneElement element);
    // Clicks from the mouse, the keyboard, mnemonics and accessibility:
    // focus mark to the element, bars toggled, then the event.
    void clickBar(std::int32_t barId);
    void clickItem(std::int32_t itemId);
    // Alt+key: the first bar, else the first clickable item, with that mnemonic.
    void clickMnemonic(QChar key);
    void rightClickBar(std::int32_t barId);
    void rightClickItem(std::int32_t barId, std::int32_t itemId);
    void raiseHighlight(std::int32_t barId, std::int32_t itemId);

    // A design-time setting changed at run time; quiet while reading them.
    void propertyChanged(const char* name);
    void setReadingProperties(bool reading) { readingProperties_ = reading; }

    // Qt events the widget hands on.
    void paint(const QRect& exposed);
    void resized();
    void focusChanged(bool in);
    void fontChanged();
    void paletteChanged();
    void parentChanged();
    // Tab out of the pane: the next control outside it, not a hosted one.
    bool leavePane(bool next);

    PaneState state;
    PaneModel model{state};

signals:
    void barClicked(std::int32_t barId);
    void barRightClicked(std::int32_t barId);
    void itemClicked(std::int32_t barId, std::int32_t itemId);
    void itemRightClicked(std::int32_t barId, std::int32_t itemId);
    void highlighted(std::int32_t barId, std::int32_t itemId);
    void systemSettingsChanged();
    void designSettingChanged(const QString& name);
    // For the keyboard and accessibility.
    void focusEntered(Qt::FocusReason reason);
    void focusMarkMoved(PaneElement element);
    void barStateChanged(std::int32_t barId);
    void elementsChanged();

private:
    std::int32_t WindowProc(QObject* hWnd, std::int32_t iMsg, std::int32_t wParam,
                            std::int32_t lParam) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void syncScrollBar();
    void hookTopLevel();
    void forwardScrollAction(int action);
    void scrollTo(int target);
    void remeasureAll();
    void recolourWatermark(pcExplorerBar& bar);
    void recolourWatermarks();
    void reloadDrawingResources();

    QWidget& pane_;
    const bool designer_;
    // Shared only so that the core can own them without including the input
    // code, which includes the core; declared early to go last.
    std::shared_ptr<PaneInput> input_;
    std::shared_ptr<PaneKeyboard> keyboard_;
    std::unique_ptr<PaneRenderer> renderer_;
    QScrollBar* vScroll_ = nullptr;
    CTimer hoverTimer_;
    std::unique_ptr<pcScrollBars> scrollBars_;
    std::unique_ptr<pcMnemonics> mnemonics_;
    PaneWindowId window_ = 0;
    QPointer<QWidget> hookedTopLevel_;
    int measuredWidth_ = -1;
    bool readingProperties_ = false;
    bool renderPending_ = false;
};

// The records of a pane as laid out, read-only (painting and input tests,
// diagnostics).
inline const PaneState& paneStateOf(const QWidget& pane) {
    return torkExplorerBarCtlPrivate::find(&pane)->state;
}

} // namespace zelvano::pane
