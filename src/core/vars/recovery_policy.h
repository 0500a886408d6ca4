// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the recovery copy is written and when it goes: written only after a
// change, and at most once every 10 seconds, while the document has unsaved
// changes; removed as soon as it has none (saved, new, opened, undone back to
// the saved state). The clock is the caller's, so the rule is tested without
// waiting.

#include <chrono>
#include <optional>

namespace quillix {

enum class TRecoveryAction { None, Write, Remove };

class TRecoveryPolicy {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kInterval = std::chrono::seconds(10);

    // The document changed.
    void Changed() { changed_ = true; }
    // What to do at now, for a document with (modified) or without unsaved
    // changes. The caller does it and reports it (Written, Removed).
    TRecoveryAction Next(Clock::time_point now, bool modified);
    // How long to wait before asking again at now: until a waiting change may
    // be written; none when no change waits.
    std::optional<Clock::duration> Wait(Clock::time_point now) const;
    void Written(Clock::time_point now);
    void Removed() { copyExists_ = false; }
    // A copy is on disk already (brought back at start): it goes when nothing
    // is unsaved.
    void CopyOnDisk() { copyExists_ = true; }

  private:
    std::optional<Clock::time_point> lastWrite_;
    bool changed_ = false;  // a change not yet in the copy
    bool copyExists_ = false;
};

}  // namespace quillix
