#pragma once

namespace zelvano {

// Both programs write UTF-8. A Windows console shows its own code page, so
// while the process runs it is switched to UTF-8, and the console, which
// outlives the process, gets its code page back at exit. Elsewhere a
// terminal takes the bytes as they come.
void useUtf8ConsoleUntilExit();

} // namespace zelvano
