// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/source_view.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextEdit>

#include "support/library_programs.h"
#include "support/ui_environment.h"
#include "vars/user_libraries.h"

namespace quillix::test {
namespace {

QColor ColourOfLine(QTextEdit& box, int line) {
    const QTextBlock block = box.document()->findBlockByNumber(line);
    return block.begin().fragment().charFormat().foreground().color();
}

TEST(SourceView, ShowsEachEntryAsAHeaderAndABodyInTheirColours) {
    TUiEnvironment env;
    TDifferenceProgram program;
    program.Description = "Difference";
    program.InputDescription = "first";
    TCalcVarsBase set;
    FillDifference(set, program);
    Tfrm_sourceView view;
    view.Fill(set);
    EXPECT_EQ(view.TextBox()->toPlainText(),
              "Difference\n\n[Input]:first\na=10;(10)\n[Input]:\nb=4;(4)\n[Output]:\nr=a-b;(6)");
    EXPECT_TRUE(view.TextBox()->isReadOnly());
    EXPECT_EQ(view.TextBox()->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(ColourOfLine(*view.TextBox(), 0), QColor(0, 0x80, 0));
    EXPECT_EQ(ColourOfLine(*view.TextBox(), 2), QColor(0, 0, 0x80));
    EXPECT_NE(ColourOfLine(*view.TextBox(), 3), QColor(0, 0, 0x80));
}

TEST(SourceView, AFunctionFileShowsItsParametersAndResult) {
    TUiEnvironment env;
    TCalcVarsBase set;
    FillDifference(set, {});
    std::string error;
    ASSERT_TRUE(set.SaveAsFunction("f", env.Libraries().Functions(), &error)) << error;
    Tfrm_sourceView view;
    ASSERT_TRUE(view.LoadFile(env.Libraries().Functions().GetFileName("f"), &error)) << error;
    const QString text = view.TextBox()->toPlainText();
    EXPECT_EQ(text.count("[Input]:"), 2);
    EXPECT_EQ(text.count("[Output]:"), 1);
    EXPECT_FALSE(view.LoadFile(env.HomeFolder().File("UserFunctions/none.fn"), &error));
    EXPECT_FALSE(error.empty());
    // A failed load keeps what was shown.
    EXPECT_EQ(view.TextBox()->toPlainText(), text);
}

}  // namespace
}  // namespace quillix::test
