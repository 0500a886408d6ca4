// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help topics by context number: the guide (1000), the tool pages (1001
// finance box, 1002 unit converter, 1003 date calculations, 1004 what-if
// tables, 1005 goal seek), the keypad's
// buttons (1001xx, 1002xx) and one page per built-in function, whose text comes
// from the function catalogue so that the two never drift apart.

#include <QString>
#include <vector>

namespace quillix {

inline constexpr int kHelpGuide = 1000;
inline constexpr int kHelpFinanceBox = 1001;
inline constexpr int kHelpUnitConverter = 1002;
inline constexpr int kHelpDateCalculations = 1003;
inline constexpr int kHelpWhatIf = 1004;
inline constexpr int kHelpGoalSeek = 1005;
inline constexpr int kHelpKeypad = 100100;

// The page of a context number as HTML; links to other topics read "topic:N".
// An unknown number gives a page that says so, with a link to the guide.
QString HelpPageHtml(int context);
// The short text of a topic for a pop-up (What's This); empty when unknown.
QString HelpPopupText(int context);
// The title of a topic; empty when unknown.
QString HelpTopicTitle(int context);
// Every topic with a page, for the help window's index, in reading order.
std::vector<int> HelpTopics();
// The page of a function that has no help context of its own.
int FunctionTopic(int funcID);
bool IsFunctionTopic(int context);

}  // namespace quillix
