#include "BatchStream.h"

#include "BatchFramer.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace zelvano::cli {

namespace {

constexpr std::size_t kReadBlock = 64 * 1024;
constexpr std::size_t kFlushAt = 64 * 1024;

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

ssize_t readSome(int fd, char* to, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, to, size);
        if (n >= 0 || !(errno == EINTR || (wouldBlock(errno) && waitFor(fd, POLLIN))))
            return n;
    }
}

// True when a read would return at once: no reason to flush before it.
bool inputReady(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

} // namespace

bool runBatch(int inFd, int outFd, const convert::NumberSettings& settings) {
    BatchFramer framer(settings);
    std::vector<char> block(kReadBlock);
    std::string answers;
    answers.reserve(2 * kFlushAt);

    for (;;) {
        if (!answers.empty() && !inputReady(inFd) && !writeAll(outFd, answers))
            return false;
        const ssize_t n = readSome(inFd, block.data(), block.size());
        if (n < 0) {
            const int readError = errno;
            writeAll(outFd, answers);
            errno = readError;
            return false;
        }
        if (n == 0)
            break;
        framer.feed({block.data(), static_cast<std::size_t>(n)}, answers);
        if (answers.size() >= kFlushAt && !writeAll(outFd, answers))
            return false;
    }
    framer.finish(answers);
    return writeAll(outFd, answers);
}

} // namespace zelvano::cli
