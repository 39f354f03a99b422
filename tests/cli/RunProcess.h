#pragma once

#include <map>
#include <string>
#include <vector>

namespace zelvano::cli::test {

struct ProcessResult {
    int exitCode = -1; // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `args`, `input` on its stdin (a file, so large inputs
// cannot dead-lock) and the environment changed by `env` (an empty value
// removes a variable). Waits for it to end.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = {},
                         const std::map<std::string, std::string>& env = {});

// How runThroughPipes feeds the process.
struct PipeFeed {
    std::size_t chunk = 4096;    // bytes per write
    int pauseMicroseconds = 0;   // between writes
    bool nonBlockingIn = false;  // the process's stdin left O_NONBLOCK
    bool nonBlockingOut = false; // the process's stdout left O_NONBLOCK
};

// Like runProcess, but stdin, stdout and stderr are pipes: `input` is written
// in pieces of `feed.chunk` bytes while the output is read as it comes.
ProcessResult runThroughPipes(const std::string& program, const std::vector<std::string>& args,
                              const std::string& input, const PipeFeed& feed);

} // namespace zelvano::cli::test

namespace zelvano::cli::test {

// A process with pipes on its stdin and stdout, for a conversation line by line.
class Coprocess {
public:
    Coprocess(const std::string& program, const std::vector<std::string>& args);
    ~Coprocess();
    Coprocess(const Coprocess&) = delete;
    Coprocess& operator=(const Coprocess&) = delete;

    void write(const std::string& text);
    // One line from its stdout (without '\n'); empty after `timeoutMs` without one.
    std::string readLine(int timeoutMs);
    // Closes its stdin and returns its exit code.
    int finish();

private:
    int pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    std::string pending_;
};

} // namespace zelvano::cli::test
