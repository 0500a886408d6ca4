// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TTapeKeeper: keeps the tape in its file between runs while the "KeepTape"
// setting is on. At start it reads the file into the tape; afterwards the
// window asks it to write whenever it suits (after a pause, at the end), and
// it writes only what changed. Turning KeepTape off removes the file: the
// tape then lives for this run only. Clear Tape empties the file too.

#include <cstdint>
#include <optional>
#include <string>

#include "tape/tape.h"

namespace quillix {

class TTapeKeeper {
  public:
    TTapeKeeper(TTape& tape, std::string path);

    // Reads the file into the tape when keep is on; with keep off the file is
    // neither read nor written (nor removed: only turning the setting off does that).
    void Start(bool keep);
    // The setting changed: off removes the file, on writes the tape at the next save.
    void SetKeep(bool keep);
    bool Keep() const { return keep_; }

    // True when a save would write (keeping, the tape changed since the last write).
    bool NeedsSave() const;
    // Writes the tape when it changed. False with *error set when the write
    // failed (the first failure of a kind also goes to the diagnostic log);
    // the next save tries again.
    bool Save(std::string* error = nullptr);
    // Clear Tape: every line goes, from the tape and from the file.
    void ClearTape();

    const std::string& Path() const { return path_; }

  private:
    void Note(const std::string& error);

    TTape& tape_;
    std::string path_;
    bool keep_ = false;
    bool mayWrite_ = true;
    // The tape's revision the file holds; none when the file must be written.
    std::optional<std::uint64_t> savedRevision_;
    std::string lastError_;
};

}  // namespace quillix
