// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TRecoveryWriter: writes and removes the recovery copy on a thread of its
// own, in the order asked, so that the window never waits for the disk. A
// write asked while an earlier one still waits replaces it. Failures are kept
// for the asking thread to report (the diagnostic log is not the writer's).

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace quillix {

class TRecoveryStore;

class TRecoveryWriter {
  public:
    explicit TRecoveryWriter(TRecoveryStore& store);
    // Finishes what was asked, then ends the thread.
    ~TRecoveryWriter();
    TRecoveryWriter(const TRecoveryWriter&) = delete;
    TRecoveryWriter& operator=(const TRecoveryWriter&) = delete;

    void Write(std::string text);
    void Remove();
    // Returns once everything asked so far is done.
    void Wait();
    // The failures since the last call, one per line; empty when none.
    std::string TakeFailures();

  private:
    void Run();

    TRecoveryStore& store_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::optional<std::string>> jobs_;  // a text to write, or none: remove
    bool busy_ = false;
    bool stopping_ = false;
    std::string failures_;
    std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace quillix
