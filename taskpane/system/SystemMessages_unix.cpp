#include "system/SystemMessages.h"

namespace zelvano::pane {

// The window systems here announce setting changes only through what Qt
// already makes events of (theme, style, palette, font).
void forwardSystemMessages() {}

} // namespace zelvano::pane
