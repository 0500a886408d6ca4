// SPDX-License-Identifier: GPL-3.0-or-later
#include "diag/hook_help_system.h"
#include "common/text_compare.h"

#include <array>
#include <thread>
#include <utility>

namespace quillix {

namespace {

struct THelpCommandName {
    int Command;
    std::string_view Name;
};

constexpr std::array<THelpCommandName, 16> kHelpCommandNames = {{
    {1, "HELP_CONTEXT"},
    {2, "HELP_QUIT"},
    {3, "HELP_INDEX or HELP_CONTENTS"},
    {4, "HELP_HELPONHELP"},
    {5, "HELP_SETINDEX or HELP_SETCONTENTS"},
    {8, "HELP_CONTEXTPOPUP"},
    {9, "HELP_FORCEFILE"},
    {10, "HELP_CONTEXTMENU"},
    {11, "HELP_FINDER"},
    {12, "HELP_WM_HELP"},
    {13, "HELP_SETPOPUP_POS"},
    {257, "HELP_KEY"},
    {258, "HELP_COMMAND"},
    {261, "HELP_PARTIALKEY"},
    {513, "HELP_MULTIKEY"},
    {515, "HELP_SETWINPOS"},
}};

std::string_view TrimBlanks(std::string_view text) {
    return TrimAny(text, " ");
}

// A point packed as two signed 16-bit coordinates, x in the low half.
int LowCoordinate(std::intptr_t data) {
    return static_cast<std::int16_t>(data & 0xFFFF);
}
int HighCoordinate(std::intptr_t data) {
    return static_cast<std::int16_t>((data >> 16) & 0xFFFF);
}

}  // namespace

std::intptr_t PackedPopupPosition(int x, int y) {
    const auto low = static_cast<std::uint16_t>(static_cast<std::int16_t>(x));
    const auto high = static_cast<std::uint16_t>(static_cast<std::int16_t>(y));
    return static_cast<std::intptr_t>((std::uint32_t{high} << 16) | low);
}

std::string_view HelpCommandName(int command) {
    for (const THelpCommandName& row : kHelpCommandNames) {
        if (row.Command == command) return row.Name;
    }
    return "??";
}

std::string_view HelpErrorMessage(int result) {
    switch (result) {
        case 1:
            return "MS Html Help is not installed on this PC.";
        case 2:
            return "System file KeyHH.EXE was not found in the Windows folder.";
        case 3:
            return "System file HH.EXE was not found in the Windows folder.";
        default:
            return "Unknown error returned by HHHelpContext";
    }
}

std::string HelpAddress(std::string_view helpFile, std::string_view windowName) {
    std::string file;
    for (std::size_t i = 0; i < helpFile.size(); ++i) {
        if (helpFile.substr(i, 3) == "%20") {
            file += ' ';
            i += 2;
        } else {
            file += helpFile[i];
        }
    }
    std::string address(TrimBlanks(file));
    if (!windowName.empty()) {
        address += '>';
        address += windowName;
    }
    return address;
}

THookHelpSystem::THookHelpSystem(TDLogFile& log, THelpHookSetup setup)
    : log_(log), setup_(std::move(setup)) {
    if (setup_.ApplicationHelp) {
        previous_ = std::move(*setup_.ApplicationHelp);
        *setup_.ApplicationHelp = [this](int command, std::intptr_t data) {
            return HelpHook(command, data);
        };
    }
    log_.LogLine("THookHelpSystem.Create(\"%s\",\"%s\", %d)",
                 {setup_.HelpFile, setup_.WindowName, setup_.Mode});
}

THookHelpSystem::~THookHelpSystem() {
    if (setup_.Mode == 0 && setup_.Engine) {
        setup_.Engine->CloseAll();
        std::this_thread::yield();  // let the viewer's windows go before the hook does
    }
    if (setup_.ApplicationHelp) *setup_.ApplicationHelp = std::move(previous_);
    log_.LogLine("THookHelpSystem.Destroy");
}

bool THookHelpSystem::HelpHook(int command, std::intptr_t data) {
    const std::string commandText =
        std::to_string(command) + " (" + std::string(HelpCommandName(command)) + ")";
    log_.LogLine("THookHelpSystem.HelpHook(%s, %d)", {commandText, data});
    switch (command) {
        case kHelpContext:
            ShowTopic(static_cast<int>(data));
            return true;
        case kHelpContextPopup:
            if (popup_) {
                popup_(static_cast<int>(data), popupX_, popupY_);
            } else {
                ShowTopic(static_cast<int>(data));
            }
            return true;
        case kHelpSetPopupPosition:
            popupX_ = LowCoordinate(data);
            popupY_ = HighCoordinate(data);
            return true;
        default:
            return previous_ ? previous_(command, data) : false;
    }
}

int THookHelpSystem::ShowTopic(int contextNumber) {
    log_.LogLine("HHHelpContext(\"%s\", %d, \"%s\", %d)",
                 {setup_.HelpFile, contextNumber, setup_.WindowName, setup_.Mode});
    const std::string address = HelpAddress(setup_.HelpFile, setup_.WindowName);
    log_.LogLine("ShowContext(\"%s\", %d)", {address, contextNumber});
    const int result = setup_.Engine ? setup_.Engine->ShowTopic(address, contextNumber) : 1;
    log_.LogLine("  returned - %d", {result});
    if (result != 0) {
        const std::string message(HelpErrorMessage(result));
        if (setup_.ShowError) setup_.ShowError(message);
        log_.LogLine("HHShowError(%d), \"%s\"", {result, message});
    }
    return result;
}

}  // namespace quillix
