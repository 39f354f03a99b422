// CTest reads the list of test cases from the executable's output, which
// reaches it through Wine's pipe. In text mode every line would end in "\r\n"
// and the names would keep the "\r"; the output stays as written instead.

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {

[[maybe_unused]] const int plainLineEnds = _setmode(_fileno(stdout), _O_BINARY);

} // namespace
