// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tape_keeper.h"

#include <utility>

#include "common/diag_note.h"
#include "tape/tape_file.h"

namespace quillix {

TTapeKeeper::TTapeKeeper(TTape& tape, std::string path) : tape_(tape), path_(std::move(path)) {
    savedRevision_ = tape_.Revision();
}

void TTapeKeeper::Start(bool keep) {
    keep_ = keep;
    if (!keep_) return;
    TTapeFileRead read = ReadTapeFile(path_);
    mayWrite_ = read.MayWrite;
    const bool setAside = read.SetAside;
    tape_.Replace(std::move(read.Entries));
    // What could be read of a file that was set aside is written back soon;
    // a file read whole is on disk as it is.
    if (setAside)
        savedRevision_.reset();
    else
        savedRevision_ = tape_.Revision();
}

void TTapeKeeper::SetKeep(bool keep) {
    if (keep == keep_) return;
    keep_ = keep;
    if (keep_) {
        savedRevision_.reset();  // written at the next save
        return;
    }
    std::string error;
    if (mayWrite_ && !RemoveTapeFile(path_, &error)) Note(error);
}

bool TTapeKeeper::NeedsSave() const {
    return keep_ && mayWrite_ && tape_.Revision() != savedRevision_;
}

bool TTapeKeeper::Save(std::string* error) {
    if (!NeedsSave()) return true;
    std::string why;
    const bool written =
        tape_.Count() == 0 ? RemoveTapeFile(path_, &why) : WriteTapeFile(path_, tape_, &why);
    if (!written) {
        Note(why);
        if (error) *error = why;
        return false;
    }
    savedRevision_ = tape_.Revision();
    lastError_.clear();
    return true;
}

void TTapeKeeper::ClearTape() {
    tape_.Clear();
    if (keep_) Save();
}

void TTapeKeeper::Note(const std::string& error) {
    if (error == lastError_) return;
    lastError_ = error;
    DiagNote("The tape was not kept: " + error);
}

}  // namespace quillix
