#include "BatchStream.h"

#include "BatchFramer.h"
#include "BatchIo.h"

#include <cerrno>
#include <string>
#include <vector>

namespace zelvano::cli {

namespace {

constexpr std::size_t kReadBlock = 64 * 1024;
constexpr std::size_t kFlushAt = 64 * 1024;

} // namespace

bool runBatch(int inFd, int outFd, const convert::NumberSettings& settings) {
    BatchFramer framer(settings);
    std::vector<char> block(kReadBlock);
    std::string answers;
    answers.reserve(2 * kFlushAt);

    for (;;) {
        if (!answers.empty() && !io::inputReady(inFd) && !io::writeAll(outFd, answers))
            return false;
        const long n = io::readSome(inFd, block.data(), block.size());
        if (n < 0) {
            const int readError = errno;
            io::writeAll(outFd, answers);
            errno = readError;
            return false;
        }
        if (n == 0)
            break;
        framer.feed({block.data(), static_cast<std::size_t>(n)}, answers);
        if (answers.size() >= kFlushAt && !io::writeAll(outFd, answers))
            return false;
    }
    framer.finish(answers);
    return io::writeAll(outFd, answers);
}

} // namespace zelvano::cli
