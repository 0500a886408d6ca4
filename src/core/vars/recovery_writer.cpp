// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/recovery_writer.h"

#include <utility>

#include "vars/recovery_store.h"

namespace quillix {

TRecoveryWriter::TRecoveryWriter(TRecoveryStore& store)
    : store_(store), thread_([this] { Run(); }) {}

TRecoveryWriter::~TRecoveryWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void TRecoveryWriter::Write(std::string text) {
    {
        const std::lock_guard lock(mutex_);
        if (!jobs_.empty() && jobs_.back()) {
            jobs_.back() = std::move(text);  // the waiting write is out of date
        } else {
            jobs_.emplace_back(std::move(text));
        }
    }
    wake_.notify_one();
}

void TRecoveryWriter::Remove() {
    {
        const std::lock_guard lock(mutex_);
        // A write still waiting would only be removed again.
        if (!jobs_.empty() && jobs_.back()) jobs_.pop_back();
        jobs_.emplace_back(std::nullopt);
    }
    wake_.notify_one();
}

void TRecoveryWriter::Wait() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

std::string TRecoveryWriter::TakeFailures() {
    const std::lock_guard lock(mutex_);
    return std::exchange(failures_, {});
}

void TRecoveryWriter::Run() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // stopping, and everything is done
        std::optional<std::string> job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        std::string error;
        const bool done = job ? store_.Write(*job, &error) : store_.Remove(&error);
        lock.lock();
        busy_ = false;
        if (!done) failures_ += error + "\n";
        if (jobs_.empty()) idle_.notify_all();
    }
}

}  // namespace quillix
