#pragma once

namespace zelvano::app {

// Registers (once) the accessible interfaces of a category panel's parts:
// the quantity and result boxes' text, the result box read beside the
// quantity frame rather than in it, the unit lists read under their frames'
// names, and the notifications that say a new result or panel.
void installPanelAccessibility();

} // namespace zelvano::app
