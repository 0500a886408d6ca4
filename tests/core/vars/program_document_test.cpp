// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/calc_vars.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <utility>

#include "core/model/tree_builders.h"
#include "core/vars/library_test_support.h"
#include "model/operate_binary.h"
#include "vars/user_libraries.h"

namespace quillix::test {
namespace {

class ProgramDocument : public ModelTest {
  protected:
    TempFolder home;
    TUserLibraries libraries{home.Path()};
    // The actions of the change events, once RecordActions has run.
    std::vector<std::uint8_t> actions;
    TCalcVarsEventsObject listener;
    TCalcVars doc;

    void RecordActions() {
        listener.OnChange = [this](std::uint8_t action, int, TCalcValueWarper*,
                                   const std::string&) { actions.push_back(action); };
        doc.AddListener(&listener);
    }

    void AddLoan() {
        ASSERT_TRUE(doc.Add("Principal", Num(1000)));
        ASSERT_TRUE(doc.Add("Rate", Num(0.1L)));
        ASSERT_TRUE(
            doc.Add("Interest", Make<TCalcOperateMultis>(doc.GetValue("Principal")->MakeReference(),
                                                         doc.GetValue("Rate")->MakeReference())));
        doc.SetValueType("Principal", wtInput);
        doc.SetValueType("Interest", wtOutput);
        doc.Find("Interest")->Description = "a, b & c";
        doc.SetDescription("50% off\r\n");
    }
};

TEST_F(ProgramDocument, IsPublishedWhileItLives) {
    EXPECT_EQ(CalcVarsIntf(), &doc);
    EXPECT_EQ(doc.GetName(), "New");
    EXPECT_TRUE(doc.GetIsNew());
}

TEST_F(ProgramDocument, SavesIntoAMissingRootAndReadsBackTheSame) {
    AddLoan();
    std::string error;
    ASSERT_TRUE(doc.SaveAs(libraries.Programs(), "Loan", &error)) << error;
    EXPECT_EQ(doc.GetName(), "Loan");
    EXPECT_FALSE(doc.GetIsNew());
    EXPECT_FALSE(doc.GetModified());
    EXPECT_TRUE(home.Exists("UserPrograms/Loan.prg"));
    const std::string text = home.Read("UserPrograms/Loan.prg");
    EXPECT_NE(text.find("50%25+off%0D%0A"), std::string::npos);
    EXPECT_NE(text.find("a%2C+b+%26+c"), std::string::npos);

    doc.New();
    EXPECT_EQ(doc.Count(), 0);
    ASSERT_TRUE(doc.Open(" loan ", &error)) << error;
    EXPECT_EQ(doc.GetDescription(), "50% off\r\n");
    EXPECT_EQ(doc.Find("Interest")->Description, "a, b & c");
    EXPECT_EQ(doc.Find("Principal")->Type, wtInput);
    EXPECT_EQ(doc.GetValue("Interest")->GetFormulaText(), "Principal*Rate");
    EXPECT_EQ(doc.GetValue("Interest")->Number(), 100);
    // The loaded formula refers to the loaded variables, not to copies.
    doc.SetValue("Rate", Num(0.2L));
    EXPECT_EQ(doc.GetValue("Interest")->Number(), 200);
}

TEST_F(ProgramDocument, EventsOfSavingAndOpening) {
    AddLoan();
    RecordActions();
    std::string error;
    ASSERT_TRUE(doc.SaveNew(libraries.Programs(), "Loan", &error));
    ASSERT_TRUE(doc.Open("Loan", &error));
    doc.New();
    doc.RemoveListener(&listener);
    EXPECT_EQ(actions, (std::vector<std::uint8_t>{vaSaved, vaSavedNew, vaCleared, vaLoaded,
                                                  vaCleared, vaNewDocument}));
}

TEST_F(ProgramDocument, ANameThatWouldLeaveTheLibraryIsRefused) {
    AddLoan();
    for (const char* name : {"a/b", "..", "  ", "x\\y"}) {
        std::string error;
        EXPECT_FALSE(doc.SaveAs(libraries.Programs(), name, &error)) << name;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(doc.GetIsNew());
    EXPECT_FALSE(home.Exists("UserPrograms"));
}

TEST_F(ProgramDocument, ANameAnywhereInTheLibraryIsOverwritten) {
    home.Write("UserPrograms/Sub/Loan.PRG", "<Vars Version=\"1.0\" Description=\"\"/>");
    libraries.Programs().Scan();
    AddLoan();
    std::string error;
    ASSERT_TRUE(doc.SaveAs(libraries.Programs(), "LOAN", &error)) << error;
    EXPECT_FALSE(home.Exists("UserPrograms/LOAN.prg"));
    EXPECT_NE(home.Read("UserPrograms/Sub/Loan.PRG").find("Principal"), std::string::npos);
    EXPECT_EQ(doc.GetName(), "Loan");
}

TEST_F(ProgramDocument, OpeningAnUnknownOrBrokenProgram) {
    AddLoan();
    std::string error;
    EXPECT_FALSE(doc.Open("nothing", &error));
    EXPECT_EQ(doc.Count(), 3);  // nothing changed
    home.Write("UserPrograms/Broken.prg", "<Vars Description=\"\"><ValueWarper Type=\"0\"");
    libraries.Programs().Scan();
    EXPECT_FALSE(doc.Open("Broken", &error));
    EXPECT_EQ(doc.Count(), 3);  // a file that does not parse leaves the set alone
    EXPECT_TRUE(doc.GetIsNew());
    EXPECT_TRUE(doc.Save(&error));  // a new document saves nowhere
}

TEST_F(ProgramDocument, AFailureMidwayKeepsWhatWasRead) {
    home.Write("UserPrograms/Half.prg",
               "<Vars Version=\"9\" Description=\"d\">"
               "<ValueWarper Type=\"0\" Description=\"\">"
               "<CalcValue Name=\"A\" Value=\"2\" IsNamed=\"True\" CVType=\"0\"/></ValueWarper>"
               "<ValueWarper Type=\"0\" Description=\"\">"
               "<CalcValue Name=\"B\" Value=\"2\" IsNamed=\"True\" CVType=\"0\">"
               "<Operate ClassName=\"TCalcOperateRef\">"
               "<CalcValue Name=\"Missing\" Value=\"0\" IsNamed=\"True\" CVType=\"0\"/>"
               "</Operate></CalcValue></ValueWarper></Vars>");
    libraries.Programs().Scan();
    AddLoan();
    RecordActions();
    std::string error;
    EXPECT_FALSE(doc.Open("Half", &error));
    doc.RemoveListener(&listener);
    EXPECT_NE(error.find("Missing"), std::string::npos) << error;
    ASSERT_EQ(doc.Count(), 1);
    EXPECT_EQ(doc.GetValue("A")->Number(), 2);
    EXPECT_TRUE(doc.GetModified());
    EXPECT_TRUE(doc.GetIsNew());  // never saved over the program it came from
    // The clear happened while the document was the program's; it is new again.
    EXPECT_EQ(actions, (std::vector<std::uint8_t>{vaCleared, vaProgramChanged}));
}

// What a listener reads when it is told: the name every event leaves behind.
class DocumentName : public ProgramDocument {
  protected:
    std::vector<std::pair<std::uint8_t, std::string>> seen;

    void RecordNames() {
        listener.OnChange = [this](std::uint8_t action, int, TCalcValueWarper*,
                                   const std::string&) {
            seen.emplace_back(action, doc.GetName());
        };
        doc.AddListener(&listener);
    }
    // The last name a listener was told.
    std::string Told() const { return seen.empty() ? "(nothing)" : seen.back().second; }
    TUserFuncObj& Program(const char* name) {
        TUserFuncObj* program = libraries.Programs().FindByName(name);
        EXPECT_NE(program, nullptr) << name;
        return *program;
    }
    void SaveLoan() {
        AddLoan();
        std::string error;
        ASSERT_TRUE(doc.SaveNew(libraries.Programs(), "Loan", &error)) << error;
    }
};

TEST_F(DocumentName, OpeningTellsTheOpenedName) {
    SaveLoan();
    doc.New();
    RecordNames();
    std::string error;
    ASSERT_TRUE(doc.Open("Loan", &error)) << error;
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), std::make_pair(vaLoaded, std::string("Loan")));
    doc.RemoveListener(&listener);
}

TEST_F(DocumentName, EveryPathOfTheDocumentTellsItsName) {
    SaveLoan();
    ASSERT_NE(libraries.Programs().CreateFolder("Old"), nullptr);
    RecordNames();
    std::string error;
    struct Step {
        const char* what;
        std::function<bool()> run;
        const char* name;
    };
    const Step steps[] = {
        {"new", [&] { return doc.New(), true; }, "New"},
        {"open", [&] { return doc.Open("loan", &error); }, "Loan"},
        {"rename in the library", [&] { return Program("Loan").Rename("Credit"); }, "Credit"},
        {"move in the library",
         [&] { return Program("Credit").MoveTo(*libraries.Programs().FindFolder("Old")); },
         "Credit"},
        {"save as", [&] { return doc.SaveAs(libraries.Programs(), "Mortgage", &error); },
         "Mortgage"},
        {"delete from the library",
         [&] {
             TUserFuncObj& program = Program("Mortgage");
             return program.Folder()->DeleteFile(program);
         },
         "New"},
        {"save a new one", [&] { return doc.SaveNew(libraries.Programs(), "Lease", &error); },
         "Lease"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const std::size_t before = seen.size();
        ASSERT_TRUE(step.run()) << error;
        EXPECT_GT(seen.size(), before);
        EXPECT_EQ(Told(), step.name);
        EXPECT_EQ(doc.GetName(), step.name);
    }
    doc.RemoveListener(&listener);
}

TEST_F(DocumentName, AProgramFileGoneAtARescanMakesTheDocumentNew) {
    SaveLoan();
    RecordNames();
    std::filesystem::remove(home.File("UserPrograms/Loan.prg"));
    libraries.Programs().Scan();
    EXPECT_EQ(Told(), "New");
    EXPECT_TRUE(doc.GetIsNew());
    doc.RemoveListener(&listener);
}

TEST_F(DocumentName, ALibraryThatGoesFirstLeavesANewDocument) {
    auto library = std::make_unique<TUserFuncFolder>(home.File("Other"), ".prg");
    std::string error;
    ASSERT_TRUE(doc.SaveNew(*library, "Loan", &error)) << error;
    RecordNames();
    library.reset();
    EXPECT_EQ(Told(), "New");
    doc.RemoveListener(&listener);
}

TEST_F(DocumentName, ADocumentThatGoesFirstIsNotToldAnything) {
    auto other = std::make_unique<TCalcVars>();
    std::string error;
    ASSERT_TRUE(other->SaveNew(libraries.Programs(), "Loan", &error)) << error;
    other.reset();
    // Renaming the program it held calls no handler of the freed document.
    EXPECT_TRUE(Program("Loan").Rename("Credit"));
}

TEST_F(ProgramDocument, FormulasResolveAgainstTheSetTheyAreLoadedInto) {
    AddLoan();
    std::string error;
    ASSERT_TRUE(doc.SaveToFile(home.File("loan.prg"), &error)) << error;
    TCalcVarsBase other;
    ASSERT_TRUE(other.LoadFromFile(home.File("loan.prg"), &error)) << error;
    other.SetValue("Principal", Num(50));
    EXPECT_DOUBLE_EQ(static_cast<double>(other.GetValue("Interest")->Number()), 5);
    EXPECT_EQ(doc.GetValue("Interest")->Number(), 100);
}

TEST_F(ProgramDocument, StacksRegisterAndUnregister) {
    struct Stack : ICalcXStack {
    } first, second;
    doc.AddStack(&first);
    doc.AddStack(&second);
    doc.RemoveStack(&first);
    EXPECT_EQ(doc.StackCount(), 1);
    doc.RemoveStack(&second);
    EXPECT_EQ(doc.StackCount(), 0);
}

}  // namespace
}  // namespace quillix::test
