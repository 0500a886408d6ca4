// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile library folders: links that multiply the tree, more names than a
// scan reads, and a FIFO where a file should be.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "common/diag_note.h"
#include "core/vars/library_test_support.h"
#include "support/fifo_watch.h"

namespace quillix::test {
namespace {

std::size_t FoldersBelow(const TUserFuncFolder& folder) {
    std::size_t count = folder.Subfolders().size();
    for (const auto& sub : folder.Subfolders())
        count += FoldersBelow(*sub);
    return count;
}

std::size_t ItemsBelow(const TUserFuncFolder& folder) {
    std::size_t count = folder.Files().size() + folder.Subfolders().size();
    for (const auto& sub : folder.Subfolders())
        count += ItemsBelow(*sub);
    return count;
}

// Level i holds two links, "a" and "b", to level i + 1: followed blindly, the
// tree has 2^levels folders.
void MakeLinkBomb(const TempFolder& dir, int levels) {
    for (int level = 0; level <= levels; ++level)
        dir.MakeDir("L" + std::to_string(level));
    dir.Write("L" + std::to_string(levels) + "/deep.prg");
    for (int level = 0; level < levels; ++level) {
        const std::string next = dir.File("L" + std::to_string(level + 1));
        for (const char* link : {"/a", "/b"})
            ASSERT_EQ(
                ::symlink(next.c_str(), (dir.File("L" + std::to_string(level)) + link).c_str()), 0);
    }
}

TEST(LibraryScanLimits, EachFolderOfALinkBombIsReadOnce) {
    TempFolder dir;
    constexpr int kLevels = 16;
    MakeLinkBomb(dir, kLevels);
    TUserFuncFolder root(dir.File("L0"), ".prg");
    // Per level one link is read and the other listed empty: two folders a level.
    EXPECT_EQ(FoldersBelow(root), 2u * kLevels);
    ASSERT_NE(root.FindByName("deep"), nullptr);
    root.Scan();
    EXPECT_EQ(FoldersBelow(root), 2u * kLevels);
}

TEST(LibraryScanLimits, AScanStopsAtItsLimitAndSaysSo) {
    TempFolder dir;
    for (int i = 0; i < 30; ++i)
        dir.Write("UserPrograms/p" + std::to_string(i) + ".prg");
    dir.Write("UserPrograms/Sub/q.prg");
    std::vector<std::string> notes;
    SetDiagNoteReceiver([&notes](std::string_view line) { notes.emplace_back(line); });
    SetLibraryScanEntryLimit(10);
    {
        TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
        EXPECT_EQ(ItemsBelow(root), 10u);  // every name read became a file or a folder
    }
    SetLibraryScanEntryLimit(0);
    SetDiagNoteReceiver({});
    EXPECT_EQ(notes, (std::vector<std::string>{"The library scan of \"" + dir.File("UserPrograms") +
                                               "\" stopped after 10 entries"}));
    TUserFuncFolder whole(dir.File("UserPrograms"), ".prg");
    EXPECT_EQ(whole.Files().size(), 30u);
}

TEST(LibraryScanLimits, AFifoIsNeverImportedNorWaitedOn) {
    TempFolder dir;
    dir.MakeDir("UserPrograms");
    const TFifoWatch fifo(dir.File("loan.prg"));
    ASSERT_TRUE(fifo.Made());
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    std::string reason;
    EXPECT_FALSE(root.ImportFile(fifo.Path(), &reason));
    EXPECT_EQ(reason, "Cannot read \"" + fifo.Path() + "\": Not a regular file");
    EXPECT_TRUE(root.Files().empty());
}

}  // namespace
}  // namespace quillix::test
