#pragma once

#include <QIcon>

namespace zelvano::app {

// The program icon in all its 32-bit sizes (the 256-colour image is only in
// the Windows icon file).
QIcon programIcon();

} // namespace zelvano::app
