#include "BatchIo.h"

#include <windows.h>

#include <io.h>

#include <algorithm>
#include <cerrno>

namespace zelvano::cli::io {

namespace {

// One call moves at most this much, so the count always fits a DWORD.
constexpr std::size_t kMaxTransfer = 1 << 30;

HANDLE handleOf(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

// The error numbers main() knows how to word, for the system's own codes.
int errnoFor(DWORD error) {
    switch (error) {
    case ERROR_BROKEN_PIPE:
    case ERROR_BAD_PIPE:
    case ERROR_PIPE_NOT_CONNECTED:
    case ERROR_NO_DATA: // the reader closed its end of the pipe
        return EPIPE;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    default:
        return EIO;
    }
}

} // namespace

bool writeAll(int fd, std::string& data) {
    const HANDLE handle = handleOf(fd);
    if (handle == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return false;
    }
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min(data.size() - done, kMaxTransfer));
        if (!WriteFile(handle, data.data() + done, chunk, &written, nullptr)) {
            errno = errnoFor(GetLastError());
            return false;
        }
        done += written;
    }
    data.clear();
    return true;
}

long readSome(int fd, char* to, std::size_t size) {
    const HANDLE handle = handleOf(fd);
    if (handle == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return -1;
    }
    DWORD got = 0;
    if (ReadFile(handle, to, static_cast<DWORD>(std::min(size, kMaxTransfer)), &got, nullptr))
        return static_cast<long>(got);
    const DWORD error = GetLastError();
    if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF)
        return 0; // the writer is done: the end of input, as on a pipe elsewhere
    errno = errnoFor(error);
    return -1;
}

bool inputReady(int fd) {
    const HANDLE handle = handleOf(fd);
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        return true;
    case FILE_TYPE_PIPE: {
        DWORD available = 0;
        return PeekNamedPipe(handle, nullptr, 0, nullptr, &available, nullptr) && available > 0;
    }
    default: // a console waits for a whole line: answer what came before
        return false;
    }
}

} // namespace zelvano::cli::io
