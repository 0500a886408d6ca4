// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/document_listener.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "vars/calc_vars.h"

namespace quillix::test {
namespace {

TEST(DocumentListener, HearsThePublishedDocumentWhileItLives) {
    TCalcVars document;
    std::vector<std::uint8_t> heard;
    {
        TDocumentListener listener([&](std::uint8_t action) { heard.push_back(action); });
        ASSERT_TRUE(document.Add("a", TCalcValue::New(1)));
        ASSERT_TRUE(document.SetValue("a", TCalcValue::New(2)));
    }
    ASSERT_TRUE(document.Add("b", TCalcValue::New(3)));  // heard by nobody
    EXPECT_EQ(heard, (std::vector<std::uint8_t>{vaAdded, vaValueChanged}));
}

TEST(DocumentListener, WithoutADocumentItHearsNothing) {
    ASSERT_EQ(CalcVarsIntf(), nullptr);
    int heard = 0;
    TDocumentListener listener([&](std::uint8_t) { ++heard; });
    TCalcVars later;  // published after the listener began
    ASSERT_TRUE(later.Add("a", TCalcValue::New(1)));
    EXPECT_EQ(heard, 0);
}

TEST(DocumentListener, ADocumentThatGoesFirstIsLeftAlone) {
    auto document = std::make_unique<TCalcVars>();
    auto listener = std::make_unique<TDocumentListener>([](std::uint8_t) {});
    document.reset();
    listener.reset();  // the sanitizer tells when it reaches the freed document
}

}  // namespace
}  // namespace quillix::test
