// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// THookHelpSystem: routes the application's help requests (a help context, a
// context pop-up, the pop-up position) to the help file, through a help engine
// that the user interface supplies, and writes what it does to the diagnostic
// log. While it exists it is the application's help handler; the one it
// replaced gets every request it does not handle and is given back at the end.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "diag/dlog_file.h"

namespace quillix {

// The help viewer: topics of a help file by context number, text pop-ups.
class IHelpEngine {
  public:
    virtual ~IHelpEngine() = default;
    // Opens the topic of the context number; helpAddress is the help file,
    // followed by ">" and a window name when there is one. 0 when the topic is
    // shown; otherwise a code of HelpErrorMessage.
    virtual int ShowTopic(const std::string& helpAddress, int contextNumber) = 0;
    // Shows the text of a string id of a text topic as a pop-up at a screen point.
    virtual void ShowTextPopup(const std::string& textTopic, int stringId, int x, int y) = 0;
    virtual void CloseAll() = 0;
};

// The help commands of the application's help requests.
inline constexpr int kHelpContext = 1;
inline constexpr int kHelpContextPopup = 8;
inline constexpr int kHelpSetPopupPosition = 13;

// "HELP_CONTEXT" for 1 and so on; "??" for a command without a name.
std::string_view HelpCommandName(int command);
// 1 "MS Html Help is not installed on this PC." and so on.
std::string_view HelpErrorMessage(int result);
// The help file with "%20" turned into blanks and outer blanks removed, then
// ">" and the window name when there is one.
std::string HelpAddress(std::string_view helpFile, std::string_view windowName);

// A screen point as the pop-up position request carries it: two signed 16-bit
// coordinates, x in the low half.
std::intptr_t PackedPopupPosition(int x, int y);

// An application help handler: true when it handled the request.
using THelpHandler = std::function<bool(int command, std::intptr_t data)>;
// Shows a context pop-up at a screen point (the main window's text pop-up).
using THelpPopupCallback = std::function<void(int contextNumber, int x, int y)>;

struct THelpHookSetup {
    std::string HelpFile;
    std::string WindowName;         // empty here
    int Mode = 0;                   // 0: the help engine is called directly
    IHelpEngine* Engine = nullptr;  // none: the help engine is not installed
    // The application's help handler, which the hook takes over; it must outlive
    // the hook. None: requests the hook does not handle go unhandled.
    THelpHandler* ApplicationHelp = nullptr;
    TShowErrorMessage ShowError;
};

class THookHelpSystem {
  public:
    THookHelpSystem(TDLogFile& log, THelpHookSetup setup);
    ~THookHelpSystem();
    THookHelpSystem(const THookHelpSystem&) = delete;
    THookHelpSystem& operator=(const THookHelpSystem&) = delete;

    void SetPopupCallback(THelpPopupCallback callback) { popup_ = std::move(callback); }
    int PopupX() const { return popupX_; }
    int PopupY() const { return popupY_; }

    // One help request; true when handled (here or by the handler it replaced).
    bool HelpHook(int command, std::intptr_t data);
    // Shows the topic of a context number; the engine's result (1 without one).
    int ShowTopic(int contextNumber);

  private:
    TDLogFile& log_;
    THelpHookSetup setup_;
    THelpHandler previous_;
    THelpPopupCallback popup_;
    int popupX_ = 0;
    int popupY_ = 0;
};

}  // namespace quillix
