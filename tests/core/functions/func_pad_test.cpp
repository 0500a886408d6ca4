// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_pad.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "config/calc_config.h"
#include "config/settings_table.h"
#include "functions/func_catalogue.h"
#include "model/calc_commands.h"
#include "support/temp_folder.h"

namespace quillix {
namespace {

static_assert(kPadFunctionCommand == ccFunction);

using test::TempFolder;
using test::WriteFile;

struct FakeButton final : IFuncPadButton {
    std::string caption = "(unset)";
    std::int32_t fontColor = -1;
    std::string hint = "(unset)";
    int helpContext = -1;
    bool enabled = false;
    int tag = -1;

    void SetCaption(const std::string& text) override { caption = text; }
    void SetFontColor(std::int32_t color) override { fontColor = color; }
    void SetHint(const std::string& text) override { hint = text; }
    void SetHelpContext(int topic) override { helpContext = topic; }
    void SetEnabled(bool on) override { enabled = on; }
    void SetTag(int value) override { tag = value; }
};

// What a button shows, apart from its colour.
struct Shown {
    bool enabled = false;
    std::string caption;
    std::string hint;
    int helpContext = 0;
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& shown) {
        return out << (shown.enabled ? "enabled" : "disabled") << " \"" << shown.caption
                   << "\" hint \"" << shown.hint << "\" topic " << shown.helpContext;
    }
};

Shown ShownBy(const FakeButton& button) {
    return {button.enabled, button.caption, button.hint, button.helpContext};
}

// The twenty buttons of a pad, less those named in `missing`.
struct FakePanel final : IFuncPadPanel {
    std::map<std::string, FakeButton, std::less<>> buttons;

    explicit FakePanel(const std::vector<std::string>& missing = {}) {
        for (int row = 0; row < kPadRows; ++row) {
            for (int col = 0; col < kPadColumns; ++col)
                buttons[PadSectionName(row, col)];
        }
        for (const std::string& name : missing)
            buttons.erase(name);
    }
    IFuncPadButton* FindButton(std::string_view name) override {
        const auto found = buttons.find(name);
        return found == buttons.end() ? nullptr : &found->second;
    }
    FakeButton& operator[](const std::string& name) { return buttons.at(name); }
};

// Settings read from an "appmain.ini" of the test's own, and a creator on them.
class FuncPadTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::unique_ptr<TCalcConfig> config;
    std::unique_ptr<TFuncPadCreator> creator;
    FakePanel panel;

    void OpenSettings(const std::string& fileText = "") {
        creator.reset();
        config.reset();
        if (!fileText.empty()) WriteFile(SettingsFilePath(folder.Path()), fileText);
        config = std::make_unique<TCalcConfig>(SettingsFilePath(folder.Path()));
        creator = std::make_unique<TFuncPadCreator>(config->Configor());
    }
    void SetUp() override { OpenSettings(); }
};

TEST_F(FuncPadTest, AFirstStartFillsEveryButtonWithACatalogueFunction) {
    creator->Load(&panel, false);
    ASSERT_EQ(creator->Items().size(), 20u);
    for (int index = 0; index < 20; ++index) {
        const TFuncPadItem& item = *creator->Items()[index];
        EXPECT_EQ(item.Row, index / 5);
        EXPECT_EQ(item.Col, index % 5);
        const std::string name(FirstStartPadFunction(item.Row, item.Col));
        const FakeButton& button = panel[PadSectionName(item.Row, item.Col)];
        EXPECT_EQ(item.Button, &button);
        EXPECT_EQ(button.tag, index);
        // A misspelt name would leave a captioned button that does nothing.
        const TFuncDataItem* row = FindFunc(item.FuncID);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->Name, name);
        EXPECT_EQ(ShownBy(button), (Shown{true, name, row->Description, row->HelpContext}));
        EXPECT_EQ(button.fontColor, kPadDefaultFontColor);
        EXPECT_NE(creator->ClickAction(index).Action, TFuncPadAction::None) << name;
    }
    struct Row {
        int row, col;
        TFuncPadClick click;
    };
    const Row clicks[] = {
        {0, 0, {TFuncPadAction::ApplyFunction, 1, ccFunction}},  // Sqrt on X
        {3, 0, {TFuncPadAction::OpenParamDialog, 74, 0}},        // PMT asks its arguments
        {3, 4, {TFuncPadAction::InsertNode, 42, 0}},             // Today
    };
    for (const Row& row : clicks)
        EXPECT_EQ(creator->ClickAction(row.row * 5 + row.col), row.click);
}

TEST_F(FuncPadTest, ASavedPadStandsEvenWhenTheUserEmptiedIt) {
    creator->Load(&panel, true);
    creator->SaveAll();
    ASSERT_TRUE(config->Flush());
    OpenSettings();
    creator->Load(&panel, false);
    EXPECT_EQ(panel["sb_Func34"].caption, "Today");

    for (const auto& item : creator->Items()) {
        item->FuncID = 0;
        item->FuncName.clear();
        item->Alias.clear();
    }
    creator->SaveAll();
    ASSERT_TRUE(config->Flush());
    OpenSettings();
    creator->Load(&panel, false);
    for (const auto& [name, button] : panel.buttons) {
        EXPECT_FALSE(button.enabled) << name;
        EXPECT_EQ(button.caption, "") << name;
    }
    // Emptied buttons can be filled in the options dialog.
    creator->Load(&panel, true);
    for (const auto& [name, button] : panel.buttons)
        EXPECT_TRUE(button.enabled) << name;
}

TEST_F(FuncPadTest, OneHandWrittenSectionIsTheWholePad) {
    OpenSettings("[sb_Func12]\nFuncID=3\nAlias=Sqr\n");
    creator->Load(&panel, false);
    EXPECT_EQ(panel["sb_Func12"].caption, "Sqr");
    EXPECT_EQ(panel["sb_Func00"].caption, "");
    EXPECT_FALSE(panel["sb_Func00"].enabled);
}

TEST_F(FuncPadTest, SqrButtonShowsItsAliasInBlueAndAppliesSqr) {
    OpenSettings("[sb_Func12]\nFuncID=3\nAlias=Sqr\n");
    creator->Load(&panel, false);
    const FakeButton& button = panel["sb_Func12"];
    EXPECT_EQ(ShownBy(button),
              (Shown{true, "Sqr", "Returns the square of a number", FindFunc(3)->HelpContext}));
    EXPECT_NE(button.helpContext, 0);
    EXPECT_EQ(button.fontColor, 16711680);
    EXPECT_EQ(PadColorRgb(button.fontColor), (TPadRgb{0, 0, 255}));
    EXPECT_EQ(button.tag, 7);
    EXPECT_EQ(creator->ClickAction(button.tag),
              (TFuncPadClick{TFuncPadAction::ApplyFunction, 3, ccFunction}));
}

// One section each, hand-edited ones among them, as the keypad shows and clicks it.
TEST_F(FuncPadTest, SectionsAsTheKeypadShowsThem) {
    struct Row {
        const char* keys;
        Shown shown;
        int clickedFuncID;  // 0: the click does nothing
    };
    const Row rows[] = {
        // A function name without a function: enabled, but nothing to apply.
        {"FuncID=0\nFuncName=Sqr\nAlias=Mine", {true, "Mine", "", 0}, 0},
        // Only the low 8 bits of FuncID count: 300 is 44.
        {"FuncID=300\nAlias=Wrapped",
         {true, "Wrapped", FuncDescription(44), FuncHelpContext(44)},
         44},
        // -3 is 253, which the catalogue does not know.
        {"FuncID=-3\nAlias=NoRow", {true, "NoRow", "", 0}, 0},
        // Not a number, or out of range: no function; a blank name is no name.
        {"FuncID=abc\nFuncName=  \nAlias=Gone", {false, "", "", 0}, 0},
        {"FuncID=99999999999\nAlias=Huge", {false, "", "", 0}, 0},
        // Key names in other case, a hexadecimal number, a caption with odd characters.
        {"funcid=0x1\nALIAS= a=b;[c] \"q\" ",
         {true, " a=b;[c] \"q\" ", FuncDescription(1), FuncHelpContext(1)},
         1},
    };
    for (const Row& row : rows) {
        OpenSettings(std::string("[SB_FUNC34]\n") + row.keys + "\n");
        creator->Load(&panel, false);
        const FakeButton& button = panel["sb_Func34"];
        EXPECT_EQ(ShownBy(button), row.shown) << row.keys;
        EXPECT_EQ(creator->ClickAction(button.tag).FuncID, row.clickedFuncID) << row.keys;
    }
}

TEST_F(FuncPadTest, ColoursAndItemTypesAsStored) {
    OpenSettings(
        "[sb_Func00]\nFuncID=1\nFontColor=blue\n"
        "[sb_Func01]\nFuncID=1\nFontColor=$FF\nItemType=258\n");
    creator->Load(&panel, false);
    const auto& items = creator->Items();
    EXPECT_EQ(items[0]->FontColor, 16711680);  // not a number: the default
    EXPECT_EQ(items[1]->FontColor, 255);
    EXPECT_EQ(panel["sb_Func01"].fontColor, 255);
    EXPECT_EQ(items[1]->ItemType, 2);
}

TEST(FuncPadClickTest, TheCatalogueRowDecides) {
    struct Row {
        int funcID;
        TFuncPadAction action;
    };
    const Row rows[] = {
        {0, TFuncPadAction::None},
        {1, TFuncPadAction::ApplyFunction},
        {89, TFuncPadAction::ApplyFunction},
        {23, TFuncPadAction::OpenParamDialog},
        {77, TFuncPadAction::OpenParamDialog},
        {42, TFuncPadAction::InsertNode},
        {94, TFuncPadAction::None},
        {255, TFuncPadAction::None},
    };
    for (const Row& row : rows) {
        TFuncPadItem item;
        item.FuncID = static_cast<std::uint8_t>(row.funcID);
        item.FuncName = "Named";
        const TFuncPadClick click = FuncPadClick(item);
        EXPECT_EQ(click.Action, row.action) << row.funcID;
        const bool acts = row.action != TFuncPadAction::None;
        EXPECT_EQ(click.FuncID, acts ? row.funcID : 0) << row.funcID;
        EXPECT_EQ(click.Command, row.action == TFuncPadAction::ApplyFunction ? ccFunction : 0)
            << row.funcID;
    }
}

TEST_F(FuncPadTest, TagsOutsideTheListFindNothing) {
    creator->Load(&panel, false);
    EXPECT_EQ(creator->ItemByTag(-1), nullptr);
    EXPECT_EQ(creator->ItemByTag(20), nullptr);
    EXPECT_EQ(creator->ItemByTag(19), creator->Items()[19].get());
    EXPECT_EQ(creator->ClickAction(1000), TFuncPadClick{});
}

TEST_F(FuncPadTest, MissingButtonsAndNoPanelLeaveItemsWithoutButtons) {
    FakePanel partial({"sb_Func12"});
    creator->Load(&partial, false);
    EXPECT_EQ(creator->Items()[7]->Button, nullptr);
    EXPECT_EQ(partial["sb_Func13"].tag, 8);
    creator->Refresh(*creator->Items()[7], true);  // no button: nothing to do

    creator->Load(nullptr, false);
    ASSERT_EQ(creator->Items().size(), 20u);
    for (const auto& item : creator->Items())
        EXPECT_EQ(item->Button, nullptr);
    EXPECT_EQ(creator->Panel(), nullptr);
    EXPECT_THROW(creator->LoadItem(4, 0), std::out_of_range);
    EXPECT_EQ(creator->Items().size(), 20u);
}

TEST_F(FuncPadTest, EmptiedButtonLosesCaptionHintAndTopic) {
    OpenSettings("[sb_Func00]\nFuncID=3\nAlias=Sqr\n");
    creator->Load(&panel, true);
    TFuncPadItem& item = *creator->Items()[0];
    item.FuncID = 0;
    item.FuncName.clear();
    creator->Refresh(item, false);
    EXPECT_EQ(ShownBy(panel["sb_Func00"]), (Shown{false, "", "", 0}));
}

TEST_F(FuncPadTest, SaveAllWritesFiveKeysOfTwentySectionsThroughTheAnnouncingWrites) {
    int announced = 0;
    struct Counter {
        int* count;
        void Changed(TCalcConfig&, const std::string&, std::intptr_t, const TConfigValue&,
                     const std::string&) {
            ++*count;
        }
    } counter{&announced};

    OpenSettings("[sb_Func00]\n");  // a pad of the user's: empty
    config->AddChangeHandler(0, TConfigChangeHandler::Bind<&Counter::Changed>(counter));
    creator->Load(&panel, false);
    creator->SaveAll();
    EXPECT_EQ(announced, 100);
    const std::vector<std::string> keys = {"ItemType", "FuncID", "FuncName", "Alias", "FontColor"};
    const std::vector<std::string> values = {"0", "0", "", "", "16711680"};
    for (int row = 0; row < kPadRows; ++row) {
        for (int col = 0; col < kPadColumns; ++col) {
            const std::string section = PadSectionName(row, col);
            ASSERT_EQ(config->Keys(section), keys) << section;
            for (std::size_t k = 0; k < keys.size(); ++k)
                EXPECT_EQ(config->ReadString(section, keys[k], "?"), values[k]) << section;
        }
    }
    config->RemoveChangeHandler(TConfigChangeHandler::Bind<&Counter::Changed>(counter));
}

TEST_F(FuncPadTest, EditedItemsComeBackFromTheFile) {
    creator->Load(&panel, true);
    TFuncPadItem& item = *creator->Items()[13];
    item.FuncID = 77;
    item.FuncName = "IRR";
    item.Alias = " IRR;#=[x] ";
    item.FontColor = 0x0000FF;
    creator->SaveItem(item);
    ASSERT_TRUE(config->Flush());

    OpenSettings();
    creator->Load(&panel, false);
    const TFuncPadItem& back = *creator->Items()[13];
    EXPECT_EQ(back.FuncID, 77);
    EXPECT_EQ(back.FuncName, "IRR");
    EXPECT_EQ(back.Alias, " IRR;#=[x] ");
    EXPECT_EQ(back.FontColor, 255);
    EXPECT_EQ(panel["sb_Func23"].caption, " IRR;#=[x] ");
    EXPECT_EQ(creator->ClickAction(13).Action, TFuncPadAction::OpenParamDialog);
    EXPECT_FALSE(config->HasSection("sb_Func00"));  // SaveItem wrote only its own section
}

TEST_F(FuncPadTest, ItemsTheFileCannotHoldAreRefusedBeforeAnyWrite) {
    creator->Load(&panel, true);
    creator->Items()[19]->Alias = "two\nlines";
    EXPECT_THROW(creator->SaveAll(), std::invalid_argument);
    EXPECT_TRUE(config->Sections().empty());

    TFuncPadItem outside;
    outside.Row = 4;
    EXPECT_THROW(creator->SaveItem(outside), std::out_of_range);
    EXPECT_TRUE(config->Sections().empty());
}

TEST(PadColorTest, PartsOfTheColour) {
    EXPECT_EQ(PadColorRgb(16711680), (TPadRgb{0, 0, 255}));
    EXPECT_EQ(PadColorRgb(0x0000FF), (TPadRgb{255, 0, 0}));
    EXPECT_EQ(PadColorRgb(0x123456), (TPadRgb{0x56, 0x34, 0x12}));
    EXPECT_EQ(PadColorRgb(-1), (TPadRgb{255, 255, 255}));
}

TEST(FuncPadNames, AButtonIsNamedByItsCaptionOrItsPlace) {
    const struct {
        const char* caption;
        int tag;
        const char* name;
    } rows[] = {
        {"Sqrt", 0, "Sqrt"},
        {"", 0, "Empty function button 1"},
        {"", 6, "Empty function button 7"},
        {"", 19, "Empty function button 20"},
        {"R&D", 3, "R&D"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PadButtonAccessibleName(row.caption, row.tag), row.name);
}

}  // namespace
}  // namespace quillix
