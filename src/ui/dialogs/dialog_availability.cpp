#include "dialogs/dialog_launchers.h"

namespace quillix {

bool DialogAvailable(TDialogKind kind) {
    // A dialog joins this list when its window is built.
    switch (kind) {
        case TDialogKind::MemoryView:
        case TDialogKind::ProgramRunner:
        case TDialogKind::LibraryManager:
            return true;
        default:
            return false;
    }
}

}  // namespace quillix
