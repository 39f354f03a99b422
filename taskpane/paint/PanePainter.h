#pragma once

// The pane's drawing rules: measuring titles and items, the colours of every
// element in the three looks, and painting bars and items into the back
// buffer. Holds no state of its own beyond the loaded pictures.

#include "model/PaneRecords.h"
#include "paint/PaneTheme.h"

#include <QColor>
#include <QFontMetrics>
#include <QGradient>
#include <QImage>
#include <QRect>

#include <optional>

class QPainter;

namespace zelvano::pane {

// Pictures and the look decided by the last resource load.
struct PaneResources {
    PaneLook look = PaneLook::Classic;
    GlyphSet glyphs;                // themed: all eleven; otherwise 0..7 emulated
    PaneImage background;           // themed only, optional
    QGradientStops backgroundStops; // the themed background as a vertical gradient
    QColor glyphStandard;           // colours the emulated glyphs were built with
    QColor glyphSpecial;
};

class PanePainter {
public:
    PanePainter(QWidget* pane, const PaneState& state, const PaneResources& res);

    int clientWidth() const;
    // The bold font that titles are measured and drawn in.
    QFont titleFont() const;
    int titleHeight(const pcExplorerBar& bar) const;
    int itemHeight(const pcExplorerBarItem& item) const;

    void measureTitle(pcExplorerBar& bar, int paneWidth, int scrollBarWidth) const;
    void measureItem(pcExplorerBarItem& item, int paneWidth, int scrollBarWidth) const;

    OleColour defaultPanelColour(bool isSpecial) const;
    QColor panelColour(const pcExplorerBar& bar) const;

    // Back-buffer areas touched by redrawing a title or an item (with its
    // focus mark).
    QRect titleArea(const pcExplorerBar& bar) const;
    QRect itemArea(const pcExplorerBar& bar, const pcExplorerBarItem& item) const;

    // Paints everything that intersects `clip` (back-buffer coordinates).
    void paintContent(QPainter& p, const QRect& clip);

private:
    QColor sys(int index) const;
    QColor resolve(OleColour colour, OleColour fallback) const;
    QFont paneFont(const std::optional<QFont>& own = std::nullopt) const;
    QFontMetrics metrics(const QFont& font) const;
    QFont itemFont(const pcExplorerBarItem& item, bool hot) const;
    int glyphWidth() const;
    int iconSizeOf(const pcExplorerBarItem& item) const;
    int titleIconSize(const pcExplorerBar& bar) const;
    QRect titleTextRect(const pcExplorerBar& bar, int clientWidth) const;
    int itemTextWidth(const pcExplorerBarItem& item, int clientWidth) const;
    int panelShownHeight(const pcExplorerBar& bar) const;
    bool focusVisible() const;

    void paintBackground(QPainter& p, const QRect& clip) const;
    void paintBar(QPainter& p, const pcExplorerBar& bar, const QRect& clip);
    void paintTitle(QPainter& p, const pcExplorerBar& bar, const QRect& strip) const;
    void paintPanel(QPainter& p, const pcExplorerBar& bar, const QRect& panel,
                    const QRect& clip) const;
    void paintWatermark(QPainter& p, const pcExplorerBar& bar, const QRect& panel) const;
    void paintItem(QPainter& p, const pcExplorerBar& bar, const pcExplorerBarItem& item,
                   const QRect& rect) const;
    // The colours as the look gives them, and as the colour rule lets them
    // stand on their grounds (ContrastRule.h).
    QColor fixedTitleTextColour(const pcExplorerBar& bar, bool flatStrip) const;
    QColor fixedItemTextColour(const pcExplorerBarItem& item) const;
    QColor titleTextColour(const pcExplorerBar& bar, bool flatStrip) const;
    QColor itemTextColour(const pcExplorerBar& bar, const pcExplorerBarItem& item) const;
    QColor edgeColour() const;
    QColor paneGround() const;
    QColor titleGround(const pcExplorerBar& bar, bool flatStrip) const;
    bool highContrast() const;
    // The look drawn: the loaded one, or the classic one under high contrast.
    PaneLook look() const;

    QWidget* pane_;
    const PaneState& s_;
    const PaneResources& res_;
    QImage layer_; // panel contents of an animating bar, blended with its Alpha
};

} // namespace zelvano::pane
