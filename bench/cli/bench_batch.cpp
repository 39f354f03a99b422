// Throughput of `zelvano-convert --batch`: a whole process reading a file of
// mixed lines and writing its answers to /dev/null, pinned to one core.
// Reported as lines per second of wall time.

#include "Convert.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace zelvano::convert;

constexpr int kLines = 1'000'000;

// A file of lines like a spreadsheet export: stems and Russian names, unit
// numbers and captions, ordinary quantities with a few blanks and errors.
class InputFile {
public:
    InputFile();
    ~InputFile() { ::unlink(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

InputFile::InputFile() {
    char path[] = "/tmp/zelvano-batch-XXXXXX";
    ::close(::mkstemp(path));
    path_ = path;
    const char* quantities[] = {"1",   "2.5",  "100", "0.001", "1E15", "-40",   "98.6",
                                "3.6", "1024", "12",  "",      "abc",  "273.16"};
    std::mt19937 random(1);
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < kLines; ++i) {
        const CategoryTable& table = categoryTables()[random() % categoryTables().size()];
        const auto count = static_cast<unsigned>(table.units.size());
        const Unit& from = table.units[random() % count];
        const Unit& to = table.units[random() % count];
        out << (i % 3 ? table.stem : table.name) << '\t' << from.index << '\t'
            << (i % 4 ? std::to_string(to.index) : std::string(to.caption)) << '\t'
            << quantities[random() % std::size(quantities)] << '\n';
    }
}

void runOnce(const std::string& input) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        cpu_set_t mask;
        if (::sched_getaffinity(0, sizeof mask, &mask) == 0) {
            for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
                if (CPU_ISSET(cpu, &mask)) {
                    CPU_ZERO(&mask);
                    CPU_SET(cpu, &mask);
                    ::sched_setaffinity(0, sizeof mask, &mask);
                    break;
                }
            }
        }
        ::dup2(::open(input.c_str(), O_RDONLY), STDIN_FILENO);
        ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);
        ::setenv("LC_ALL", "C.UTF-8", 1);
        ::execl(ZELVANO_CLI_PATH, ZELVANO_CLI_PATH, "--batch", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
}

void BatchThroughput(benchmark::State& state) {
    static const InputFile input;
    for (auto _ : state)
        runOnce(input.path());
    state.counters["lines_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kLines, benchmark::Counter::kIsRate);
}
BENCHMARK(BatchThroughput)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
