// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QPushButton>

#include "library_manager_fixture.h"

namespace quillix::test {
namespace {

using LibraryManagerWindow = LibraryManagerTest;

TEST_F(LibraryManagerWindow, CaptionsAndControlsFollowTheModeAndTheLibrary) {
    struct Case {
        int Mode;
        bool Functions;
        const char* Caption;
        bool ReadOnly;
        bool NameShown;
        const char* Cancel;
    };
    const Case cases[] = {
        {kModeOpen, false, "Open", true, true, "&Cancel"},
        {kModeSave, false, "Save", false, true, "&Cancel"},
        {kModeSaveAs, false, "Save As...", false, true, "&Cancel"},
        {kModeManager, false, "Programs Manager", false, false, "Close"},
        {kModeManager, true, "Functions Manager", false, false, "Close"},
    };
    for (const Case& c : cases) {
        Open(c.Mode, c.Functions ? &env.Libraries().Functions() : nullptr);
        SCOPED_TRACE(c.Caption);
        EXPECT_EQ(window->windowTitle(), c.Caption);
        EXPECT_EQ(window->NameBox()->isReadOnly(), c.ReadOnly);
        EXPECT_EQ(window->NameBox()->isVisible(), c.NameShown);
        EXPECT_EQ(window->NameLabel()->isVisible(), c.NameShown);
        EXPECT_EQ(window->OkButton()->isVisible(), c.NameShown);
        EXPECT_EQ(window->CancelButton()->text(), c.Cancel);
        EXPECT_EQ(window->LibraryLabel()->text(),
                  c.Functions ? "Functions library" : "Programs library");
    }
}

TEST_F(LibraryManagerWindow, StartsOnTheExpandedTopNodeWithTheTreeSortedByName) {
    Lay({"beta", "Alpha", "gamma", "beta/Zed", "beta/ant"}, {"loan", "beta/inner"});
    Open(kModeManager);
    QTreeWidgetItem* top = Tree().TopNode();
    EXPECT_EQ(top->text(0), "Root");
    EXPECT_TRUE(top->isExpanded());
    EXPECT_EQ(Tree().currentItem(), top);
    EXPECT_EQ(window->GetCurrentFolder(), &Programs());
    EXPECT_EQ(ChildCaptions(top), QStringList({"Alpha", "beta", "gamma"}));
    EXPECT_EQ(ChildCaptions(Node("beta")), QStringList({"ant", "Zed"}));
    // Subfolders first, then files.
    EXPECT_EQ(ListCaptions(), QStringList({"Alpha", "beta", "gamma", "loan"}));
    ShowFolder("beta");
    EXPECT_EQ(window->GetCurrentFolder(), FolderAt("beta"));
    EXPECT_EQ(ListCaptions(), QStringList({"ant", "Zed", "inner"}));
}

TEST_F(LibraryManagerWindow, ClickingAFileNamesItAndClickingAFolderClearsTheName) {
    Lay({"sub"}, {"loan"});
    Open(kModeOpen);
    Click("loan");
    EXPECT_EQ(window->NameBox()->text(), "loan");
    EXPECT_EQ(window->GetResultName(), "loan");
    Click("sub");
    EXPECT_TRUE(window->NameBox()->text().isEmpty());
    EXPECT_EQ(window->SelectedObject(), nullptr);
    EXPECT_TRUE(window->GetResultName().empty());
}

TEST_F(LibraryManagerWindow, DoubleClickConfirmsExceptInTheManager) {
    Lay({}, {"loan"});
    for (int mode : {kModeOpen, kModeManager}) {
        Open(mode);
        window->DoubleClickItem(Item("loan"));
        EXPECT_EQ(window->SelectedObject(), Programs().FindByName("loan"));
        EXPECT_EQ(window->isVisible(), mode == kModeManager) << mode;
        EXPECT_EQ(window->result() == QDialog::Accepted, mode == kModeOpen) << mode;
    }
}

TEST_F(LibraryManagerWindow, DoubleClickingAFolderSelectsItsNode) {
    Lay({"outer", "outer/inner"}, {"outer/inner/deep"});
    Open(kModeOpen);
    window->DoubleClickItem(Item("outer"));
    EXPECT_EQ(Tree().currentItem(), Node("outer"));
    window->DoubleClickItem(Item("inner"));
    EXPECT_EQ(window->GetCurrentFolder(), FolderAt("outer/inner"));
    EXPECT_EQ(ListCaptions(), QStringList({"deep"}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(LibraryManagerWindow, OkRefusesEmptyNamesAndForbiddenCharactersWhenSaving) {
    struct Case {
        int Mode;
        const char* Name;
        bool Closes;
        const char* Message;
    };
    const char* const forbidden = "Name can't contain \"/,\\,:,*,?,<,>,|\"";
    const Case cases[] = {
        {kModeSave, "a/b", false, forbidden},   {kModeSaveAs, "a\\b", false, forbidden},
        {kModeSave, "what?", false, forbidden}, {kModeSave, "   ", false, nullptr},
        {kModeSave, "..", false, "*"},          {kModeSave, " loan ", true, nullptr},
        {kModeSaveAs, "loan", true, nullptr},
    };
    env.Prompts().ExpectMessages();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Open(c.Mode);
        const int before = env.Prompts().Messages().size();
        window->NameBox()->setText(c.Name);
        window->Confirm();
        EXPECT_EQ(window->isVisible(), !c.Closes);
        const QStringList messages = env.Prompts().Messages().mid(before);
        if (!c.Message) {
            EXPECT_TRUE(messages.isEmpty());
        } else {
            ASSERT_EQ(messages.size(), 1);
            if (std::string(c.Message) != "*") {
                EXPECT_EQ(messages[0], c.Message);
            }
        }
        if (c.Closes) {
            EXPECT_EQ(window->GetCurrentFolder(), &Programs());
        }
    }
}

TEST_F(LibraryManagerWindow, OpenWithoutASelectedFileStaysOpen) {
    Lay({"sub"});
    Open(kModeOpen);
    Click("sub");
    window->Confirm();
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace quillix::test
