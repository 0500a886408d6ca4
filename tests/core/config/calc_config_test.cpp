// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/calc_config.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace quillix::test {
namespace {

struct Call {
    std::string section, key;
    std::intptr_t tag;
    TConfigValue value;
};

// A window-like receiver that records what it is told and may react by writing.
struct Listener {
    std::vector<Call> calls;
    std::function<void(TCalcConfig&)> react;

    void Changed(TCalcConfig& settings, const std::string& section, std::intptr_t tag,
                 const TConfigValue& value, const std::string& key) {
        calls.push_back({section, key, tag, value});
        if (react) react(settings);
    }
    TConfigChangeHandler Handler() { return TConfigChangeHandler::Bind<&Listener::Changed>(*this); }
};

// A settings object on a fresh folder with one listener not yet registered.
class CalcConfigTest : public ::testing::Test {
  protected:
    TempFolder folder;
    TCalcConfig config{SettingsFilePath(folder.Path())};
    Listener listener;
};

TEST_F(CalcConfigTest, HandlersGetSectionTagValueAndKeyByTheWriteUsed) {
    config.Configor().AddChangeHandler(42, listener.Handler());
    IConfigor& configor = config.Configor();
    configor.WriteBool("Main", "AlwaysOnTop", true);
    configor.WriteInteger("Keypad", "InputMode", 1);
    configor.WriteString("Keypad", "QuickVarNames", "a,b");
    ASSERT_EQ(listener.calls.size(), 3u);
    EXPECT_EQ(listener.calls[0].value, TConfigValue(true));
    EXPECT_EQ(listener.calls[1].value, TConfigValue(1));
    EXPECT_EQ(listener.calls[2].value, TConfigValue(std::string("a,b")));
    EXPECT_EQ(listener.calls[1].section, "Keypad");
    EXPECT_EQ(listener.calls[1].key, "InputMode");
    EXPECT_EQ(listener.calls[1].tag, 42);
    EXPECT_EQ(config.ReadString("Main", "AlwaysOnTop", ""), "1");
}

TEST_F(CalcConfigTest, DirectWritesAreStoredButNotAnnounced) {
    config.AddChangeHandler(0, listener.Handler());
    config.WriteInteger("Keypad", "InputMode", 1);
    config.Configor().GetConfig()->WriteInteger("Main", "Left", 10);
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_EQ(config.Configor().ReadInteger("Keypad", "InputMode", 2), 1);
}

TEST_F(CalcConfigTest, AWriteMadeByAHandlerIsStoredAndAnnouncedToNobody) {
    Listener first, second;
    first.react = [](TCalcConfig& settings) {
        EXPECT_TRUE(settings.Notifying());
        settings.Configor().WriteBool("Main", "ShowKeypadHint", false);
    };
    config.AddChangeHandler(1, first.Handler());
    config.AddChangeHandler(2, second.Handler());
    config.Configor().WriteInteger("Keypad", "InputMode", 1);
    ASSERT_EQ(first.calls.size(), 1u);
    ASSERT_EQ(second.calls.size(), 1u);
    EXPECT_EQ(second.calls[0].key, "InputMode");
    EXPECT_FALSE(config.ReadBool("Main", "ShowKeypadHint", true));
    EXPECT_FALSE(config.Notifying());
    config.Configor().WriteInteger("Keypad", "InputMode", 2);  // announced again afterwards
    EXPECT_EQ(second.calls.size(), 2u);
}

TEST_F(CalcConfigTest, RegisteringTwiceLeavesOneEntryAndRemovingLeavesNone) {
    Listener one, other;
    config.AddChangeHandler(1, one.Handler());
    config.AddChangeHandler(2, one.Handler());
    EXPECT_EQ(config.HandlerCount(), 1u);
    config.AddChangeHandler(3, other.Handler());  // same routine, another receiver
    config.AddChangeHandler(4, TConfigChangeHandler());
    EXPECT_EQ(config.HandlerCount(), 2u);

    config.Configor().WriteInteger("Main", "Left", 1);
    ASSERT_EQ(one.calls.size(), 1u);
    EXPECT_EQ(one.calls[0].tag, 1);  // the first registration's tag

    config.RemoveChangeHandler(one.Handler());
    config.RemoveChangeHandler(one.Handler());
    EXPECT_EQ(config.HandlerCount(), 1u);
    config.RemoveChangeHandler(other.Handler());
    EXPECT_EQ(config.HandlerCount(), 0u);
}

TEST_F(CalcConfigTest, AHandlerMayRemoveItselfOrAnotherWhileNotified) {
    Listener first, second, third;
    first.react = [&](TCalcConfig& settings) {
        settings.RemoveChangeHandler(first.Handler());
        settings.RemoveChangeHandler(second.Handler());
        settings.AddChangeHandler(9, second.Handler());  // back at the end, for the next write
    };
    config.AddChangeHandler(1, first.Handler());
    config.AddChangeHandler(2, second.Handler());
    config.AddChangeHandler(3, third.Handler());
    config.Configor().WriteInteger("Main", "Left", 1);
    EXPECT_EQ(first.calls.size(), 1u);
    EXPECT_EQ(second.calls.size(), 0u);
    EXPECT_EQ(third.calls.size(), 1u);
    EXPECT_EQ(config.HandlerCount(), 2u);
    config.Configor().WriteInteger("Main", "Left", 2);
    EXPECT_EQ(first.calls.size(), 1u);
    ASSERT_EQ(second.calls.size(), 1u);
    EXPECT_EQ(second.calls[0].tag, 9);
}

TEST_F(CalcConfigTest, AFailingHandlerEndsTheNotification) {
    listener.react = [](TCalcConfig&) { throw std::runtime_error("handler failed"); };
    config.AddChangeHandler(0, listener.Handler());
    EXPECT_THROW(config.Configor().WriteInteger("Main", "Left", 1), std::runtime_error);
    EXPECT_FALSE(config.Notifying());
    EXPECT_EQ(config.ReadInteger("Main", "Left", 0), 1);
}

TEST_F(CalcConfigTest, IntegersInDecimalOrHexAndDefaultsForTheRest) {
    struct Row {
        const char* text;
        int expected;  // -999: the default
    };
    const Row rows[] = {
        {"31", 31},
        {"$1F", 31},
        {"0x1f", 31},
        {"0X1F", 31},
        {" 12 ", 12},
        {"-5", -5},
        {"+7", 7},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", -999},
        {"$80000000", -999},
        {"12abc", -999},
        {"", -999},
        {"0x", -999},
        {"$", -999},
        {"1e3", -999},
        {"1.5", -999},
        {"$G", -999},
        {"- 5", -999},
        {"99999999999999999999", -999},
    };
    for (const Row& row : rows) {
        config.WriteString("Main", "Value", row.text);
        EXPECT_EQ(config.Configor().ReadInteger("Main", "Value", -999), row.expected) << row.text;
    }
}

TEST_F(CalcConfigTest, BooleansAreOneAndZeroAndReadAsAnyNonZeroInteger) {
    struct Row {
        const char* text;
        bool withDefaultFalse, withDefaultTrue;
    };
    const Row rows[] = {
        {"1", true, true},  {"0", false, false},   {"5", true, true}, {"$0", false, false},
        {"-1", true, true}, {"true", false, true}, {"", false, true}, {"yes", false, true},
    };
    for (const Row& row : rows) {
        config.WriteString("Main", "Flag", row.text);
        EXPECT_EQ(config.ReadBool("Main", "Flag", false), row.withDefaultFalse) << row.text;
        EXPECT_EQ(config.ReadBool("Main", "Flag", true), row.withDefaultTrue) << row.text;
    }
    config.WriteBool("Main", "Flag", true);
    EXPECT_EQ(config.ReadString("Main", "Flag", ""), "1");
    config.WriteBool("Main", "Flag", false);
    EXPECT_EQ(config.ReadString("Main", "Flag", ""), "0");
}

TEST_F(CalcConfigTest, AKeyWrittenInOtherLetterCaseIsFoundButHandlersSeeItsSpelling) {
    config.AddChangeHandler(0, listener.Handler());
    config.Configor().WriteInteger("keypad", "inputmode", 1);
    EXPECT_EQ(config.Configor().ReadInteger("Keypad", "InputMode", 2), 1);
    ASSERT_EQ(listener.calls.size(), 1u);
    EXPECT_EQ(listener.calls[0].section, "keypad");
    EXPECT_EQ(listener.calls[0].key, "inputmode");
}

TEST_F(CalcConfigTest, InvalidNamesAreRefusedBeforeAnythingIsAnnounced) {
    config.AddChangeHandler(0, listener.Handler());
    EXPECT_THROW(config.Configor().WriteString("Main", "a=b", "1"), std::invalid_argument);
    EXPECT_THROW(config.Configor().WriteString("Main", "Skin", "two\nlines"),
                 std::invalid_argument);
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_FALSE(config.Modified());
}

TEST(CalcConfigPublish, ConfigorIntfLivesAsLongAsTheSettings) {
    ASSERT_EQ(ConfigorIntf, nullptr);
    TempFolder folder;
    std::shared_ptr<IConfigor> kept;
    {
        TCalcConfig config(SettingsFilePath(folder.Path()));
        EXPECT_EQ(ConfigorIntf, &config.Configor());
        EXPECT_EQ(CalcConfig, &config);
        {
            TCalcConfig second(SettingsFilePath(folder.Path()));
            EXPECT_EQ(ConfigorIntf, &config.Configor());  // the first keeps its place
        }
        EXPECT_EQ(ConfigorIntf, &config.Configor());
        kept = config.ConfigorReference();
        EXPECT_EQ(kept->GetConfig(), &config);
    }
    EXPECT_EQ(ConfigorIntf, nullptr);
    EXPECT_EQ(CalcConfig, nullptr);
    EXPECT_EQ(kept->GetConfig(), nullptr);
    EXPECT_EQ(kept->ReadInteger("Keypad", "InputMode", 2), 2);
    kept->WriteInteger("Keypad", "InputMode", 1);  // dropped, no crash
    EXPECT_EQ(kept->ReadInteger("Keypad", "InputMode", 2), 2);
}

}  // namespace
}  // namespace quillix::test
