// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page of the desktop program says everything --help says: a change
// to the help that the page does not follow fails here.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/start_options.h"
#include "support/man_page_text.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TEST(GuiManPage, SaysEveryPhraseOfTheHelp) {
    const std::string page = ManPagePlainText(ReadFile(QUILLIX_GUI_MAN_PAGE));
    const std::vector<std::string> phrases = HelpPhrases(StartUsageText());
    ASSERT_GE(phrases.size(), 10u) << StartUsageText();
    for (const std::string& phrase : phrases)
        EXPECT_NE(page.find(phrase), std::string::npos) << "the manual page lacks: " << phrase;
    EXPECT_NE(page.find("Quillix " QUILLIX_VERSION), std::string::npos);
}

}  // namespace
}  // namespace quillix::test
