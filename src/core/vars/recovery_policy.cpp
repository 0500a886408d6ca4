// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/recovery_policy.h"

namespace quillix {

TRecoveryAction TRecoveryPolicy::Next(Clock::time_point now, bool modified) {
    if (!modified) {
        // Nothing unsaved: no change waits, and no copy should stay.
        changed_ = false;
        return copyExists_ ? TRecoveryAction::Remove : TRecoveryAction::None;
    }
    if (!changed_) return TRecoveryAction::None;
    if (lastWrite_ && now - *lastWrite_ < kInterval) return TRecoveryAction::None;
    return TRecoveryAction::Write;
}

std::optional<TRecoveryPolicy::Clock::duration> TRecoveryPolicy::Wait(Clock::time_point now) const {
    if (!changed_) return std::nullopt;
    if (!lastWrite_ || now - *lastWrite_ >= kInterval) return Clock::duration::zero();
    return *lastWrite_ + kInterval - now;
}

void TRecoveryPolicy::Written(Clock::time_point now) {
    lastWrite_ = now;
    changed_ = false;
    copyExists_ = true;
}

}  // namespace quillix
