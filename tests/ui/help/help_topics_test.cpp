// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_topics.h"

#include <gtest/gtest.h>

#include <set>

#include "functions/func_catalogue.h"
#include "platform/hint_filter.h"

#include <QPushButton>
#include <QWidget>

namespace quillix {
namespace {

TEST(HelpTopics, EveryFunctionHasAPageFromItsCatalogueRow) {
    std::set<int> topics;
    for (int topic : HelpTopics())
        EXPECT_TRUE(topics.insert(topic).second) << topic;
    for (int id = 1; id <= FuncCount; ++id) {
        const TFuncDataItem* item = FindFunc(id);
        ASSERT_NE(item, nullptr);
        const int topic = item->HelpContext != 0 ? item->HelpContext : FunctionTopic(id);
        EXPECT_TRUE(topics.count(topic)) << item->Name;
        const QString page = HelpPageHtml(topic);
        EXPECT_TRUE(page.contains(QString::fromStdString(item->Description).toHtmlEscaped()))
            << item->Name;
        for (const TFuncParamDef& param : item->Params)
            EXPECT_TRUE(page.contains(QString::fromStdString(param.Name))) << item->Name;
    }
}

TEST(HelpTopics, GuideToolsAndKeypadTopics) {
    for (int topic : {1000, 1001, 1002, 1003, 100100, 100120, 100211}) {
        EXPECT_FALSE(HelpTopicTitle(topic).isEmpty()) << topic;
        EXPECT_FALSE(HelpPageHtml(topic).contains("There is no help topic")) << topic;
    }
    EXPECT_TRUE(HelpPageHtml(1000).contains("RPN"));
    EXPECT_TRUE(HelpPageHtml(424242).contains("There is no help topic number 424242"));
    EXPECT_EQ(HelpPopupText(100126), "Clears the calculation (keys Delete and Escape).");
}

TEST(HintFilter, KeypadHintsFollowTheFlag) {
    QWidget keypad;
    keypad.setProperty(kSkinAreaProperty, kKeypadArea);
    QPushButton inside(&keypad);
    QWidget elsewhere;
    THintFilter filter;
    EXPECT_TRUE(filter.HintAllowed(&inside));
    filter.SetKeypadHints(false);
    EXPECT_FALSE(filter.HintAllowed(&inside));
    EXPECT_FALSE(filter.HintAllowed(&keypad));
    EXPECT_TRUE(filter.HintAllowed(&elsewhere));
}

}  // namespace
}  // namespace quillix
