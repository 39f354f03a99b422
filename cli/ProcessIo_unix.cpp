#include "ProcessIo.h"

namespace zelvano::cli::process {

std::vector<std::string> arguments(int argc, char** argv) {
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

void prepareStandardStreams() {}

} // namespace zelvano::cli::process
