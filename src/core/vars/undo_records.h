// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records of the undo history: each keeps the part of the document one
// change replaced, taken just before the change. Applying a record swaps that
// part with what the document holds now and keeps what it took away, so the
// same record undoes and redoes in turn. A record is applied only to the
// document in the state it left (the history applies its steps in order), so
// entries are found again by place and variables by name: no record holds an
// object of the document.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "vars/document_restorer.h"
#include "vars/vars_edit_recorder.h"

namespace quillix {

class TUndoRecord {
  public:
    virtual ~TUndoRecord() = default;
    // Swaps the kept part with the document's.
    virtual void Swap(TDocumentRestorer& document) = 0;
    // The memory the record holds.
    virtual std::size_t Bytes() const = 0;
};

using TUndoRecords = std::vector<std::unique_ptr<TUndoRecord>>;

// Appends the records of a change about to be made (as the recorder hears of
// it) to records.
void RecordEdit(TVarsEdit edit, int index, TDocumentRestorer& document, TUndoRecords& records);

}  // namespace quillix
