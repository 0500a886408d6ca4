// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/folder_lock.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TEST(FolderLock, OneHolderAtATimeAndAWaitThatEnds) {
    TempFolder folder;
    {
        const TFolderLock first(folder.Path());
        ASSERT_TRUE(first.Held());
        EXPECT_FALSE(TFolderLock(folder.Path(), 30).Held());  // gives up, goes ahead
    }
    EXPECT_TRUE(TFolderLock(folder.Path(), 0).Held());
    EXPECT_FALSE(TFolderLock(folder.File("missing"), 0).Held());
}

TEST(FolderLock, TheFolderOfAPath) {
    EXPECT_EQ(FolderOf("/home/u/appmain.ini"), "/home/u");
    EXPECT_EQ(FolderOf("/appmain.ini"), "/");
    EXPECT_EQ(FolderOf("appmain.ini"), ".");
}

}  // namespace
}  // namespace quillix::test
