// SPDX-License-Identifier: GPL-3.0-or-later
#include "launchers.h"

namespace quillix {

bool DialogAvailable(TDialogKind kind) {
    // A dialog joins this list when its window is built.
    switch (kind) {
        case TDialogKind::MemoryView:
        case TDialogKind::ProgramRunner:
        case TDialogKind::LibraryManager:
        case TDialogKind::DateValue:
        case TDialogKind::UnitConverter:
        case TDialogKind::FinanceBox:
        case TDialogKind::DateCalculations:
        case TDialogKind::VariableProperties:
        case TDialogKind::ProgramProperties:
        case TDialogKind::CreateFunction:
        case TDialogKind::Options:
        case TDialogKind::About:
        case TDialogKind::FunctionParam:
            return true;
        default:
            return false;
    }
}

}  // namespace quillix
