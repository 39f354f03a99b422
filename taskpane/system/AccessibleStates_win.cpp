#include "system/AccessibleStates.h"

namespace zelvano::pane {

// UI Automation reads the expand-collapse state from the element whenever a
// client asks; Qt's bridge keeps no copy that could go stale.
void reportExpandedState(QAccessibleInterface*, bool) {}

} // namespace zelvano::pane
