// Starts the probe in turn as the program, a bare Qt window and a bare window
// with one line of text, and
// reports, for each, the time from just before the process is spawned to its
// first paint, and its peak memory. Offscreen unless QT_QPA_PLATFORM says otherwise.
//   zelvano_startup_bench [rounds]

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double milliseconds;    // spawn to first paint, wall clock
    double cpuMilliseconds; // user and system time of the whole process
    double peakMegabytes;
};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool runOnce(const char* mode, Sample& sample) {
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    char* argv[] = {const_cast<char*>(ZELVANO_STARTUP_PROBE), const_cast<char*>(mode), nullptr};
    const long long start = monotonicNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, ZELVANO_STARTUP_PROBE, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }

    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return false;
    sample.milliseconds = static_cast<double>(std::atoll(text.c_str()) - start) / 1e6;
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    sample.cpuMilliseconds = ms(usage.ru_utime) + ms(usage.ru_stime);
    sample.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char runtime[] = "/tmp/zelvano-bench-XXXXXX"; // Qt wants a private runtime folder
    const bool ownRuntime =
        std::getenv("XDG_RUNTIME_DIR") == nullptr && mkdtemp(runtime) != nullptr;
    if (ownRuntime)
        setenv("XDG_RUNTIME_DIR", runtime, 1);

    // "text" is the bare window with one line of text: it pays for the font
    // system, which a window without text never loads.
    constexpr int kModes = 3;
    const char* modes[kModes] = {"bare", "text", "window"};
    std::vector<double> times[kModes];
    std::vector<double> cpu[kModes];
    std::vector<double> memory[kModes];
    for (int round = -2; round < rounds; ++round) { // two warm-up rounds fill the page cache
        for (int i = 0; i < kModes; ++i) {
            const int m = (i + round + 2) % kModes; // rotate which goes first
            Sample sample{};
            if (!runOnce(modes[m], sample)) {
                std::fprintf(stderr, "zelvano_startup_bench: the %s probe failed\n", modes[m]);
                return 1;
            }
            if (round >= 0) {
                times[m].push_back(sample.milliseconds);
                cpu[m].push_back(sample.cpuMilliseconds);
                memory[m].push_back(sample.peakMegabytes);
            }
        }
    }

    if (ownRuntime)
        rmdir(runtime);

    std::printf("process start to first paint, %d rounds (QT_QPA_PLATFORM=%s)\n", rounds,
                std::getenv("QT_QPA_PLATFORM"));
    for (int m = 0; m < kModes; ++m)
        std::printf("  %-7s median %6.2f ms  min %6.2f ms  cpu %6.2f ms  peak RSS %5.1f MB\n",
                    modes[m], median(times[m]), *std::min_element(times[m].begin(), times[m].end()),
                    median(cpu[m]), median(memory[m]));
    for (int base : {0, 1})
        std::printf("  ratio window/%s: median %.2f  min %.2f  cpu %.2f\n", modes[base],
                    median(times[2]) / median(times[base]),
                    *std::min_element(times[2].begin(), times[2].end()) /
                        *std::min_element(times[base].begin(), times[base].end()),
                    median(cpu[2]) / median(cpu[base]));
    return 0;
}
