#pragma once

// Live task panes by window id. A pane registers itself when its window is
// set up and leaves when it is destroyed; handles keep only the id and find
// the pane again on every call, so a handle that outlives its pane fails
// cleanly instead of touching freed memory. Window ids are never reused.
// The pane's widget finds its core here too (accessibility).

#include "model/PaneTypes.h"

class QWidget;

namespace zelvano::pane {

class torkExplorerBarCtlPrivate;

namespace PaneRegistry {

PaneWindowId add(torkExplorerBarCtlPrivate* pane, const QWidget* widget);
void remove(PaneWindowId window);
torkExplorerBarCtlPrivate* find(PaneWindowId window);
torkExplorerBarCtlPrivate* find(const QWidget* widget); // null: not a live pane
// The live pane of `window`; error 364 when it is gone.
torkExplorerBarCtlPrivate& resolve(PaneWindowId window);

} // namespace PaneRegistry

} // namespace zelvano::pane
