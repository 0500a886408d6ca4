// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/recovery_keeper.h"

#include <ctime>
#include <utility>

#include "vars/calc_vars.h"

namespace quillix {

TRecoveryKeeper::TRecoveryKeeper(TCalcVars& document, const std::string& homeFolder,
                                 const std::string& instanceTag)
    : document_(document), store_(homeFolder, instanceTag), writer_(store_) {
    if (!store_.Claimed()) problems_ = "No recovery copy is kept: " + store_.Problem() + "\n";
}

TRecoveryKeeper::~TRecoveryKeeper() = default;

std::optional<TRecoveryCopy> TRecoveryKeeper::LeftCopy() {
    writer_.Wait();
    return store_.Find();
}

bool TRecoveryKeeper::Restore(const TRecoveryCopy& copy, std::string* error) {
    std::string why;
    if (!document_.LoadRecovered(copy.ProgramName, copy.Document, &why)) {
        store_.SetAside(why);
        if (error) *error = why;
        return false;
    }
    // The copy on disk holds the restored work until it is saved or changed.
    policy_.CopyOnDisk();
    return true;
}

std::optional<TRecoveryKeeper::Clock::duration> TRecoveryKeeper::Act(Clock::time_point now) {
    switch (policy_.Next(now, document_.GetModified())) {
        case TRecoveryAction::Write:
            writer_.Write(RecoveryCopyText(TakeRecoveryCopy(document_, std::time(nullptr))));
            policy_.Written(now);
            break;
        case TRecoveryAction::Remove:
            writer_.Remove();
            policy_.Removed();
            break;
        case TRecoveryAction::None:
            break;
    }
    return policy_.Wait(now);
}

void TRecoveryKeeper::Discard() {
    writer_.Remove();
    writer_.Wait();
    policy_.Removed();
}

std::string TRecoveryKeeper::TakeProblems() {
    return std::exchange(problems_, {}) + writer_.TakeFailures();
}

}  // namespace quillix
