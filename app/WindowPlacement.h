#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zelvano::app {

// Where a window of `size` goes in the screen's `available` area: centred,
// except along an axis where it does not fit. There it starts at the area's
// edge, so that its top left corner, with the title bar and the start of its
// content, stays on the screen.
QPoint windowPosition(const QSize& size, const QRect& available);

} // namespace zelvano::app
