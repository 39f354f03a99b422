#include "ConsoleOutput.h"

namespace zelvano {

void useUtf8ConsoleUntilExit() {}

} // namespace zelvano
