#include "RunProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zelvano::cli::test {

namespace {

class TempFile {
public:
    TempFile() {
        char name[] = "/tmp/zelvano-cli-XXXXXX";
        fd_ = ::mkstemp(name);
        if (fd_ < 0)
            throw std::runtime_error("mkstemp failed");
        path_ = name;
    }
    ~TempFile() {
        ::close(fd_);
        ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return fd_; }
    std::string read() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void write(const std::string& data) const { std::ofstream(path_, std::ios::binary) << data; }

private:
    int fd_;
    std::string path_;
};

// Starts `program` with `args`; `inChild` arranges the child's descriptors
// and environment between fork and exec.
template <typename Setup>
pid_t spawn(const std::string& program, const std::vector<std::string>& args, Setup inChild) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        inChild();
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    return pid;
}

// The child's exit code, or -1 when a signal ended it.
int exitCodeOf(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            throw std::runtime_error("waitpid failed");
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, const std::map<std::string, std::string>& env) {
    TempFile in, out, err;
    in.write(input);

    const pid_t pid = spawn(program, args, [&] {
        ::lseek(in.fd(), 0, SEEK_SET);
        ::dup2(in.fd(), STDIN_FILENO);
        ::dup2(out.fd(), STDOUT_FILENO);
        ::dup2(err.fd(), STDERR_FILENO);
        for (const auto& [name, value] : env) {
            if (value.empty())
                ::unsetenv(name.c_str());
            else
                ::setenv(name.c_str(), value.c_str(), 1);
        }
    });
    ProcessResult result;
    result.exitCode = exitCodeOf(pid);
    result.out = out.read();
    result.err = err.read();
    return result;
}

namespace {

void setNonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

} // namespace

ProcessResult runThroughPipes(const std::string& program, const std::vector<std::string>& args,
                              const std::string& input, const PipeFeed& feed) {
    ::signal(SIGPIPE, SIG_IGN); // a process that ends early must not end the test
    int in[2], out[2], err[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0 || ::pipe(err) != 0)
        throw std::runtime_error("pipe failed");
    // The flag belongs to the open pipe end, so the process inherits it.
    if (feed.nonBlockingIn)
        setNonBlocking(in[0]);
    if (feed.nonBlockingOut)
        setNonBlocking(out[1]);

    const pid_t pid = spawn(program, args, [&] {
        ::dup2(in[0], STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        for (const int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            ::close(fd);
    });
    for (const int fd : {in[0], out[1], err[1]})
        ::close(fd);
    int toChild = in[1];
    setNonBlocking(toChild);
    if (input.empty()) {
        ::close(toChild);
        toChild = -1;
    }

    ProcessResult result;
    std::size_t written = 0;
    std::string* const sinks[] = {&result.out, &result.err};
    int sources[] = {out[0], err[0]};
    while (toChild >= 0 || sources[0] >= 0 || sources[1] >= 0) {
        pollfd p[3] = {{toChild, POLLOUT, 0}, {sources[0], POLLIN, 0}, {sources[1], POLLIN, 0}};
        if (::poll(p, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("poll failed");
        }
        if (toChild >= 0 && (p[0].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const std::size_t size = std::min(feed.chunk, input.size() - written);
            const ssize_t n = ::write(toChild, input.data() + written, size);
            if (n > 0)
                written += static_cast<std::size_t>(n);
            if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == input.size()) {
                ::close(toChild);
                toChild = -1;
            } else if (feed.pauseMicroseconds > 0) {
                ::usleep(static_cast<useconds_t>(feed.pauseMicroseconds));
            }
        }
        for (int i = 0; i < 2; ++i) {
            if (sources[i] < 0 || !(p[i + 1].revents & (POLLIN | POLLERR | POLLHUP)))
                continue;
            char buffer[65536];
            const ssize_t n = ::read(sources[i], buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(sources[i]);
                sources[i] = -1;
            }
        }
    }
    result.exitCode = exitCodeOf(pid);
    return result;
}

} // namespace zelvano::cli::test

namespace zelvano::cli::test {

Coprocess::Coprocess(const std::string& program, const std::vector<std::string>& args) {
    int toChild[2], fromChild[2];
    if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = spawn(program, args, [&] {
        ::dup2(toChild[0], STDIN_FILENO);
        ::dup2(fromChild[1], STDOUT_FILENO);
        for (const int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]})
            ::close(fd);
    });
    ::close(toChild[0]);
    ::close(fromChild[1]);
    in_ = toChild[1];
    out_ = fromChild[0];
}

Coprocess::~Coprocess() {
    if (pid_ > 0)
        finish();
    if (out_ >= 0)
        ::close(out_);
}

void Coprocess::write(const std::string& text) {
    if (::write(in_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        throw std::runtime_error("write failed");
}

std::string Coprocess::readLine(int timeoutMs) {
    for (;;) {
        if (const auto newline = pending_.find('\n'); newline != std::string::npos) {
            std::string line = pending_.substr(0, newline);
            pending_.erase(0, newline + 1);
            return line;
        }
        pollfd p{out_, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0)
            return {};
        char buffer[4096];
        const ssize_t n = ::read(out_, buffer, sizeof buffer);
        if (n <= 0)
            return {};
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

int Coprocess::finish() {
    if (in_ >= 0) {
        ::close(in_);
        in_ = -1;
    }
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0) {
        if (errno != EINTR)
            break;
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace zelvano::cli::test
