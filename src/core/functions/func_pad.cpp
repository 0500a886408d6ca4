// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_pad.h"

#include <array>
#include <cstddef>
#include <stdexcept>

#include "config/calc_config.h"
#include "config/ini_file.h"
#include "config/settings_table.h"
#include "functions/func_catalogue.h"

namespace quillix {

namespace {

static_assert(kSettingsTable[static_cast<std::size_t>(TSetting::PadFontColor)].Default ==
                  "16711680",
              "the item's default colour is the settings default");

// Blanks and control characters, as the editor's trimming treats them.
bool IsBlankText(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFFu);
}

std::string_view PadKey(TSetting setting) {
    return SettingDef(setting).Key;
}

// The item's section, once it is known that the item can be written whole.
std::string CheckedSection(const TFuncPadItem& item) {
    std::string section = PadSectionName(item.Row, item.Col);
    const auto require = [&](const std::string& text, const char* what) {
        if (!TIniFile::IsValidValue(text)) {
            throw std::invalid_argument("The " + std::string(what) + " of function pad button \"" +
                                        section + "\" cannot hold a line break");
        }
    };
    require(item.FuncName, "function name");
    require(item.Alias, "caption");
    return section;
}

// What a newcomer reaches for that the keypad's grid does not have: roots,
// powers and logarithms; trigonometry; the integer part, rounding and the list
// statistics; the loan and investment functions; today's date and If. (Recip
// is left out: the grid's "1/x" is Recip.) The longest captions share the last
// column, so that the pad keeps to the keypad's width; a longer one such as
// DegToRad would widen the keypad beyond the main window's column.
constexpr std::size_t kPadButtons = kPadRows * kPadColumns;
constexpr std::array<std::string_view, kPadButtons> kFirstStartPad = {
    "Sqrt", "Sqr",  "Exp", "Ln",  "Log10",   //
    "Sin",  "Cos",  "Tan", "Int", "Round",   //
    "Abs",  "Fact", "Sum", "AVG", "StdDev",  //
    "PMT",  "NPV",  "IRR", "If",  "Today",
};

bool HasPadSettings(const IConfigor& settings) {
    const TCalcConfig* config = settings.GetConfig();
    if (config == nullptr) return false;
    for (int row = 0; row < kPadRows; ++row) {
        for (int col = 0; col < kPadColumns; ++col) {
            if (config->HasSection(PadSectionName(row, col))) return true;
        }
    }
    return false;
}

void FillFirstStartItem(TFuncPadItem& item) {
    const std::string_view name = FirstStartPadFunction(item.Row, item.Col);
    item.FuncID = LowByte(FindFuncID(name));
    item.FuncName = name;
    item.Alias = name;
}

void WriteItem(IConfigor& settings, const std::string& section, const TFuncPadItem& item) {
    settings.WriteInteger(section, PadKey(TSetting::PadItemType), item.ItemType);
    settings.WriteInteger(section, PadKey(TSetting::PadFuncID), item.FuncID);
    settings.WriteString(section, PadKey(TSetting::PadFuncName), item.FuncName);
    settings.WriteString(section, PadKey(TSetting::PadAlias), item.Alias);
    settings.WriteInteger(section, PadKey(TSetting::PadFontColor), item.FontColor);
}

}  // namespace

std::string_view FirstStartPadFunction(int row, int col) {
    if (row < 0 || row >= kPadRows || col < 0 || col >= kPadColumns) return {};
    return kFirstStartPad[static_cast<std::size_t>(row * kPadColumns + col)];
}

TPadRgb PadColorRgb(std::int32_t color) {
    const auto bits = static_cast<std::uint32_t>(color);
    return {static_cast<std::uint8_t>(bits & 0xFFu), static_cast<std::uint8_t>((bits >> 8) & 0xFFu),
            static_cast<std::uint8_t>((bits >> 16) & 0xFFu)};
}

std::string TFuncPadItem::Hint() const {
    return FuncDescription(FuncID);
}

int TFuncPadItem::HelpContext() const {
    return FuncHelpContext(FuncID);
}

bool TFuncPadItem::IsEmpty() const {
    return FuncID == 0 && IsBlankText(FuncName);
}

TFuncPadClick FuncPadClick(const TFuncPadItem& item) {
    const TFuncDataItem* row = item.FuncID == 0 ? nullptr : FindFunc(item.FuncID);
    if (row == nullptr) return {};
    switch (FunctionUse(*row)) {
        case TFunctionUse::CommandOnX:
            return {TFuncPadAction::ApplyFunction, row->FuncID, kPadFunctionCommand};
        case TFunctionUse::InsertNode:
            return {TFuncPadAction::InsertNode, row->FuncID, 0};
        case TFunctionUse::AskArguments:
            break;
    }
    return {TFuncPadAction::OpenParamDialog, row->FuncID, 0};
}

void TFuncPadCreator::Load(IFuncPadPanel* panel, bool enableEmpty) {
    panel_ = panel;
    items_.clear();
    const bool firstStart = !HasPadSettings(settings_);
    for (int row = 0; row < kPadRows; ++row) {
        for (int col = 0; col < kPadColumns; ++col) {
            TFuncPadItem& item = LoadItem(row, col);
            if (firstStart) FillFirstStartItem(item);
        }
    }
    for (const auto& item : items_)
        Refresh(*item, enableEmpty);
}

TFuncPadItem& TFuncPadCreator::LoadItem(int row, int col) {
    const std::string section = PadSectionName(row, col);
    auto item = std::make_unique<TFuncPadItem>();
    item->ItemType = LowByte(ReadIntegerPadSetting(settings_, TSetting::PadItemType, row, col));
    item->FuncID = LowByte(ReadIntegerPadSetting(settings_, TSetting::PadFuncID, row, col));
    item->FuncName = ReadTextPadSetting(settings_, TSetting::PadFuncName, row, col);
    item->Alias = ReadTextPadSetting(settings_, TSetting::PadAlias, row, col);
    item->FontColor = ReadIntegerPadSetting(settings_, TSetting::PadFontColor, row, col);
    item->Row = row;
    item->Col = col;
    if (panel_ != nullptr) item->Button = panel_->FindButton(section);
    if (item->Button != nullptr) item->Button->SetTag(static_cast<int>(items_.size()));
    items_.push_back(std::move(item));
    return *items_.back();
}

void TFuncPadCreator::Refresh(const TFuncPadItem& item, bool enableEmpty) const {
    IFuncPadButton* button = item.Button;
    if (button == nullptr) return;
    if (item.IsEmpty()) {
        button->SetCaption("");
        button->SetEnabled(enableEmpty);
    } else {
        button->SetEnabled(true);
        button->SetFontColor(item.FontColor);
        button->SetCaption(item.Alias);
    }
    // An emptied button must not keep the hint and topic of its former function;
    // for an empty item these are "" and 0.
    button->SetHint(item.Hint());
    button->SetHelpContext(item.HelpContext());
}

void TFuncPadCreator::SaveItem(const TFuncPadItem& item) {
    WriteItem(settings_, CheckedSection(item), item);
}

void TFuncPadCreator::SaveAll() {
    // Check every item before the first write, so that a refused save leaves the
    // settings as they were rather than half of the pad new.
    std::vector<std::string> sections;
    sections.reserve(items_.size());
    for (const auto& item : items_)
        sections.push_back(CheckedSection(*item));
    for (std::size_t i = 0; i < items_.size(); ++i)
        WriteItem(settings_, sections[i], *items_[i]);
}

TFuncPadItem* TFuncPadCreator::ItemByTag(int tag) const {
    if (tag < 0 || static_cast<std::size_t>(tag) >= items_.size()) return nullptr;
    return items_[static_cast<std::size_t>(tag)].get();
}

TFuncPadClick TFuncPadCreator::ClickAction(int tag) const {
    const TFuncPadItem* item = ItemByTag(tag);
    return item != nullptr ? FuncPadClick(*item) : TFuncPadClick{};
}

std::string PadButtonAccessibleName(std::string_view caption, int tag) {
    if (!caption.empty()) return std::string(caption);
    return "Empty function button " + std::to_string(tag + 1);
}

}  // namespace quillix
