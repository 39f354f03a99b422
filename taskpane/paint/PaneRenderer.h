#pragma once

// Measuring, layout and painting of the task pane. The control owns one
// renderer and calls it after every change; the renderer reads and updates
// the records in PaneState (heights, Tops, scroll-bar visibility) and draws
// them into its back buffer.

#include "model/PaneRecords.h"
#include "paint/PaneTheme.h"
#include "paint/PaneThemeSource.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <memory>

class QPainter;
class QScrollBar;

namespace zelvano::pane {

class PaneRenderer {
public:
    PaneRenderer(QWidget* pane, PaneState& state);
    ~PaneRenderer();
    PaneRenderer(const PaneRenderer&) = delete;
    PaneRenderer& operator=(const PaneRenderer&) = delete;

    // Glyphs, default panel colour and the themed/emulated/classic decision.
    // May set state.UseExplorerStyle to false when themed images are missing.
    void reloadResources();
    // Recolours the bar's watermark onto its panel colour (WatermarkMode 0).
    void recolourWatermark(pcExplorerBar& bar);

    // Title and panel heights, with and without the vertical scroll bar.
    void measureBar(pcExplorerBar& bar);
    void measureItem(pcExplorerBar& bar, pcExplorerBarItem& item);
    void measureAll();

    // Tops of bars and items, content height, scroll-bar visibility
    // (state.scrollBarVisible). Returns true when the visibility changed.
    bool layout();

    // Full repaint of the back buffer; the control then updates the window.
    void render();
    // Redraws one title or one item in the back buffer and returns the
    // window rectangle to update.
    QRect renderBarTitle(const pcExplorerBar& bar);
    QRect renderItem(const pcExplorerBar& bar, const pcExplorerBarItem& item);
    // Copies the visible part of the back buffer (paintEvent).
    void paint(QPainter& painter, const QRect& exposed) const;

    // Geometry for hit testing and scrolling, in client coordinates
    // (the scroll position already subtracted).
    QRect titleRect(const pcExplorerBar& bar) const;
    QRect itemRect(const pcExplorerBar& bar, const pcExplorerBarItem& item) const;
    int titleHeight(const pcExplorerBar& bar) const; // 16 for an empty fixed title
    int panelHeight(const pcExplorerBar& bar) const; // full height, current scroll mode

    // The bold font titles are measured and drawn in.
    QFont titleFont() const;

    OleColour defaultPanelColour(bool isSpecial) const;
    QColor resolve(OleColour colour, OleColour fallback) const;
    int scrollBarWidth() const;

    // Places, sizes and ranges the pane's vertical scroll bar for the last
    // layout (shown or hidden with state.scrollBarVisible).
    void placeScrollBar(QScrollBar& bar) const;

    // Moves the hosted controls of placeholder items to their items.
    void positionHostedControls();

    // The drawing mode chosen by the last reloadResources().
    PaneLook look() const;
    // Where the themed image set comes from; the default is the system's
    // (systemTheme). A folder holds PNGs named by image number. Takes effect
    // at the next reloadResources().
    void setThemeLocation(const QString& folder);
    void setThemeSource(ThemeSource source);
    // The back buffer (device pixels, device pixel ratio set), for tests
    // and screenshots.
    const QImage& backBuffer() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace zelvano::pane
