// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/diag_note.h"

#include <utility>

namespace quillix {

namespace {

TDiagNoteReceiver& Receiver() {
    static TDiagNoteReceiver receiver;
    return receiver;
}

}  // namespace

void SetDiagNoteReceiver(TDiagNoteReceiver receiver) {
    Receiver() = std::move(receiver);
}

void DiagNote(std::string_view line) {
    if (const TDiagNoteReceiver& receiver = Receiver()) receiver(line);
}

}  // namespace quillix
