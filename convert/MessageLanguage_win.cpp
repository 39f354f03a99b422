#include "MessageLanguage.h"

#include <windows.h>

namespace zelvano::convert {

bool systemPrefersRussian() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN;
}

} // namespace zelvano::convert
