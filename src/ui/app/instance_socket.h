// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the single-instance socket of a user and home folder lives, and the
// checks that keep it the user's own: in $XDG_RUNTIME_DIR when that is a
// private folder of the user, else in a private folder "quillix-<uid>" of the
// temporary folder, created with mode 0700 and refused when it is not a real
// folder owned by the user and closed to everyone else. Its name carries a key
// of the home folder, so that another home is another instance. Qt-free rules,
// tested without a display.

#include <sys/types.h>

#include <string>
#include <vector>

namespace quillix {

// The file name of the socket: "CalcMutex01-" and 16 hexadecimal digits of the
// home folder's key (its absolute, normalised path), then "-" and the tag when
// there is one (tests and scripts keep their runs apart with it).
std::string InstanceSocketName(const std::string& homeFolder, const std::string& tag);

// Why folder is no private folder of uid (empty when it is one): it must be a
// folder itself (not a link to one), owned by uid, with no access for the
// group or others. With create, a missing folder is made first, mode 0700.
std::string PrivateFolderProblem(const std::string& folder, uid_t uid, bool create);

struct TInstanceSocketFacts {
    std::string RuntimeFolder;  // $XDG_RUNTIME_DIR, may be empty
    std::string TempFolder;     // $TMPDIR, else "/tmp"
    uid_t Uid = 0;
    std::string HomeFolder;
    std::string Tag;  // $QUILLIX_INSTANCE_TAG
};

struct TInstanceSocketPlace {
    std::string Path;                // the socket's full path; empty when there is none
    std::vector<std::string> Notes;  // for the diagnostic log: what was refused, and why
};

// The socket's place by the rule above (the private folder is created when
// needed). Without a usable folder, or with a path too long for a socket, the
// path is empty and the notes say why.
TInstanceSocketPlace ChooseInstanceSocket(const TInstanceSocketFacts& facts);

// The facts of this process, for its home folder.
TInstanceSocketFacts InstanceSocketFacts(const std::string& homeFolder);

}  // namespace quillix
