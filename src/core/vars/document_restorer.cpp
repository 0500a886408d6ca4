// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/document_restorer.h"

namespace quillix {

void TDocumentRestorer::InsertEntry(int index, std::unique_ptr<TCalcValueWarper> entry) {
    TCalcValueWarper* inserted = entry.get();
    const std::string name = inserted->GetName();
    set_.InsertEntryAt(index, std::move(entry));
    set_.Notify(vaAdded, index, inserted, name);
}

void TDocumentRestorer::RemoveEntry(int index) {
    const std::string name = EntryAt(index).GetName();
    set_.RemoveEntryAt(index);
    set_.Notify(vaDeleted, index, nullptr, name);
}

void TDocumentRestorer::RemoveAllEntries() {
    ++set_.clearCount_;
    set_.RemoveAllEntries();
    set_.Notify(vaCleared, -1, nullptr, {});
}

}  // namespace quillix
