// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page of the desktop program says everything --help says: a change
// to the help that the page does not follow fails here.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/start_options.h"
#include "support/man_page_text.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

using ::testing::IsEmpty;

TEST(GuiManPage, SaysEveryPhraseOfTheHelp) {
    const std::string page = ReadFile(QUILLIX_GUI_MAN_PAGE);
    ASSERT_GE(HelpPhrases(StartUsageText()).size(), 10u) << StartUsageText();
    EXPECT_THAT(PhrasesTheManPageLacks(page, StartUsageText()), IsEmpty());
    EXPECT_NE(page.find("\"Quillix " QUILLIX_VERSION "\""), std::string::npos);
}

}  // namespace
}  // namespace quillix::test
