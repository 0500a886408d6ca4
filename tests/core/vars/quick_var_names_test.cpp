// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/quick_var_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "config/calc_config.h"
#include "model/calc_vars_intf.h"
#include "support/idle_calc_vars.h"
#include "support/temp_folder.h"

namespace quillix {
namespace {

using ::testing::_;
using ::testing::NiceMock;

std::string Folded(const std::string& name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    std::string folded = name.substr(first, name.find_last_not_of(' ') - first + 1);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return folded;
}

// A program document that knows only names and listeners; what the quick names
// never call has no behaviour.
class FakeDocument : public test::IdleCalcVars {
  public:
    FakeDocument() {
        ON_CALL(*this, Exists).WillByDefault([this](const std::string& name) {
            return names.count(Folded(name)) > 0;
        });
        ON_CALL(*this, AddListener).WillByDefault([this](TCalcVarsEventsObject* listener) {
            listeners.push_back(listener);
        });
        ON_CALL(*this, RemoveListener).WillByDefault([this](TCalcVarsEventsObject* listener) {
            std::erase(listeners, listener);
        });
    }

    void Hold(std::initializer_list<std::string> held) {
        for (const std::string& name : held)
            names.insert(Folded(name));
    }
    void Drop(const std::string& name) { names.erase(Folded(name)); }
    void Raise(std::uint8_t action) {
        for (TCalcVarsEventsObject* listener : std::vector(listeners)) {
            if (listener->OnChange) listener->OnChange(action, -1, nullptr, "");
        }
    }

    std::set<std::string> names;
    std::vector<TCalcVarsEventsObject*> listeners;

    MOCK_METHOD(bool, Exists, (const std::string&), (override));
    MOCK_METHOD(void, AddListener, (TCalcVarsEventsObject*), (override));
    MOCK_METHOD(void, RemoveListener, (TCalcVarsEventsObject*), (override));
};

// The fake document is published for the test and withdrawn after it.
class QuickVarNamesTest : public ::testing::Test {
  protected:
    NiceMock<FakeDocument> document;
    void SetUp() override { SetCalcVarsIntf(&document); }
    void TearDown() override { SetCalcVarsIntf(nullptr); }
};

TEST_F(QuickVarNamesTest, NextNamesSkipWhatTheDocumentHolds) {
    struct Row {
        std::initializer_list<std::string> held;
        const char *x, *y, *v;
    };
    const Row rows[] = {
        {{}, "X", "Y", "V"},
        {{"X", "X1"}, "X2", "Y", "V"},
        {{"x", " x1 "}, "X2", "Y", "V"},  // the document ignores case and blanks
        {{"X1"}, "X", "Y", "V"},          // counter 0 tries the bare prefix only
        {{"Y", "Y1", "Y2", "V"}, "X", "Y3", "V1"},
    };
    for (const Row& row : rows) {
        document.names.clear();
        document.Hold(row.held);
        TQuickVarNames names;
        EXPECT_EQ(names.NextX(), row.x);
        EXPECT_EQ(names.NextX(), row.x);  // not used, so proposed again
        EXPECT_EQ(names.NextY(), row.y);
        EXPECT_EQ(names.NextV(), row.v);
    }
}

TEST_F(QuickVarNamesTest, TheCounterStaysWhereTheSearchEnded) {
    document.Hold({"X", "X1"});
    TQuickVarNames names;
    EXPECT_EQ(names.NextX(), "X2");
    EXPECT_EQ(names.CounterX(), 2);
    document.Hold({"X2"});
    document.Drop("X2");
    EXPECT_EQ(names.NextX(), "X2");

    document.Hold({"X2"});
    EXPECT_EQ(names.NextX(), "X3");
    document.Drop("X1");  // numbering never goes back to a freed name
    EXPECT_EQ(names.NextX(), "X3");
    EXPECT_EQ(names.CounterX(), 3);
}

TEST_F(QuickVarNamesTest, ANewOrOpenedDocumentStartsNumberingAgain) {
    TQuickVarNames names;
    for (const std::uint8_t action : {vaCleared, vaLoaded}) {
        document.names.clear();
        document.Hold({"X", "Y", "Y1", "V"});
        EXPECT_EQ(names.NextX(), "X1");
        EXPECT_EQ(names.NextY(), "Y2");
        EXPECT_EQ(names.NextV(), "V1");
        for (const std::uint8_t other :
             {vaAdded, vaDeleted, vaValueChanged, vaNewDocument, vaSaved})
            document.Raise(other);
        EXPECT_EQ(names.CounterY(), 2);

        document.names.clear();
        document.Raise(action);
        EXPECT_EQ(names.CounterX(), 0);
        EXPECT_EQ(names.CounterY(), 0);
        EXPECT_EQ(names.CounterV(), 0);
        EXPECT_EQ(names.NextY(), "Y");
    }
}

TEST_F(QuickVarNamesTest, TheListenerIsRegisteredOnceAndRemovedWithTheNames) {
    {
        TQuickVarNames names;
        ASSERT_EQ(document.listeners.size(), 1u);
    }
    EXPECT_TRUE(document.listeners.empty());
}

TEST_F(QuickVarNamesTest, NoRemovalWhenTheDocumentIsNoLongerPublished) {
    auto names = std::make_unique<TQuickVarNames>();
    SetCalcVarsIntf(nullptr);
    EXPECT_CALL(document, RemoveListener(_)).Times(0);
    EXPECT_EQ(names->NextX(), "X");  // no document: every name is free
    names.reset();
}

TEST_F(QuickVarNamesTest, WithoutADocumentNothingIsRegistered) {
    SetCalcVarsIntf(nullptr);
    EXPECT_CALL(document, AddListener(_)).Times(0);
    EXPECT_CALL(document, RemoveListener(_)).Times(0);
    auto names = std::make_unique<TQuickVarNames>();
    SetCalcVarsIntf(&document);  // published later: the names were never on it
    document.Hold({"X"});
    EXPECT_EQ(names->NextX(), "X1");
    names.reset();
}

class QuickVarNamesSettingsTest : public QuickVarNamesTest {
  protected:
    test::TempFolder folder;
    TCalcConfig config{SettingsFilePath(folder.Path())};
};

TEST_F(QuickVarNamesSettingsTest, FavouritesComeFromTheSettingWithoutEmptyItems) {
    config.WriteString("Keypad", "QuickVarNames", R"(Total, "Net Sum",,Rate ,"", " ",Total)");
    document.Hold({"Total"});
    TQuickVarNames names(config.Configor());
    // Kept in order and not filtered: hiding existing variables is the menu's job.
    EXPECT_EQ(names.Names(), (std::vector<std::string>{"Total", "Net Sum", "Rate", "Total"}));

    names.SetNames("a,\"b,c\"");
    EXPECT_EQ(names.Names(), (std::vector<std::string>{"a", "b,c"}));
    names.SetNames("");
    EXPECT_TRUE(names.Names().empty());
}

TEST_F(QuickVarNamesSettingsTest, ThePublishedSettingsAreReadWhenSet) {
    ASSERT_EQ(ConfigorIntf, &config.Configor());
    config.WriteString("Keypad", "QuickVarNames", "A,B");
    EXPECT_EQ(TQuickVarNames().Names(), (std::vector<std::string>{"A", "B"}));
    ConfigorIntf = nullptr;
    EXPECT_TRUE(TQuickVarNames().Names().empty());
    ConfigorIntf = &config.Configor();
}

}  // namespace
}  // namespace quillix
