// SPDX-License-Identifier: GPL-3.0-or-later
// The Vars document: its written form, the order in which a reader fills a
// variable set, where failures stop, and files written atomically.

#include <gtest/gtest.h>

#include "model/operate_binary.h"
#include "model/operate_ref.h"
#include "support/temp_folder.h"
#include "tree_builders.h"
#include "xml_test_support.h"

namespace quillix::test {
namespace {

using VarsDocument = ModelTest;

// A = 3 (an input), B = A * 2 with a description.
TestVars TwoVariables() {
    TestVars vars;
    TCalcValue* a = vars.Define("A", Num(3));
    vars.entries.back()->Type = wtInput;
    vars.Define("B", Make<TCalcOperateMultis>(a->MakeReference(), Num(2)));
    vars.entries.back()->Description = "twice A";
    return vars;
}

const char* const kTwoVariablesText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Vars Version=\"1.0\" Description=\"50%25+off%0D%0A\">\n"
    "  <ValueWarper Type=\"1\" Description=\"\">\n"
    "    <CalcValue Name=\"A\" Value=\"3\" IsNamed=\"True\" CVType=\"0\" />\n"
    "  </ValueWarper>\n"
    "  <ValueWarper Type=\"0\" Description=\"twice+A\">\n"
    "    <CalcValue Name=\"B\" Value=\"6\" IsNamed=\"True\" CVType=\"0\">\n"
    "      <Operate ClassName=\"TCalcOperateMultis\">\n"
    "        <CalcValue Name=\"\" Value=\"3\" IsNamed=\"False\" CVType=\"0\">\n"
    "          <Operate ClassName=\"TCalcOperateRef\">\n"
    "            <CalcValue Name=\"A\" Value=\"3\" IsNamed=\"True\" CVType=\"0\" />\n"
    "          </Operate>\n"
    "        </CalcValue>\n"
    "        <CalcValue Name=\"\" Value=\"2\" IsNamed=\"False\" CVType=\"0\" />\n"
    "      </Operate>\n"
    "    </CalcValue>\n"
    "  </ValueWarper>\n"
    "</Vars>\n";

TEST_F(VarsDocument, IsWrittenIndentedInListOrder) {
    const TestVars vars = TwoVariables();
    EXPECT_EQ(BuildVarsDocumentText("50% off\r\n", vars.entries), kTwoVariablesText);
}

TEST_F(VarsDocument, ReadingClearsThenDescribesThenAppendsEachEntry) {
    TestVars vars = TwoVariables();
    ReadVarsDocumentText(kTwoVariablesText, vars);
    EXPECT_EQ(vars.log, (std::vector<std::string>{"Clear", "Description:50% off\r\n", "Append:A",
                                                  "Append:B"}));
    ASSERT_EQ(vars.entries.size(), 2u);
    EXPECT_EQ(vars.entries[0]->Type, wtInput);
    EXPECT_EQ(vars.entries[1]->Description, "twice A");
    // B's formula uses the entry A that was read before it.
    TCalcValue* a = vars.entries[0]->Value.get();
    EXPECT_EQ(a->ReferrerCount(), 1);
    a->TakeOver(Num(5), true);
    EXPECT_EQ(vars.entries[1]->Value->Number(), 10);
}

TEST_F(VarsDocument, AnyVersionAndAnyEntryElementNameLoad) {
    const char* const texts[] = {
        R"(<Vars Version="7.3" Description=""><Item Type="0" Description="">)"
        R"(<CalcValue Name="A" Value="1" IsNamed="True" CVType="0"/></Item></Vars>)",
        R"(<Vars Description=""><!-- a note --><ValueWarper Type="0" Description="">)"
        R"(<CalcValue Name="A" Value="1" IsNamed="True" CVType="0"/></ValueWarper></Vars>)",
    };
    for (const char* text : texts) {
        TestVars vars;
        ReadVarsDocumentText(text, vars);
        ASSERT_EQ(vars.entries.size(), 1u) << text;
        EXPECT_EQ(vars.entries[0]->GetName(), "A");
    }
}

TEST_F(VarsDocument, FailuresStopWhereTheyHappen) {
    const std::string entryA =
        R"(<ValueWarper Type="0" Description=""><CalcValue Name="A" Value="1" IsNamed="True" CVType="0"/></ValueWarper>)";
    const std::string usesMissing =
        R"(<ValueWarper Type="0" Description=""><CalcValue Name="B" Value="1" IsNamed="True" CVType="0">)"
        R"(<Operate ClassName="TCalcOperateRef"><CalcValue Name="Z" IsNamed="True"/></Operate>)"
        R"(</CalcValue></ValueWarper>)";
    const std::string unnamed =
        R"(<ValueWarper Type="0" Description=""><CalcValue Name="C" Value="1" IsNamed="False" CVType="0"/></ValueWarper>)";
    const std::string twice =
        R"(<ValueWarper Type="0" Description=""><CalcValue Name=" a " Value="1" IsNamed="True" CVType="0"/></ValueWarper>)";
    struct Row {
        std::string text;
        std::string message;
        std::vector<std::string> log;
    };
    const Row rows[] = {
        {"<Vars Description=\"\">\n  <ValueWarper>\n</Vars>",
         "Invalid XML at line 3, column 3: Start-end tags mismatch",
         {}},
        {"", "Invalid XML at line 1, column 1: No document element found", {}},
        {"<Vars>" + entryA + "</Vars>", ConversionErrorText("Null", "String"), {"Clear"}},
        {R"(<Vars Description="%Z">)" + entryA + "</Vars>",
         "Error decoding URL style (%XX) encoded string at position 1",
         {"Clear"}},
        {R"(<Vars Description="d">)" + entryA + usesMissing + "</Vars>",
         UnknownVariableText("Z"),
         {"Clear", "Description:d", "Append:A"}},
        {R"(<Vars Description="d">)" + entryA + unnamed + "</Vars>",
         UnnamedEntryText(2),
         {"Clear", "Description:d", "Append:A"}},
        {R"(<Vars Description="d">)" + entryA + twice + "</Vars>",
         DuplicateEntryText(" a "),
         {"Clear", "Description:d", "Append:A"}},
    };
    for (const Row& row : rows) {
        TestVars vars;
        EXPECT_EQ(LoadError([&] { ReadVarsDocumentText(row.text, vars); }), row.message)
            << row.text;
        EXPECT_EQ(vars.log, row.log) << row.text;
        EXPECT_EQ(vars.entries.size(), row.log.size() > 2 ? row.log.size() - 2 : 0u);
    }
}

TEST_F(VarsDocument, FilesAreWrittenAtomicallyAndReadBack) {
    TempFolder folder;
    const TestVars vars = TwoVariables();
    const std::string path = folder.File("Loan.prg");
    std::string error;
    ASSERT_TRUE(SaveVarsDocumentFile(path, "50% off\r\n", vars.entries, &error)) << error;
    EXPECT_EQ(ReadFile(path), kTwoVariablesText);

    TestVars loaded;
    LoadVarsDocumentFile(path, loaded);
    EXPECT_EQ(loaded.description, "50% off\r\n");
    EXPECT_EQ(loaded.entries.size(), 2u);

    // A target that cannot be replaced keeps what it was; nothing is left behind.
    const std::string blocked = folder.File("Blocked.prg");
    std::filesystem::create_directory(blocked);
    WriteFile(blocked + "/keep", "kept");
    EXPECT_FALSE(SaveVarsDocumentFile(blocked, "", vars.entries, &error));
    EXPECT_NE(error.find(blocked), std::string::npos) << error;
    EXPECT_EQ(ReadFile(blocked + "/keep"), "kept");
    EXPECT_FALSE(SaveVarsDocumentFile(folder.File("missing/Loan.prg"), "", vars.entries, &error));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              2);

    // A file that cannot be read fails before the set is touched.
    TestVars untouched;
    EXPECT_EQ(LoadError([&] { LoadVarsDocumentFile(folder.File("none.prg"), untouched); }),
              "Cannot read \"" + folder.File("none.prg") + "\": No such file or directory");
    EXPECT_TRUE(untouched.log.empty());
}

TEST_F(VarsDocument, EntriesWithoutValueAreLeftOut) {
    TestVars vars = TwoVariables();
    vars.entries.insert(vars.entries.begin() + 1, std::make_unique<TCalcValueWarper>(nullptr));
    vars.entries.push_back(nullptr);
    EXPECT_EQ(BuildVarsDocumentText("50% off\r\n", vars.entries), kTwoVariablesText);
}

TEST_F(VarsDocument, DeepFormulasAreWrittenWithoutLeadingBlanks) {
    TestVars vars;
    ValueRef chain = Num(1);
    for (int i = 0; i < 5000; ++i)
        chain = Make<TCalcOperateSign>(chain);
    vars.Define("Deep", chain);
    const std::string text = BuildVarsDocumentText("", vars.entries);
    EXPECT_EQ(text.find("\n "), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 * 5000 + 6);  // one element per line
    TestVars loaded;
    ReadVarsDocumentText(text, loaded);
    EXPECT_EQ(loaded.entries[0]->Value->GetFormulaText(), chain->GetFormulaText());
}

}  // namespace
}  // namespace quillix::test
