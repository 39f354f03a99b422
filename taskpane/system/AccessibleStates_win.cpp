#include "system/AccessibleStates.h"

namespace zelvano::pane {

// Nothing goes out here: the state change event the pane has already sent
// reaches UI Automation whole. The Qt the Windows build links (its SDK
// carries the patch) offers the expand-collapse pattern to every expandable
// element and raises an expand-collapse state change for that event, as
// later Qt versions do; Qt 6.4.2 unpatched raised nothing for it.
void reportExpandedState(QAccessibleInterface*, bool) {}

} // namespace zelvano::pane
