#pragma once

// Messages of the window system that Qt turns into no event of its own but
// that hooked windows are watched for: they are delivered to the hooks as
// WindowMessageEvent. Installed once, when the first window is hooked.

namespace zelvano::pane {

void forwardSystemMessages();

} // namespace zelvano::pane
