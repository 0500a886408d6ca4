// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a variable set tells the one who records its changes (the undo history
// of the program document): each change just before it is made, while what it
// will replace can still be kept, and the moments the document is replaced or
// saved. Groups mark several changes as one user action. Sets without a
// recorder (execution sets, scratch copies) pay nothing for it.

#include <string>

namespace quillix {

// The kinds of change a set announces to its recorder.
enum class TVarsEdit : unsigned char {
    Add,          // index: the index the new entry will take
    Delete,       // index: the entry about to go
    Value,        // index: the entry about to get a new value (SetValue)
    Type,         // index: the entry about to get a new role
    Properties,   // index: the entry about to get a new role and description
    Move,         // index: the entry about to swap with the one before it
    Rename,       // index: the entry about to get a new name
    Clear,        // every entry is about to go
    Description,  // the set's description is about to change
};

class IVarsEditRecorder {
  public:
    virtual ~IVarsEditRecorder() = default;
    // The change is about to be made; the set is still as it was. name: the
    // name the change gives (Add, Rename), else empty.
    virtual void BeforeEdit(TVarsEdit edit, int index, const std::string& name) = 0;
    // An entry was edited in place and announced afterwards (Changed): what it
    // was is gone, so that change cannot be recorded.
    virtual void EditNotRecorded() = 0;
    // The whole content was replaced (New, a load); saved: it is as on disk now.
    virtual void DocumentReplaced(bool saved) = 0;
    // The set was written to its file: it is unmodified now.
    virtual void DocumentSaved() = 0;
    // The set goes away; the recorder must not touch it again.
    virtual void DocumentGone() = 0;
    // Changes between Begin and End are one user action; groups nest, the
    // outermost caption names the action (empty: named after its changes).
    virtual void BeginGroup(const std::string& caption) = 0;
    virtual void EndGroup() = 0;
};

}  // namespace quillix
