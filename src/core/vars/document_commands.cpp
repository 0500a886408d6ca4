// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/document_commands.h"

namespace quillix {

std::string TDocumentCommands::SaveQuestion(const std::string& programName) {
    return "Save changes to program " + programName + "?";
}

bool TDocumentCommands::OfferToSave() {
    if (!document_.GetModified()) return true;
    switch (ui_.AskSaveChanges(SaveQuestion(document_.GetName()))) {
        case TSaveAnswer::Yes:
            return SaveDocument();
        case TSaveAnswer::No:
            return true;
        case TSaveAnswer::Cancel:
            break;
    }
    return false;
}

void TDocumentCommands::NewDocument() {
    if (OfferToSave()) document_.New();
}

bool TDocumentCommands::OpenDocument() {
    if (!OfferToSave()) return false;
    const auto pick = ui_.PickProgram(kLibraryOpen);
    if (!pick || pick->Name.empty()) return false;
    std::string error;
    if (!document_.Open(pick->Name, &error)) {
        ui_.ShowError(error);
        return false;
    }
    return true;
}

bool TDocumentCommands::SaveDocument() {
    std::string error;
    bool saved = false;
    if (document_.GetIsNew()) {
        const auto pick = ui_.PickProgram(kLibrarySave);
        if (!pick || !pick->Folder) return false;
        saved = document_.SaveNew(*pick->Folder, pick->Name, &error);
    } else {
        saved = document_.Save(&error);
    }
    if (!saved) ui_.ShowError(error);
    return saved;
}

bool TDocumentCommands::SaveDocumentAs() {
    const auto pick = ui_.PickProgram(kLibrarySaveAs);
    if (!pick || !pick->Folder) return false;
    std::string error;
    if (!document_.SaveAs(*pick->Folder, pick->Name, &error)) {
        ui_.ShowError(error);
        return false;
    }
    return true;
}

bool TDocumentCommands::CloseQuery() {
    return OfferToSave();
}

}  // namespace quillix
