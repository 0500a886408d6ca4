// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/run_cli.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <string_view>
#include <system_error>

extern char** environ;

namespace quillix::test {

namespace {

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category());
        read = fds[0];
        write = fds[1];
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    void CloseRead() {
        if (read >= 0) ::close(read);
        read = -1;
    }
    void CloseWrite() {
        if (write >= 0) ::close(write);
        write = -1;
    }
};

class SpawnActions {
  public:
    SpawnActions() { ::posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { ::posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* Get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

// Reads both pipes to their end at the same time, so that neither can fill up
// and block the child.
void DrainPipes(Pipe& out, Pipe& err, CliRun& run) {
    std::array<pollfd, 2> fds{pollfd{out.read, POLLIN, 0}, pollfd{err.read, POLLIN, 0}};
    std::array<std::string*, 2> sinks{&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            throw std::system_error(errno, std::generic_category(), "poll");
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& environment) {
    Pipe out, err;
    SpawnActions actions;
    ::posix_spawn_file_actions_addopen(actions.Get(), 0, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_adddup2(actions.Get(), out.write, 1);
    ::posix_spawn_file_actions_adddup2(actions.Get(), err.write, 2);

    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // The test's environment, with the settings given in place of its own.
    std::vector<std::string> settings(environment);
    std::vector<char*> envp;
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view own(*variable);
        const auto replaced = [&own](const std::string& setting) {
            const std::size_t equals = setting.find('=');
            return own.substr(0, own.find('=') + 1) == setting.substr(0, equals + 1);
        };
        if (std::none_of(settings.begin(), settings.end(), replaced)) envp.push_back(*variable);
    }
    for (std::string& setting : settings)
        envp.push_back(setting.data());
    envp.push_back(nullptr);

    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, program.c_str(), actions.Get(), nullptr, argv.data(), envp.data());
    if (spawned != 0) throw std::system_error(spawned, std::generic_category(), program);
    out.CloseWrite();
    err.CloseWrite();

    CliRun run;
    DrainPipes(out, err, run);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "waitpid");
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

CliRun RunCli(const std::vector<std::string>& args) {
    return RunProgram(QUILLIX_CLI_PATH, args);
}

}  // namespace quillix::test
