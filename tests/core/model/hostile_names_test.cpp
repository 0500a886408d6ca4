// SPDX-License-Identifier: GPL-3.0-or-later
// Names and texts of a program file that could forge output or break its
// encoding: a name holding a control character is refused, a reference to NUL
// (which would cut a name short) is invalid XML, invalid UTF-8 is read as
// U+FFFD, and a file that is no regular file is refused without a wait.

#include <gtest/gtest.h>

#include "support/fifo_watch.h"
#include "support/temp_folder.h"
#include "tree_builders.h"
#include "xml_test_support.h"

namespace quillix::test {
namespace {

using HostileNames = ModelTest;

std::string Document(const std::string& name, const std::string& description = "") {
    return R"(<Vars Description=")" + description + R"("><ValueWarper Type="2" Description="">)" +
           R"(<CalcValue Name=")" + name + R"(" Value="1" IsNamed="True" CVType="0"/>)" +
           "</ValueWarper></Vars>";
}

TEST_F(HostileNames, NamesThatCouldForgeALineAreRefused) {
    struct Row {
        std::string name;
        std::string message;
    };
    const Row rows[] = {
        {"a&#0;b", "Invalid XML at line 1, column 77: character reference to NUL"},
        {"a&#x0;b", "Invalid XML at line 1, column 77: character reference to NUL"},
        {"Rate&#10;Interest = 5",
         "Entry 1: The variable name 'Rate\\x0AInterest = 5' contains a control character"},
        {"a&#x1B;[2Jb", "Entry 1: The variable name 'a\\x1B[2Jb' contains a control character"},
        {"a\xC2\x85"
         "b",
         "Entry 1: The variable name 'a\\u0085b' contains a control character"},
    };
    for (const Row& row : rows) {
        TestVars vars;
        EXPECT_EQ(LoadError([&] { ReadVarsDocumentText(Document(row.name), vars); }), row.message)
            << row.name;
    }
}

TEST_F(HostileNames, InvalidUtf8IsReadAsTheReplacementCharacter) {
    TestVars vars;
    ReadVarsDocumentText(Document("Zins\xFF", "caf\xE9+au+lait"), vars);
    ASSERT_EQ(vars.entries.size(), 1u);
    EXPECT_EQ(vars.entries.front()->GetName(), "Zins\xEF\xBF\xBD");
    EXPECT_EQ(vars.description, "caf\xEF\xBF\xBD au lait");
}

TEST_F(HostileNames, AFifoUnderAProgramsNameIsRefusedWithoutAWait) {
    TempFolder folder;
    const TFifoWatch fifo(folder.File("loan.prg"));
    ASSERT_TRUE(fifo.Made());
    TestVars vars;
    EXPECT_EQ(LoadError([&] { LoadVarsDocumentFile(fifo.Path(), vars); }),
              "Cannot read \"" + fifo.Path() + "\": Not a regular file");
    EXPECT_TRUE(vars.log.empty());
}

}  // namespace
}  // namespace quillix::test
