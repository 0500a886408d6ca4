// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TRecoveryKeeper: keeps the recovery copy of the program document in step
// with it, by the policy of recovery_policy.h. The window tells it of changes
// and asks it to act when a timer it sets runs out; the copy's text is made on
// the caller's thread (the document lives there) and the file is written on
// the writer's thread. At start it offers a copy a killed instance left, and
// brings it back or discards it.

#include <optional>
#include <string>

#include "vars/recovery_copy.h"
#include "vars/recovery_policy.h"
#include "vars/recovery_store.h"
#include "vars/recovery_writer.h"

namespace quillix {

class TCalcVars;

class TRecoveryKeeper {
  public:
    using Clock = TRecoveryPolicy::Clock;

    TRecoveryKeeper(TCalcVars& document, const std::string& homeFolder,
                    const std::string& instanceTag);
    ~TRecoveryKeeper();

    // The copy a gone instance of this key left; none when there is none (a
    // damaged one is set aside with a log line).
    std::optional<TRecoveryCopy> LeftCopy();
    // Makes the copy the document: unsaved work of its program. A copy that
    // does not read is set aside; false with *error.
    bool Restore(const TRecoveryCopy& copy, std::string* error);

    // The document changed.
    void Changed() { policy_.Changed(); }
    // Writes or removes the copy as the policy says at now; how long to wait
    // before acting again (none: not before the next change).
    std::optional<Clock::duration> Act(Clock::time_point now);
    // The copy goes at once, whatever the document holds (the user closed
    // without saving); returns when it is gone.
    void Discard();
    // Waits until the writer has done everything asked.
    void Flush() { writer_.Wait(); }
    // Why the copy could not be kept (once per failure), for the log; empty when fine.
    std::string TakeProblems();

  private:
    TCalcVars& document_;
    TRecoveryStore store_;
    TRecoveryPolicy policy_;
    TRecoveryWriter writer_;
    std::string problems_;
};

}  // namespace quillix
