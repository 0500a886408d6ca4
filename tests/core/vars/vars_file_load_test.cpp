// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a variables file in one pass: a file that is not XML (broken at the
// end, or with more after its root, which a one-pass read finds only late)
// leaves the set as it was, with pugixml's message; a file that is XML but not
// in the plain form this program writes (a comment, CDATA, other quotes) loads
// as its plain form does; a fault inside a document leaves the entries read
// before it, as ever. Large files, which are split into elements on a second
// thread, load as small ones do.

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

// A program of 1,500 variables, beyond the size from which a file
// is read ahead: numbers, formulas over earlier variables, names and
// descriptions with characters that are written as entities or codes.
std::string LargeProgramText() {
    TCalcVarsBase set;
    for (int i = 0; i < 1500; ++i) {
        const std::string name = (i % 7 == 0 ? "R&D <" : "V") + std::to_string(i);
        ValueRef value = Num(i + 0.25L);
        if (i % 2 == 1) value = set.GetValue(set.Items().back()->GetName())->MakeReference();
        EXPECT_TRUE(set.Add(name, value));
        set.Find(name)->Description = "note \"" + std::to_string(i) + "\" & 50%";
    }
    return BuildVarsDocumentText("a large program", set.Items());
}

TEST_F(VarsFileLoad, LargeFilesLoadAsSmallOnes) {
    const std::string text = LargeProgramText();
    ASSERT_GT(text.size(), 256u * 1024);
    const std::size_t rootEnd = text.rfind("</Vars>");
    const std::string unknown =
        "<ValueWarper Type=\"0\" Description=\"\"><CalcValue Name=\"Z\" Value=\"1\" "
        "IsNamed=\"True\" CVType=\"0\"><Operate ClassName=\"TCalcOperateRef\"><CalcValue "
        "Name=\"Nowhere\" Value=\"1\" IsNamed=\"True\" CVType=\"0\"/></Operate></CalcValue>"
        "</ValueWarper>";
    TempFolder folder;
    struct Row {
        const char* what;
        std::string text;
        const char* error;  // empty: loads, and is written back as text was
        int count;          // the variables after the load
    };
    const Row rows[] = {
        {"as written", text, "", 1500},
        {"a note after the root", text + "<!-- read by pugixml -->\n", "", 1500},
        {"a fault in the last entry", text.substr(0, rootEnd) + unknown + "</Vars>\n",
         "Variable \"Nowhere\" used in a formula is not defined", 1500},
        {"broken at the end", text.substr(0, text.size() - 30),
         "Invalid XML at line 7501, column 7: Start-end tags mismatch", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        folder.Write("large.prg", row.text);
        LoadedSet loaded;
        std::string error;
        EXPECT_EQ(loaded.set.LoadFromFile(folder.File("large.prg"), &error), *row.error == 0);
        EXPECT_EQ(error, row.error);
        EXPECT_EQ(loaded.set.Count(), row.count);
        if (*row.error == 0) {
            EXPECT_EQ(BuildVarsDocumentText(loaded.set.Description(), loaded.set.Items()), text);
        }
    }
}

}  // namespace
}  // namespace quillix::test
