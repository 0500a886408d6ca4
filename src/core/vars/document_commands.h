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

class IConfigor;
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

// With settings given, every program opened or saved through these commands
// goes first in the recent programs (recent_programs.h).
class TDocumentCommands {
  public:
    TDocumentCommands(ICalcVars& document, IDocumentUi& ui, IConfigor* settings = nullptr)
        : document_(document), ui_(ui), settings_(settings) {}

    // New and Close: offer to save a modified program, then start a new one.
    void NewDocument();
    // Offer to save, then open the program chosen in the library manager.
    bool OpenDocument();
    // Offer to save, then open a program of the recent list. One that the
    // library no longer has (or whose file has gone) is dropped from the list
    // with a message, before any question.
    bool OpenRecentDocument(const std::string& name);
    // At start: opens the program the recent list names first, when there is
    // one, it is there and the document holds no changes. Nothing is asked or
    // shown; a failure leaves the document as it was.
    bool OpenLastDocument();
    // A new program is named in the library manager first; true when saved.
    bool SaveDocument();
    bool SaveDocumentAs();
    // True when the window may close.
    bool CloseQuery();

    static std::string SaveQuestion(const std::string& programName);

  private:
    // The prompt and its answer: true when the caller may go on.
    bool OfferToSave();
    // Opens the named program; on success it goes first in the recent list.
    bool Open(const std::string& name, std::string* error);
    void RememberDocument();

    ICalcVars& document_;
    IDocumentUi& ui_;
    IConfigor* settings_;
};

}  // namespace quillix
