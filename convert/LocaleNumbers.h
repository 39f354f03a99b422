#pragma once

#include "Convert.h"

#include <QLocale>

namespace zelvano::convert {

// The decimal and group separators of `locale` as the engine reads and writes
// them. Pass QLocale::system() for the user's settings: it follows LC_ALL,
// LC_NUMERIC and LANG even where the system locale is not generated.
NumberSettings numberSettings(const QLocale& locale);

} // namespace zelvano::convert
