// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The function pad: twenty buttons (four rows of five) that the user fills with
// built-in functions. TFuncPadItem is one button's data; TFuncPadCreator loads
// the items from the "sb_Func00".."sb_Func34" settings sections onto a panel of
// buttons, refreshes the buttons and saves the items back. Buttons are reached
// through IFuncPadPanel / IFuncPadButton, so any widget set (or a test) plugs in.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/configor.h"

namespace quillix {

// What the pad needs of one of its buttons.
class IFuncPadButton {
  public:
    virtual ~IFuncPadButton() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetFontColor(std::int32_t color) = 0;  // 0x00BBGGRR
    virtual void SetHint(const std::string& hint) = 0;
    virtual void SetHelpContext(int topic) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // The index of the button's item in its creator's list.
    virtual void SetTag(int tag) = 0;
};

// The panel that holds the pad's buttons.
class IFuncPadPanel {
  public:
    virtual ~IFuncPadPanel() = default;
    // The child button named name ("sb_Func" + row digit + column digit), or null.
    virtual IFuncPadButton* FindButton(std::string_view name) = 0;
};

struct TPadRgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    bool operator==(const TPadRgb&) const = default;
};

// The red, green and blue parts of a 0x00BBGGRR colour. The top byte of a
// hand-edited value carries no colour here and is ignored.
TPadRgb PadColorRgb(std::int32_t color);

// Blue: red 0, green 0, blue 255.
inline constexpr std::int32_t kPadDefaultFontColor = 16711680;

struct TFuncPadItem {
    std::uint8_t ItemType = 0;                      // 0 for every button; kept as loaded
    std::uint8_t FuncID = 0;                        // 0: no function
    std::string FuncName;                           // the chosen function's name, for the editor
    std::string Alias;                              // the caption
    IFuncPadButton* Button = nullptr;               // not owned
    std::int32_t FontColor = kPadDefaultFontColor;  // 0x00BBGGRR
    std::int32_t Row = 0;                           // 0..3
    std::int32_t Col = 0;                           // 0..4

    // The catalogue description of FuncID; empty for 0 or a number without a row.
    std::string Hint() const;
    // The catalogue help topic of FuncID; 0 for 0 or a number without a row.
    int HelpContext() const;
    // No function and no function name: the button shows nothing.
    bool IsEmpty() const;
};

// What a click on a pad button of the keypad asks for.
enum class TFuncPadAction {
    None,             // empty button, or a FuncID the catalogue does not know
    ApplyFunction,    // send Command (ccFunction) with FuncID to the engine
    OpenParamDialog,  // collect the arguments of FuncID in the parameter dialog
    InsertNode,       // build the node of FuncID without arguments and insert it
};

// The command code of ccFunction: apply a one-argument function to X.
inline constexpr std::uint8_t kPadFunctionCommand = 32;

struct TFuncPadClick {
    TFuncPadAction Action = TFuncPadAction::None;
    int FuncID = 0;
    std::uint8_t Command = 0;  // kPadFunctionCommand for ApplyFunction, else 0
    bool operator==(const TFuncPadClick&) const = default;
};

TFuncPadClick FuncPadClick(const TFuncPadItem& item);

// The function of each button on a first start, row by row: the name of its
// catalogue row, which is also its caption. A settings file without any pad
// section gets this pad; once a pad has been saved (the options dialog writes
// all twenty sections), the user's own pad stands, even an empty one.
std::string_view FirstStartPadFunction(int row, int col);

// What a screen reader calls a pad button: its caption, or for an empty one
// "Empty function button 7" (the tag counted from 1, row by row).
std::string PadButtonAccessibleName(std::string_view caption, int tag);

// Loads, shows and saves the twenty pad items. The settings and the panel are
// not owned and must outlive the creator (the panel at least until the next Load).
class TFuncPadCreator {
  public:
    // Settings are given explicitly rather than taken from ConfigorIntf, so that
    // the creator never meets a settings object that has gone.
    explicit TFuncPadCreator(IConfigor& settings) : settings_(settings) {}
    TFuncPadCreator(const TFuncPadCreator&) = delete;
    TFuncPadCreator& operator=(const TFuncPadCreator&) = delete;

    // Remembers the panel (may be null: items without buttons), reloads all
    // twenty items row by row (the first-start pad when the settings have no
    // pad section) and refreshes their buttons.
    void Load(IFuncPadPanel* panel, bool enableEmpty);
    // Reads the section of that button into a new item at the end of the list and
    // links the panel's button of that name, whose tag becomes the item's index.
    // A row or column outside the pad throws std::out_of_range and adds nothing.
    TFuncPadItem& LoadItem(int row, int col);
    // Shows item on its button; nothing when it has none. An empty item gets an
    // empty caption and is enabled only with enableEmpty; any other is enabled
    // with its Alias in its FontColor. Hint and help topic follow FuncID.
    void Refresh(const TFuncPadItem& item, bool enableEmpty) const;
    // Write the five keys of the item's section (SaveAll: of every item, in list
    // order) through the announcing writes. A caption or function name the file
    // cannot hold (a line break) or an item outside the pad throws
    // std::invalid_argument / std::out_of_range before anything is written.
    void SaveItem(const TFuncPadItem& item);
    void SaveAll();

    const std::vector<std::unique_ptr<TFuncPadItem>>& Items() const { return items_; }
    // The item a button's tag names, or null for a tag outside the list.
    TFuncPadItem* ItemByTag(int tag) const;
    // What a click on the button of that tag asks for.
    TFuncPadClick ClickAction(int tag) const;
    IFuncPadPanel* Panel() const { return panel_; }

  private:
    IConfigor& settings_;
    IFuncPadPanel* panel_ = nullptr;  // not owned
    std::vector<std::unique_ptr<TFuncPadItem>> items_;
};

}  // namespace quillix
