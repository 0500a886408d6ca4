// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TChangedRows: which rows of the variables view to select after an undo or
// redo, found from the events the document raised while it was put back. The
// entries that came back are selected; else the first entry that changed (a
// rename's own entry, not the formulas that show the new name); else the row
// where an entry went, or the last row when that was the end. Rows noted
// before an insertion or a deletion are moved with it.

#include <cstdint>
#include <optional>
#include <vector>

namespace quillix {

class TChangedRows {
  public:
    // One event of the document (the vaXxx codes of calc_vars_intf.h).
    void Note(std::uint8_t action, int index);
    // The rows to select, ascending, in a set of count entries; empty when none.
    std::vector<int> Rows(int count) const;

  private:
    void Shift(int from, int by);

    std::vector<int> added_;
    std::optional<int> changed_;
    std::optional<int> removedAt_;
};

}  // namespace quillix
