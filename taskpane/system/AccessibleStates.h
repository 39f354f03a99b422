#pragma once

class QAccessibleInterface;

namespace zelvano::pane {

// Tells assistive clients that `element` is now expanded or collapsed, where
// the toolkit's platform bridge drops such a state change on its way: Qt
// 6.4's AT-SPI bridge passes on only checked, active and enabled changes, so
// a screen reader would neither say the new state nor stop reporting the
// old one. UI Automation needs nothing more on Windows (see the _win file).
// Call it after the toolkit has had the change.
void reportExpandedState(QAccessibleInterface* element, bool expanded);

} // namespace zelvano::pane
