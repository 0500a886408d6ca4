// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The File commands of the program document (New, Open, Save, Save as, Close)
// and the close query, with their "Save changes to program ...?" prompt. The
// window supplies the questions and the library manager through IDocumentUi,
// so the decisions are made here, without widgets.
//
// A save that does not happen (the name was not given, or the file could not
// be written) stops the command that asked for it: a modified program is never
// dropped unless the user answered No.

#include <optional>
#include <string>

#include "model/calc_vars_intf.h"

namespace quillix {

class TUserFuncFolder;

enum class TSaveAnswer { Yes, No, Cancel };

// Library manager modes for the programs library.
inline constexpr int kLibraryOpen = 0;
inline constexpr int kLibrarySave = 1;
inline constexpr int kLibrarySaveAs = 2;
inline constexpr int kLibraryManager = 3;

struct TProgramPick {
    std::string Name;
    TUserFuncFolder* Folder = nullptr;  // the manager's current folder
};

class IDocumentUi {
  public:
    virtual ~IDocumentUi() = default;
    // "Save changes to program " + name + "?" with Yes, No and Cancel.
    virtual TSaveAnswer AskSaveChanges(const std::string& question) = 0;
    // The library manager on the programs library in that mode; none when cancelled.
    virtual std::optional<TProgramPick> PickProgram(int mode) = 0;
    virtual void ShowError(const std::string& message) = 0;
};

class TDocumentCommands {
  public:
    TDocumentCommands(ICalcVars& document, IDocumentUi& ui) : document_(document), ui_(ui) {}

    // New and Close: offer to save a modified program, then start a new one.
    void NewDocument();
    // Offer to save, then open the program chosen in the library manager.
    bool OpenDocument();
    // A new program is named in the library manager first; true when saved.
    bool SaveDocument();
    bool SaveDocumentAs();
    // True when the window may close.
    bool CloseQuery();

    static std::string SaveQuestion(const std::string& programName);

  private:
    // The prompt and its answer: true when the caller may go on.
    bool OfferToSave();

    ICalcVars& document_;
    IDocumentUi& ui_;
};

}  // namespace quillix
