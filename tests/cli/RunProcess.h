#pragma once

#include <map>
#include <string>
#include <vector>

namespace zelvano::test {

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

} // namespace zelvano::test
