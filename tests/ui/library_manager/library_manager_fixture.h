// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the library-manager tests share: the environment with a programs
// library laid out on disk, a manager window over it, and short ways to reach
// tree nodes and list items by caption.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <memory>
#include <string>

#include "dialogs/library_manager.h"
#include "support/library_programs.h"
#include "support/ui_environment.h"

namespace quillix::test {

class LibraryManagerTest : public ::testing::Test {
  protected:
    TUiEnvironment env;
    std::unique_ptr<Tfrm_Open> window;

    TUserFuncFolder& Programs() { return env.Libraries().Programs(); }
    TempFolder& Home() { return env.HomeFolder(); }

    // Folders (paths below the programs root, "a/b") and programs ("a/b/p" is
    // program p in folder a/b) on disk, then the library scanned again.
    void Lay(std::initializer_list<const char*> folders,
             std::initializer_list<const char*> programs = {}) {
        for (const char* folder : folders)
            Home().MakeDir(std::string("UserPrograms/") + folder);
        env.ReloadLibraries();
        for (const char* program : programs) {
            const std::string path = program;
            const std::size_t slash = path.rfind('/');
            TUserFuncFolder* folder = &Programs();
            if (slash != std::string::npos) folder = FolderAt(path.substr(0, slash));
            SaveDifference(*folder, path.substr(slash == std::string::npos ? 0 : slash + 1));
        }
    }
    TUserFuncFolder* FolderAt(const std::string& path) {
        TUserFuncFolder* folder = &Programs();
        std::size_t start = 0;
        while (folder && start < path.size()) {
            const std::size_t end = path.find('/', start);
            folder = folder->FindFolder(path.substr(start, end - start));
            start = end == std::string::npos ? path.size() : end + 1;
        }
        return folder;
    }
    void Open(int mode, TUserFuncFolder* library = nullptr) {
        window = std::make_unique<Tfrm_Open>(library ? *library : Programs(), mode);
        window->show();
    }

    TLibraryTree& Tree() { return *window->Tree(); }
    TLibraryList& List() { return *window->List(); }
    QTreeWidgetItem* Node(const std::string& path) {
        return path.empty() ? Tree().TopNode() : Tree().NodeOf(FolderAt(path));
    }
    QListWidgetItem* Item(const char* caption) { return List().ItemNamed(caption); }
    // Selects the folder's node (the list then shows it) and clicks an item.
    void ShowFolder(const std::string& path) { window->SelectNode(Node(path)); }
    void Click(const char* caption) {
        QListWidgetItem* item = Item(caption);
        ASSERT_NE(item, nullptr) << caption;
        window->ClickItem(item);
    }
    QStringList ListCaptions() {
        QStringList captions;
        for (int row = 0; row < List().count(); ++row)
            captions << List().item(row)->text();
        return captions;
    }
    // The captions below a node, in tree order.
    QStringList ChildCaptions(QTreeWidgetItem* node) {
        QStringList captions;
        for (int i = 0; i < node->childCount(); ++i)
            captions << node->child(i)->text(0);
        return captions;
    }
    int NodeCount(QTreeWidgetItem* node) {
        int count = 1;
        for (int i = 0; i < node->childCount(); ++i)
            count += NodeCount(node->child(i));
        return count;
    }
};

}  // namespace quillix::test
