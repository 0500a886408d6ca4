// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A FIFO for tests of readers that must never wait on one. A reader that does
// open it would hang the test for good; a rescuer thread lets such a reader go
// (a non-blocking open for writing succeeds only while someone waits to read,
// and closing it at once gives the reader an end of file), so that a faulty
// reader fails its test's checks instead of hanging it.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace quillix::test {

class TFifoWatch {
  public:
    explicit TFifoWatch(std::string path) : path_(std::move(path)) {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
        rescuer_ = std::thread([this] { Rescue(); });
    }
    ~TFifoWatch() {
        stop_ = true;
        rescuer_.join();
    }
    TFifoWatch(const TFifoWatch&) = delete;
    TFifoWatch& operator=(const TFifoWatch&) = delete;

    bool Made() const { return made_; }
    const std::string& Path() const { return path_; }

  private:
    void Rescue() {
        while (!stop_) {
            const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    std::string path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::thread rescuer_;
};

}  // namespace quillix::test
