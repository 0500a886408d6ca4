// SPDX-License-Identifier: GPL-3.0-or-later
// What the library manager does so that no click loses a program: it asks
// before a save or an import replaces one, exports to exactly the file the
// chooser asked about, deletes into the desktop's trash, and never keeps a
// freed file selected.
#include <QDir>
#include <QFileDialog>
#include <filesystem>

#include "config/settings_table.h"
#include "library_manager_fixture.h"
#include "platform/trash.h"
#include "platform/user_prompts.h"

namespace quillix::test {
namespace {

using LibraryManagerSafety = LibraryManagerTest;

// A desktop without a trash for as long as it lives.
struct TNoTrash {
    TNoTrash() {
        SetTrashMover([](const QString&) { return false; });
    }
    ~TNoTrash() { SetTrashMover({}); }
};

TEST_F(LibraryManagerSafety, SavingOverAProgramOfTheNameAnywhereAsksFirst) {
    Lay({"sub"}, {"sub/loan"});
    struct Case {
        int Mode;
        const char* Name;
        TPromptAnswer Answer;
        bool Closes;
    };
    const Case cases[] = {
        {kModeSave, "LOAN ", TPromptAnswer::No, false},
        {kModeSave, "loan", TPromptAnswer::Yes, true},
        {kModeSaveAs, "loan", TPromptAnswer::No, false},
        {kModeSaveAs, "loan", TPromptAnswer::Yes, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Open(c.Mode);
        env.Prompts().ScriptAnswer(c.Answer);
        window->NameBox()->setText(c.Name);
        window->Confirm();
        EXPECT_TRUE(env.Prompts().ScriptUsed());
        EXPECT_EQ(env.Prompts().Records().back().Text,
                  "Replace the program 'loan' in folder 'sub'?");
        EXPECT_EQ(window->isVisible(), !c.Closes);
        EXPECT_EQ(window->result() == QDialog::Accepted, c.Closes);
    }
    // A new name needs no question.
    const std::size_t asked = env.Prompts().Records().size();
    Open(kModeSave);
    window->NameBox()->setText("rate");
    window->Confirm();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(env.Prompts().Records().size(), asked);
}

TEST_F(LibraryManagerSafety, ADoubleClickedFileInASaveModeAsksToo) {
    Lay({}, {"loan"});
    Open(kModeSaveAs);
    env.Prompts().ScriptAnswer(TPromptAnswer::No);
    window->DoubleClickItem(Item("loan"));
    EXPECT_TRUE(env.Prompts().ScriptUsed());
    EXPECT_EQ(env.Prompts().Records().back().Text, "Replace the program 'loan' in folder 'Root'?");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->NameBox()->text(), "loan");
}

TEST_F(LibraryManagerSafety, ImportingOverAProgramOfTheNameAsksFirst) {
    Lay({"sub", "other"}, {"sub/loan"});
    const std::string kept = Home().Read("UserPrograms/sub/loan.prg");
    Home().Write("outside/loan.prg", "imported");
    const QString source = QString::fromStdString(Home().File("outside/loan.prg"));
    Open(kModeManager);
    ShowFolder("other");
    env.Prompts().ScriptOpenFiles({source});
    env.Prompts().ScriptAnswer(TPromptAnswer::No);
    window->ImportFiles();
    EXPECT_EQ(env.Prompts().Records().back().Text, "Replace the program 'loan' in folder 'sub'?");
    EXPECT_EQ(Home().Read("UserPrograms/sub/loan.prg"), kept);
    EXPECT_TRUE(ListCaptions().isEmpty());
    env.Prompts().ScriptOpenFiles({source});
    env.Prompts().ScriptAnswer(TPromptAnswer::Yes);
    window->ImportFiles();
    EXPECT_EQ(Home().Read("UserPrograms/sub/loan.prg"), "imported");
    EXPECT_TRUE(env.Prompts().ScriptUsed());
}

// The chooser adds the suffix and asks about the real name; the path it gives
// back is the one written, and nothing is appended afterwards.
TEST_F(LibraryManagerSafety, ExportWritesExactlyThePathTheChooserGave) {
    Lay({}, {"loan"});
    const std::string desktop = QDir::homePath().toStdString();
    Home().Write("desktop/loan.prg", "kept");
    Open(kModeManager);
    Click("loan");
    env.Prompts().ScriptSaveFile(QString::fromStdString(desktop + "/loan"));
    window->ExportFile();
    EXPECT_EQ(Home().Read("desktop/loan"), Home().Read("UserPrograms/loan.prg"));
    EXPECT_EQ(Home().Read("desktop/loan.prg"), "kept");
    const TPromptRecord& asked = env.Prompts().Records().back();
    EXPECT_EQ(asked.Initial, "prg") << "the chooser's default suffix";
    EXPECT_EQ(asked.Text.toStdString(), desktop + "/loan.prg");
}

TEST_F(LibraryManagerSafety, TheSaveChooserAddsTheSuffixBeforeItAsks) {
    Home().MakeDir("out");
    QFileDialog chooser;
    SetUpSaveChooser(chooser, QString::fromStdString(Home().File("out/loan.prg")),
                     "Program files (*.prg)", "prg");
    EXPECT_EQ(chooser.defaultSuffix(), "prg");
    EXPECT_EQ(chooser.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(chooser.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_FALSE(chooser.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(chooser.directory().absolutePath().toStdString(), Home().File("out"));
    EXPECT_EQ(chooser.nameFilters(), QStringList{"Program files (*.prg)"});
}

// The choosers open in the user's home at first, then where the last one was
// used, and in the home again when that folder has gone.
TEST_F(LibraryManagerSafety, ChoosersOpenInTheLastFolderUsedElseTheHome) {
    Lay({}, {"loan"});
    const QString desktop = QDir::homePath();
    Home().MakeDir("exports");
    const QString exports = QString::fromStdString(Home().File("exports"));
    Open(kModeManager);
    Click("loan");
    env.Prompts().ScriptOpenFiles({});
    window->ImportFiles();
    EXPECT_EQ(env.Prompts().Records().back().Text, desktop);
    env.Prompts().ScriptSaveFile(exports + "/loan.prg");
    window->ExportFile();
    EXPECT_EQ(ReadTextSetting(env.Settings().Configor(), TSetting::MainLibraryFileFolder),
              exports.toStdString());
    env.Prompts().ScriptOpenFiles({});
    window->ImportFiles();
    EXPECT_EQ(env.Prompts().Records().back().Text, exports);
    env.Prompts().ScriptSaveFile(std::nullopt);
    window->ExportFile();
    EXPECT_EQ(env.Prompts().Records().back().Text, exports + "/loan.prg");
    std::filesystem::remove_all(exports.toStdString());
    env.Prompts().ScriptOpenFiles({});
    window->ImportFiles();
    EXPECT_EQ(env.Prompts().Records().back().Text, desktop);
}

TEST_F(LibraryManagerSafety, DeletingMovesFilesAndFoldersToTheTrash) {
    Lay({"empty", "other", "other/inner"}, {"loan"});
    const std::string content = Home().Read("UserPrograms/loan.prg");
    Open(kModeManager);
    Click("loan");
    window->DeleteListItem();
    Click("empty");
    window->DeleteListItem();
    ShowFolder("other/inner");
    window->DeleteTreeNode();
    const std::filesystem::path trash = std::filesystem::path(env.DataHome()) / "Trash";
    EXPECT_EQ(ReadFile((trash / "files/loan.prg").string()), content);
    EXPECT_TRUE(FileExists((trash / "info/loan.prg.trashinfo").string()));
    EXPECT_TRUE(std::filesystem::is_directory(trash / "files/empty"));
    EXPECT_TRUE(std::filesystem::is_directory(trash / "files/inner"));
    EXPECT_FALSE(Home().Exists("UserPrograms/loan.prg"));
    EXPECT_FALSE(Home().Exists("UserPrograms/other/inner"));
    EXPECT_EQ(ChildCaptions(Tree().TopNode()), QStringList{"other"});
    EXPECT_TRUE(env.Prompts().Records().empty()) << "the trash needs no question";
}

TEST_F(LibraryManagerSafety, WithoutATrashDeletingAsksFirst) {
    Lay({"empty"}, {"loan"});
    const TNoTrash noTrash;
    Open(kModeManager);
    Click("loan");
    env.Prompts().ScriptAnswer(TPromptAnswer::No);
    window->DeleteListItem();
    EXPECT_EQ(env.Prompts().Records().back().Text,
              "There is no trash to move 'loan.prg' to. Delete it for good?");
    EXPECT_TRUE(Home().Exists("UserPrograms/loan.prg"));
    EXPECT_EQ(ListCaptions(), QStringList({"empty", "loan"}));
    EXPECT_TRUE(env.Prompts().Messages().isEmpty()) << "No is an answer, not a failure";

    env.Prompts().ScriptAnswer(TPromptAnswer::Yes);
    window->DeleteListItem();
    EXPECT_FALSE(Home().Exists("UserPrograms/loan.prg"));
    EXPECT_EQ(ListCaptions(), QStringList({"empty"}));

    Tree().setCurrentItem(Node("empty"));
    env.Prompts().ScriptAnswer(TPromptAnswer::No);
    window->DeleteTreeNode();
    EXPECT_TRUE(Home().Exists("UserPrograms/empty"));
    env.Prompts().ScriptAnswer(TPromptAnswer::Yes);
    window->DeleteTreeNode();
    EXPECT_FALSE(Home().Exists("UserPrograms/empty"));
    EXPECT_EQ(Tree().TopNode()->childCount(), 0);
    EXPECT_TRUE(env.Prompts().ScriptUsed());
}

// A folder removed outside the program is dropped by Delete with the files it
// held; the file selected in it must not be read afterwards (under the
// address sanitizer a read of the freed file stops the test).
TEST_F(LibraryManagerSafety, AFileFreedBehindTheWindowIsNeverReadAgain) {
    Lay({"sub"}, {"sub/loan"});
    Open(kModeOpen);
    ShowFolder("sub");
    Click("loan");
    std::filesystem::remove_all(Home().File("UserPrograms/sub"));
    window->DeleteTreeNode();  // the shown folder's node, as its popup does
    EXPECT_EQ(Node("sub"), nullptr);
    window->Confirm();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->GetResultName().empty());
}

TEST_F(LibraryManagerSafety, TheSelectionBelongsToTheFolderShown) {
    Lay({"sub"}, {"sub/loan"});
    Open(kModeOpen);
    ShowFolder("sub");
    Click("loan");
    ShowFolder("");
    EXPECT_EQ(window->SelectedObject(), nullptr);
    EXPECT_TRUE(window->NameBox()->text().isEmpty());
    window->Confirm();
    EXPECT_TRUE(window->isVisible());
    // In a save mode the typed name stays.
    Open(kModeSave);
    ShowFolder("sub");
    Click("loan");
    ShowFolder("");
    EXPECT_EQ(window->NameBox()->text(), "loan");
}

TEST_F(LibraryManagerSafety, TheSelectionGoesWithItsFileAndFollowsARescan) {
    Lay({}, {"loan", "rate"});
    Open(kModeOpen);
    Click("rate");
    Programs().Scan();  // every object is new; the selection follows its file
    EXPECT_EQ(window->GetResultName(), "rate");
    ASSERT_TRUE(Programs().DeleteFile(*Programs().FindByName("rate")));
    EXPECT_EQ(window->SelectedObject(), nullptr);
    window->Confirm();
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace quillix::test
