// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a variables file in one pass: a file that is not XML (broken at the
// end, or with more after its root, which a one-pass read finds only late)
// leaves the set as it was, with pugixml's message; a file that is XML but not
// in the plain form this program writes (a comment, CDATA, other quotes) loads
// as its plain form does; a fault inside a document leaves the entries read
// before it, as ever.

#include <gtest/gtest.h>

#include <string>

#include "core/model/tree_builders.h"
#include "support/temp_folder.h"
#include "vars/calc_vars_base.h"

namespace quillix::test {
namespace {

using VarsFileLoad = ModelTest;

const std::string kEntryA =
    "<ValueWarper Type=\"0\" Description=\"\">"
    "<CalcValue Name=\"A\" Value=\"2\" IsNamed=\"True\" CVType=\"0\"/></ValueWarper>";
const std::string kEntryB =
    "<ValueWarper Type=\"0\" Description=\"\">"
    "<CalcValue Name=\"B\" Value=\"5\" IsNamed=\"True\" CVType=\"0\">"
    "<Operate ClassName=\"TCalcOperateRef\">"
    "<CalcValue Name=\"A\" Value=\"2\" IsNamed=\"True\" CVType=\"0\"/>"
    "</Operate></CalcValue></ValueWarper>";

// A set holding X = 1, which a failed load must keep.
struct LoadedSet {
    TCalcVarsBase set;
    LoadedSet() { set.Add("X", Num(1)); }
};

TEST_F(VarsFileLoad, AFileThatIsNotXmlLeavesTheSetUntouched) {
    struct Row {
        const char* what;
        std::string text;
        const char* message;
    };
    const Row rows[] = {
        {"broken at the end", "<Vars Description=\"\">" + kEntryA + kEntryB.substr(0, 60),
         "Invalid XML at line 1, column 190: Error parsing element attribute"},
        // Found by fuzzing: a closed root with entries after it.
        {"more after the root", "<Vars Description=\"\"/>" + kEntryA + "</Vars>",
         "Invalid XML at line 1, column 133: Start-end tags mismatch"},
        {"no root", "", "Invalid XML at line 1, column 1: No document element found"},
        // Found by fuzzing: pugixml ends the text at a NUL, so the file is broken.
        {"a NUL in the declaration",
         "<?xml versio" + std::string(1, '\0') + "n=\"1.0\"?><Vars Description=\"\">" + kEntryA +
             "</Vars>",
         "Invalid XML at line 1, column 13: Error parsing document declaration/processing "
         "instruction"},
        // Found by fuzzing: refused even in the text between entries, which
        // pugixml would read and drop.
        {"a reference to NUL between entries",
         "<Vars Description=\"\">" + kEntryA + "\n&#0;" + kEntryB + "</Vars>",
         "Invalid XML at line 2, column 1: character reference to NUL"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        folder.Write("file.prg", row.text);
        LoadedSet loaded;
        const unsigned clears = loaded.set.ClearCount();
        std::string error;
        EXPECT_FALSE(loaded.set.LoadFromFile(folder.File("file.prg"), &error));
        EXPECT_EQ(error, row.message);
        EXPECT_EQ(loaded.set.ClearCount(), clears);
        ASSERT_EQ(loaded.set.Count(), 1);
        EXPECT_TRUE(loaded.set.Exists("X"));
    }
}

TEST_F(VarsFileLoad, XmlThatIsNotPlainLoadsAsItsPlainForm) {
    const std::string plain = "<Vars Description=\"d\">" + kEntryA + kEntryB + "</Vars>";
    const std::string texts[] = {
        "<?xml version=\"1.0\"?>\n<!-- a note -->\n" + plain,
        "<Vars Description='d'><![CDATA[ignored]]>" + kEntryA + "<?pi?>" + kEntryB + "</Vars>",
        "<Vars Description=\"d\">\n\t" + kEntryA + "text" + kEntryB + "</Vars>",
    };
    TempFolder folder;
    folder.Write("plain.prg", plain);
    TCalcVarsBase expected;
    ASSERT_TRUE(expected.LoadFromFile(folder.File("plain.prg"), nullptr));
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        folder.Write("other.prg", text);
        TCalcVarsBase set;
        std::string error;
        ASSERT_TRUE(set.LoadFromFile(folder.File("other.prg"), &error)) << error;
        EXPECT_EQ(BuildVarsDocumentText(set.Description(), set.Items()),
                  BuildVarsDocumentText(expected.Description(), expected.Items()));
    }
}

TEST_F(VarsFileLoad, AFaultInsideKeepsTheEntriesReadBeforeIt) {
    TempFolder folder;
    folder.Write("file.prg", "<Vars Description=\"\">" + kEntryA +
                                 "<ValueWarper Type=\"7\" Description=\"\"/></Vars>");
    LoadedSet loaded;
    std::string error;
    EXPECT_FALSE(loaded.set.LoadFromFile(folder.File("file.prg"), &error));
    EXPECT_EQ(error, "Value 7 of attribute \"Type\" is out of range (0..2)");
    ASSERT_EQ(loaded.set.Count(), 1);
    EXPECT_TRUE(loaded.set.Exists("A"));
}

}  // namespace
}  // namespace quillix::test
