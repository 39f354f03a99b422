#include "MessageLanguage.h"

namespace zelvano::convert {

bool systemPrefersRussian() {
    return false; // the locale variables are the system's whole say
}

} // namespace zelvano::convert
