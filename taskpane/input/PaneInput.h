#pragma once

// The task pane's mouse input: hit testing, hot-tracking with the hand cursor
// and tooltips, the hover timer that notices the pointer leaving, and presses
// and releases, which click titles and items through the pane's core.

#include "model/PaneElement.h"

#include <QCursor>
#include <QPoint>
#include <QRect>

#include <functional>

namespace zelvano::pane {

class torkExplorerBarCtlPrivate;
struct pcExplorerBar;
struct pcExplorerBarItem;

class PaneInput {
public:
    explicit PaneInput(torkExplorerBarCtlPrivate& pane);
    PaneInput(const PaneInput&) = delete;
    PaneInput& operator=(const PaneInput&) = delete;

    static constexpr int kHoverInterval = 50; // milliseconds

    // The title or clickable item under a point in client coordinates.
    PaneElement hitTest(QPoint client) const;

    void mouseMove(QPoint client, Qt::MouseButtons buttons);
    void mousePress(QPoint client, Qt::MouseButton button);
    void mouseRelease(QPoint client, Qt::MouseButton button, Qt::MouseButtons stillDown);
    // The pointer left the pane's window: nothing stays hot, no tip stays up.
    void pointerLeft();
    // The content moved under a pointer that stayed where it was (wheel).
    void contentMoved(QPoint client, Qt::MouseButtons buttons);
    void hoverTick();
    // The tip of the element under a point: empty for none (tooltip events).
    QString tipAt(QPoint client, QRect* area) const;
    // Where the hover timer reads the pointer's screen position.
    void setCursorSource(std::function<QPoint()> source);

    // The program's hand cursor for a device pixel ratio: the picture at
    // that density, its hot spot on the fingertip in the picture's pixels.
    static QCursor handCursor(qreal devicePixelRatio);

private:
    // Clears the hot and pressed look of everything but `keep`; returns
    // the window area to update.
    QRect coolAllBut(PaneElement keep);
    QRect redraw(pcExplorerBar& bar, pcExplorerBarItem* item);
    // Left button: clicks the element pressed and released on, releases all.
    void releaseLeft(QPoint client);
    // Hot-tracking for the pointer at `client` (no button held).
    void track(QPoint client, bool raiseHighlight);
    void showPointer(bool hand);
    void showTip(const QString& tip);

    torkExplorerBarCtlPrivate& pane_;
    std::function<QPoint()> cursorSource_;
    QCursor hand_;
    qreal handRatio_ = 0; // the device pixel ratio hand_ was made for
    bool handShown_ = false;
};

} // namespace zelvano::pane
