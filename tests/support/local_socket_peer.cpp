// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for another local user in the single-instance tests, run under
// that user's ids (setpriv). "listen PATH..." makes the missing folders above
// each path (mode 0700), listens there, prints "listening" and then one line
// "got: TEXT" for each line any client sends, until standard input closes.
// "send PATH TEXT" connects to PATH and sends TEXT and a line end.

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool Address(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

void MakeFoldersAbove(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        ::mkdir(path.substr(0, slash).c_str(), 0700);
}

int Listen(const std::vector<std::string>& paths) {
    std::vector<pollfd> polled{{STDIN_FILENO, POLLIN, 0}};
    for (const std::string& path : paths) {
        MakeFoldersAbove(path);
        sockaddr_un address{};
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (!Address(path, address) ||
            ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(fd, 8) != 0) {
            std::printf("cannot listen at %s: %s\n", path.c_str(), std::strerror(errno));
            return 1;
        }
        polled.push_back({fd, POLLIN, 0});
    }
    std::printf("listening\n");
    std::fflush(stdout);
    const std::size_t listeners = polled.size();
    while (::poll(polled.data(), polled.size(), 120000) > 0) {
        if (polled[0].revents != 0) break;  // standard input closed: the test is over
        for (std::size_t i = 1; i < polled.size(); ++i) {
            if ((polled[i].revents & (POLLIN | POLLHUP)) == 0) continue;
            if (i < listeners) {
                polled.push_back({::accept(polled[i].fd, nullptr, nullptr), POLLIN, 0});
                continue;
            }
            char buffer[256];
            const ssize_t n = ::read(polled[i].fd, buffer, sizeof buffer - 1);
            if (n <= 0) {
                polled[i].fd = -1;  // poll skips it from now on
                continue;
            }
            buffer[n] = '\0';
            std::printf("got: %s", buffer);
            std::fflush(stdout);
        }
    }
    return 0;
}

int Send(const std::string& path, const std::string& text) {
    sockaddr_un address{};
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (!Address(path, address) ||
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        std::printf("cannot connect to %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    const std::string line = text + "\n";
    const bool sent = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    char byte = 0;
    // Until the other end lets go; what it says (if anything) does not matter.
    [[maybe_unused]] const ssize_t answer = ::read(fd, &byte, 1);
    ::close(fd);
    return sent ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "listen")
        return Listen(std::vector<std::string>(args.begin() + 1, args.end()));
    if (args.size() == 3 && args[0] == "send") return Send(args[1], args[2]);
    std::fprintf(stderr, "usage: local_socket_peer listen PATH... | send PATH TEXT\n");
    return 2;
}
