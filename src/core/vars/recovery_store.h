// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TRecoveryStore: where an instance keeps its recovery copy, the folder
// "Recovery" of the home folder, in a file named after the instance key. While
// the instance runs it holds a lock on the copy's slot (flock on a lock file
// beside it, which the system lets go when the process ends, however it ends).
// So a copy whose slot is free was left by an instance that is gone, and no
// running instance's copy is ever taken: a second instance of the same key
// (one that runs without the single-instance guard) takes the next slot.
// Write and Remove may run on another thread than the rest.

#include <optional>
#include <string>

#include "vars/recovery_copy.h"

namespace quillix {

class TRecoveryStore {
  public:
    // How many instances of one key can each keep a copy.
    static constexpr int kSlots = 8;

    TRecoveryStore(const std::string& homeFolder, const std::string& instanceTag);
    ~TRecoveryStore();
    TRecoveryStore(const TRecoveryStore&) = delete;
    TRecoveryStore& operator=(const TRecoveryStore&) = delete;

    // False when no slot could be had (the folder cannot be made, every slot
    // is held); the store then keeps nothing, and Problem says why.
    bool Claimed() const { return lockFd_ >= 0; }
    const std::string& Problem() const { return problem_; }
    // The copy's file.
    const std::string& Path() const { return path_; }

    // The copy left in this slot by an instance that is gone; none when there
    // is none. A damaged copy is set aside with a line in the diagnostic log.
    std::optional<TRecoveryCopy> Find();
    // Writes the copy atomically; false with *error when it cannot.
    bool Write(const std::string& text, std::string* error);
    // Removes the copy (nothing to do when there is none); false with *error
    // when it stays.
    bool Remove(std::string* error);
    // Renames the copy aside (".damaged-" and the time) and logs why.
    void SetAside(const std::string& why);

  private:
    std::string folder_;
    std::string path_;
    std::string problem_;
    int lockFd_ = -1;
};

}  // namespace quillix
