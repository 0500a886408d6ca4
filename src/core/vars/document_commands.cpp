// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/document_commands.h"

#include <filesystem>
#include <system_error>

#include "vars/recent_programs.h"
#include "vars/user_func_folder.h"

namespace quillix {

namespace {

// The library has the program and its file is still on the disk (a library
// read earlier may list a file deleted since).
bool ProgramIsThere(const std::string& name) {
    IUserFuncFolder* programs = UserProgramsIntf();
    const TUserFuncObj* program = programs ? programs->FindByName(name) : nullptr;
    std::error_code error;
    return program && std::filesystem::is_regular_file(program->GetFileName(), error);
}

}  // namespace

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
    if (!Open(pick->Name, &error)) {
        ui_.ShowError(error);
        return false;
    }
    return true;
}

bool TDocumentCommands::OpenRecentDocument(const std::string& name) {
    if (!ProgramIsThere(name)) {
        if (settings_) ForgetRecentProgram(*settings_, name);
        ui_.ShowError(MissingRecentProgramMessage(name));
        return false;
    }
    if (!OfferToSave()) return false;
    std::string error;
    if (!Open(name, &error)) {
        ui_.ShowError(error);
        return false;
    }
    return true;
}

bool TDocumentCommands::OpenLastDocument() {
    // Never over changes: a document restored at start, say, stays.
    if (!settings_ || document_.GetModified()) return false;
    const std::vector<std::string> recent = RecentPrograms(*settings_);
    if (recent.empty() || !ProgramIsThere(recent.front())) return false;
    std::string error;
    return Open(recent.front(), &error);
}

bool TDocumentCommands::Open(const std::string& name, std::string* error) {
    if (!document_.Open(name, error)) return false;
    RememberDocument();
    return true;
}

void TDocumentCommands::RememberDocument() {
    if (settings_ && !document_.GetIsNew()) RememberRecentProgram(*settings_, document_.GetName());
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
    if (!saved) {
        ui_.ShowError(error);
        return false;
    }
    RememberDocument();
    return true;
}

bool TDocumentCommands::SaveDocumentAs() {
    const auto pick = ui_.PickProgram(kLibrarySaveAs);
    if (!pick || !pick->Folder) return false;
    std::string error;
    if (!document_.SaveAs(*pick->Folder, pick->Name, &error)) {
        ui_.ShowError(error);
        return false;
    }
    RememberDocument();
    return true;
}

bool TDocumentCommands::CloseQuery() {
    return OfferToSave();
}

}  // namespace quillix
