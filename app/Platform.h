#pragma once

namespace zelvano::platform {

// Prepares the system's common-controls library for the extended control
// classes. True when the call raised no error; a no-op returning true where
// the library does not exist.
bool initCommonControls();

// Keeps the system's fault dialog away while the process tears down.
void suppressFaultDialogs();

} // namespace zelvano::platform
