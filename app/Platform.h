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

// Keeps the system's fault dialog away while the process tears down.
void suppressFaultDialogs();

} // namespace zelvano::app::platform
