#include "tests/cli/ConverterProcess.h"

#include <array>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Reads both descriptors until each reaches its end, so that neither pipe can fill up.
void drain(int outputDescriptor, int errorDescriptor, ConverterRun& run) {
    std::array<pollfd, 2> watched{{{outputDescriptor, POLLIN, 0}, {errorDescriptor, POLLIN, 0}}};
    std::array<std::string*, 2> into{&run.standardOutput, &run.standardError};
    int open = 2;
    while (open > 0) {
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            throw std::runtime_error("poll failed");
        }
        for (std::size_t i = 0; i < watched.size(); ++i) {
            if (watched[i].fd < 0 || watched[i].revents == 0) {
                continue;
            }
            char buffer[65536];
            const ssize_t got = ::read(watched[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                into[i]->append(buffer, std::size_t(got));
            } else {
                // End of the pipe, or EIO once the pseudo-terminal's child side is closed.
                ::close(watched[i].fd);
                watched[i].fd = -1;
                --open;
            }
        }
    }
}

} // namespace

ConverterRun runConverter(const std::vector<std::string>& arguments,
                          const ConverterRunOptions& runOptions) {
    int output[2];
    int error[2];
    if (::pipe2(output, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    if (runOptions.standardErrorIsTerminal) {
        if (::openpty(&error[0], &error[1], nullptr, nullptr, nullptr) != 0) {
            throw std::runtime_error("openpty failed");
        }
        ::fcntl(error[0], F_SETFD, FD_CLOEXEC);
        ::fcntl(error[1], F_SETFD, FD_CLOEXEC);
    } else if (::pipe2(error, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    std::vector<std::string> words{TESSAVIEW_CONVERT_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::dup2(error[1], STDERR_FILENO);
        const int nothing = ::open("/dev/null", O_RDONLY);
        ::dup2(nothing, STDIN_FILENO);
        if (!runOptions.workingFolder.empty() && ::chdir(runOptions.workingFolder.c_str()) != 0) {
            ::_exit(127);
        }
        if (runOptions.userId != -1 &&
            (::setgid(gid_t(runOptions.userId)) != 0 || ::setuid(uid_t(runOptions.userId)) != 0)) {
            ::_exit(127);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(output[1]);
    ::close(error[1]);
    ConverterRun run;
    drain(output[0], error[0], run);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
