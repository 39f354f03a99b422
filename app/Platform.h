#pragma once

#include <QString>

namespace zelvano::app::platform {

// Prepares the system's common-controls library for the extended control
// classes. True when the call raised no error; a no-op returning true where
// the library does not exist.
bool initCommonControls();

// The name of the platform this build was made for, as the about panel
// states it ("Microsoft Windows", "Linux", ...).
QString buildPlatformName();

// Lets an answer to --help or --version reach the console the program was
// started from: a Windows program with a window has none of its own (Qt then
// shows the answer in a message box). Nothing to do elsewhere.
void attachParentConsole();

// Keeps the system's fault dialog away while the process tears down.
void suppressFaultDialogs();

} // namespace zelvano::app::platform
