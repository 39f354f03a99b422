#pragma once

#include <cstddef>
#include <string>

// The few operations on a descriptor that a batch needs, one file per
// platform: on Linux they wait through poll() for descriptors a parent left
// non-blocking; on Windows they read and write the handle behind it. Errors
// are reported through errno, which main() turns into a message.
namespace zelvano::cli::io {

// Writes all of `data` and empties it; false when writing failed.
bool writeAll(int fd, std::string& data);

// Reads at most `size` bytes: the count, 0 at the end of input, -1 on error.
long readSome(int fd, char* to, std::size_t size);

// True when a read would return at once: no reason to flush before it.
bool inputReady(int fd);

} // namespace zelvano::cli::io
