// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QMenu>

#include "library_manager_fixture.h"

namespace quillix::test {
namespace {

using LibraryManagerCommands = LibraryManagerTest;

QAction* ActionOf(QMenu* menu, const char* text) {
    for (QAction* action : menu->actions())
        if (action->text() == text) return action;
    return nullptr;
}

TEST_F(LibraryManagerCommands, NewFolderTakesTheFirstFreeNameAndOpensItForEditing) {
    Lay({"NewFolder", "newfolder1"});
    Open(kModeManager);
    window->NewFolder();
    EXPECT_TRUE(Home().Exists("UserPrograms/NewFolder2"));
    ASSERT_NE(FolderAt("NewFolder2"), nullptr);
    EXPECT_EQ(ChildCaptions(Tree().TopNode()),
              QStringList({"NewFolder", "newfolder1", "NewFolder2"}));
    QListWidgetItem* item = Item("NewFolder2");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(List().currentItem(), item);
    EXPECT_NE(List().indexWidget(List().indexFromItem(item)), nullptr);
}

TEST_F(LibraryManagerCommands, MenuCommandsAreEnabledByWhatIsSelected) {
    Lay({"sub"}, {"loan"});
    Open(kModeManager);
    struct Case {
        const char* Click;
        bool Item;
        bool File;
    };
    for (const Case c :
         {Case{nullptr, false, false}, Case{"sub", true, false}, Case{"loan", true, true}}) {
        SCOPED_TRACE(c.Click ? c.Click : "nothing");
        if (c.Click) Click(c.Click);
        QMenu* menu = window->ListMenu();
        EXPECT_TRUE(ActionOf(menu, "New Folder")->isEnabled());
        EXPECT_TRUE(ActionOf(menu, "Import")->isEnabled());
        EXPECT_EQ(ActionOf(menu, "Delete")->isEnabled(), c.Item);
        EXPECT_EQ(ActionOf(menu, "Rename")->isEnabled(), c.Item);
        EXPECT_EQ(ActionOf(menu, "Export")->isEnabled(), c.File);
        EXPECT_EQ(ActionOf(menu, "Source View")->isEnabled(), c.File);
    }
    // The tree's menu is not offered for the top node.
    EXPECT_EQ(window->TreeMenu(), nullptr);
    Tree().setCurrentItem(Node("sub"));
    ASSERT_NE(window->TreeMenu(), nullptr);
    EXPECT_EQ(window->TreeMenu()->actions().size(), 2);
}

TEST_F(LibraryManagerCommands, DeletingAFolderThatHoldsAFileChangesNothing) {
    Lay({"full", "empty"}, {"full/loan"});
    Open(kModeManager);
    env.Prompts().ExpectMessages();
    Click("full");
    window->DeleteListItem();
    EXPECT_EQ(ListCaptions(), QStringList({"empty", "full"}));
    EXPECT_EQ(NodeCount(Tree().TopNode()), 3);
    EXPECT_EQ(env.Prompts().Messages().size(), 1);
    EXPECT_TRUE(Home().Exists("UserPrograms/full/loan.prg"));
    // The same from the tree.
    Tree().setCurrentItem(Node("full"));
    window->DeleteTreeNode();
    EXPECT_EQ(NodeCount(Tree().TopNode()), 3);
    EXPECT_EQ(Tree().currentItem(), Node("full"));
    EXPECT_EQ(env.Prompts().Messages().size(), 2);
}

TEST_F(LibraryManagerCommands, DeletingRemovesTheItemTheNodeAndTheFile) {
    Lay({"empty", "other", "other/gone"}, {"loan"});
    Open(kModeManager);
    Click("empty");
    window->DeleteListItem();
    Click("loan");
    window->DeleteListItem();
    EXPECT_EQ(ListCaptions(), QStringList({"other"}));
    EXPECT_EQ(ChildCaptions(Tree().TopNode()), QStringList({"other"}));
    EXPECT_FALSE(Home().Exists("UserPrograms/empty"));
    EXPECT_FALSE(Home().Exists("UserPrograms/loan.prg"));
    EXPECT_EQ(window->SelectedObject(), nullptr);
    // Deleting the shown folder's node shows its parent.
    ShowFolder("other/gone");
    window->DeleteTreeNode();
    EXPECT_EQ(window->GetCurrentFolder(), FolderAt("other"));
    EXPECT_EQ(Tree().currentItem(), Node("other"));
    EXPECT_EQ(Node("other")->childCount(), 0);
    EXPECT_TRUE(ListCaptions().isEmpty());
}

TEST_F(LibraryManagerCommands, DeletingTheOpenProgramMakesTheDocumentNew) {
    Lay({}, {"loan"});
    std::string error;
    ASSERT_TRUE(env.Vars().Open("loan", &error)) << error;
    Open(kModeManager);
    Click("loan");
    window->DeleteListItem();
    EXPECT_EQ(env.Vars().GetProgram(), nullptr);
    EXPECT_TRUE(env.Vars().GetIsNew());
}

TEST_F(LibraryManagerCommands, RenamesThatTheLibraryRefusesKeepTheOldCaption) {
    Lay({"sub", "other"}, {"loan", "rate"});
    struct Case {
        const char* Item;
        const char* NewName;
    };
    const Case cases[] = {
        {"loan", "rate"}, {"loan", "RATE "}, {"loan", "a/b"}, {"loan", ".."},
        {"loan", "  "},   {"sub", "Other"},  {"sub", "x\\y"}, {"sub", "."},
    };
    Open(kModeManager);
    env.Prompts().ExpectMessages();
    const std::vector<std::string> disk = Home().Listing();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Item) + " -> " + c.NewName);
        const int before = env.Prompts().Messages().size();
        Item(c.Item)->setText(c.NewName);  // what the in-place editor commits
        EXPECT_NE(Item(c.Item), nullptr);
        EXPECT_EQ(env.Prompts().Messages().size(), before + 1);
    }
    EXPECT_EQ(Home().Listing(), disk);
    EXPECT_EQ(ChildCaptions(Tree().TopNode()), QStringList({"other", "sub"}));
}

TEST_F(LibraryManagerCommands, RenamingAFolderRenamesItsNodeAndKeepsTheTreeSorted) {
    Lay({"b", "c", "c/inner"}, {"c/inner/deep", "loan"});
    Open(kModeManager);
    Item("c")->setText("a");
    EXPECT_EQ(ChildCaptions(Tree().TopNode()), QStringList({"a", "b"}));
    EXPECT_TRUE(Home().Exists("UserPrograms/a/inner/deep.prg"));
    EXPECT_EQ(Programs().GetFileName("deep"), Home().File("UserPrograms/a/inner/deep.prg"));
    // Through the tree: the list item follows.
    Node("b")->setText(0, " d ");
    EXPECT_EQ(ChildCaptions(Tree().TopNode()), QStringList({"a", "d"}));
    EXPECT_NE(Item("d"), nullptr);
    // A file; the name box follows the selected one.
    Click("loan");
    Item("loan")->setText("credit");
    EXPECT_EQ(window->NameBox()->text(), "credit");
    EXPECT_TRUE(Home().Exists("UserPrograms/credit.prg"));
}

TEST_F(LibraryManagerCommands, AFolderCannotBeDroppedOnItselfOrBelowItself) {
    Lay({"top", "top/mid", "top/mid/low", "side"});
    Open(kModeManager);
    ShowFolder("top");
    const TLibraryDragged top = window->DraggedFrom(Node("top"));
    const TLibraryDragged mid = window->DraggedFrom(Item("mid"));
    EXPECT_FALSE(window->CanDrop(top, Node("top")));
    EXPECT_FALSE(window->CanDrop(top, Node("top/mid")));
    EXPECT_FALSE(window->CanDrop(top, Node("top/mid/low")));
    EXPECT_FALSE(window->CanDrop(mid, Node("top/mid/low")));
    EXPECT_FALSE(window->CanDrop(window->DraggedFrom(Tree().TopNode()), Node("side")));
    EXPECT_TRUE(window->CanDrop(top, Node("side")));
    EXPECT_TRUE(window->CanDrop(mid, Tree().TopNode()));
    // A refused drop does nothing even when it arrives.
    window->Drop(top, Node("top/mid"));
    EXPECT_TRUE(Home().Exists("UserPrograms/top/mid/low"));
}

TEST_F(LibraryManagerCommands, DroppingAFolderOnTheTopNodeMovesItToTheRoot) {
    Lay({"top", "top/mid", "top/mid/low"}, {"top/mid/low/deep"});
    Open(kModeManager);
    ShowFolder("top/mid/low");
    window->DraggedFrom(Node("top/mid"));
    window->Drop(window->DraggedFrom(Node("top/mid")), Tree().TopNode());
    EXPECT_TRUE(Home().Exists("UserPrograms/mid/low/deep.prg"));
    EXPECT_EQ(ChildCaptions(Tree().TopNode()), QStringList({"mid", "top"}));
    EXPECT_EQ(Node("top")->childCount(), 0);
    EXPECT_EQ(ChildCaptions(Node("mid")), QStringList({"low"}));
    // The shown folder moved with it and is still the current one.
    EXPECT_EQ(window->GetCurrentFolder(), FolderAt("mid/low"));
    EXPECT_EQ(Tree().currentItem(), Node("mid/low"));
    EXPECT_EQ(ListCaptions(), QStringList({"deep"}));
}

TEST_F(LibraryManagerCommands, MovesNeverOverwrite) {
    Lay({"a", "b", "b/a"}, {"loan", "b/loan"});
    Open(kModeManager);
    env.Prompts().ExpectMessages();
    Home().Write("UserPrograms/b/loan.prg", "kept");
    // A file onto a folder that has one of that name, a folder likewise.
    ASSERT_TRUE(window->CanDrop(window->DraggedFrom(Item("loan")), Node("b")));
    window->Drop(window->DraggedFrom(Item("loan")), Node("b"));
    window->Drop(window->DraggedFrom(Item("a")), Node("b"));
    EXPECT_EQ(env.Prompts().Messages().size(), 2);
    EXPECT_EQ(Home().Read("UserPrograms/b/loan.prg"), "kept");
    EXPECT_EQ(ListCaptions(), QStringList({"a", "b", "loan"}));
    EXPECT_EQ(ChildCaptions(Tree().TopNode()), QStringList({"a", "b"}));
    // A file into a free folder goes, and the list is rebuilt.
    window->Drop(window->DraggedFrom(Item("loan")), Node("a"));
    EXPECT_EQ(ListCaptions(), QStringList({"a", "b"}));
    EXPECT_TRUE(Home().Exists("UserPrograms/a/loan.prg"));
}

TEST_F(LibraryManagerCommands, ImportCopiesEachFileAndReportsEachFailure) {
    Lay({"sub"});
    SaveDifference(Programs(), "source");
    Home().Write("outside/rate.prg", Home().Read("UserPrograms/source.prg"));
    Open(kModeManager);
    ShowFolder("sub");
    const QString missing = QString::fromStdString(Home().File("outside/missing.prg"));
    env.Prompts().ScriptOpenFiles(
        {QString::fromStdString(Home().File("outside/rate.prg")), missing});
    env.Prompts().ExpectMessages();
    window->ImportFiles();
    EXPECT_EQ(env.Prompts().Messages(), QStringList({"Cannot import the file '" + missing + "'."}));
    EXPECT_EQ(ListCaptions(), QStringList({"rate"}));
    EXPECT_TRUE(Home().Exists("UserPrograms/sub/rate.prg"));
    const TPromptRecord& asked = env.Prompts().Records().front();
    EXPECT_EQ(asked.Kind, "open");
    EXPECT_EQ(asked.Caption, "Program files (*.prg)");
    // Cancelling the chooser does nothing.
    env.Prompts().ScriptOpenFiles({});
    window->ImportFiles();
    EXPECT_EQ(ListCaptions(), QStringList({"rate"}));
}

TEST_F(LibraryManagerCommands, ExportWritesTheFileOrSaysItFailed) {
    Lay({}, {"loan"});
    Open(kModeManager);
    Click("loan");
    env.Prompts().ScriptSaveFile(QString::fromStdString(Home().File("copy.prg")));
    window->ExportFile();
    EXPECT_EQ(Home().Read("copy.prg"), Home().Read("UserPrograms/loan.prg"));
    const TPromptRecord& asked = env.Prompts().Records().back();
    EXPECT_EQ(asked.Kind, "save");
    EXPECT_EQ(asked.Caption, "Program files (*.prg)");
    EXPECT_TRUE(asked.Text.endsWith("/loan.prg")) << asked.Text.toStdString();

    env.Prompts().ExpectMessages();
    env.Prompts().ScriptSaveFile(QString::fromStdString(Home().File("no/such/folder/x.prg")));
    window->ExportFile();
    EXPECT_EQ(env.Prompts().Messages(), QStringList({"Export error!"}));
    env.Prompts().ScriptSaveFile(std::nullopt);
    window->ExportFile();
    EXPECT_EQ(env.Prompts().Messages().size(), 1);
    EXPECT_TRUE(env.Prompts().ScriptUsed());
}

}  // namespace
}  // namespace quillix::test
