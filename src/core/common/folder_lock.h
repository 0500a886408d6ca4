// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An advisory lock on a folder (flock on the folder itself, so no lock file is
// left behind), held while a file of it is read, changed and written back, so
// that two processes saving the same file at once never lose each other's
// changes. Waiting is bounded: a lock held too long (a hung process) is given
// up on, and the caller goes ahead without it.

#include <string>

namespace quillix {

class TFolderLock {
  public:
    // Tries for about waitMs milliseconds.
    explicit TFolderLock(const std::string& folder, int waitMs = 2000);
    ~TFolderLock();
    TFolderLock(const TFolderLock&) = delete;
    TFolderLock& operator=(const TFolderLock&) = delete;

    bool Held() const { return held_; }

  private:
    int fd_ = -1;
    bool held_ = false;
};

// The folder part of a path ("." for a bare file name).
std::string FolderOf(const std::string& path);

}  // namespace quillix
