#include "BatchIo.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace zelvano::cli::io {

namespace {

bool wouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}

// Blocks until `fd` is ready for `events` (or has hung up or failed, which the
// next read or write then reports).
bool waitFor(int fd, short events) {
    pollfd p{fd, events, 0};
    while (::poll(&p, 1, -1) < 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

} // namespace

bool writeAll(int fd, std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n >= 0) {
            done += static_cast<std::size_t>(n);
        } else if (errno == EINTR || (wouldBlock(errno) && waitFor(fd, POLLOUT))) {
            continue;
        } else {
            return false;
        }
    }
    data.clear();
    return true;
}

long readSome(int fd, char* to, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, to, size);
        if (n >= 0 || !(errno == EINTR || (wouldBlock(errno) && waitFor(fd, POLLIN))))
            return n;
    }
}

bool inputReady(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

} // namespace zelvano::cli::io
