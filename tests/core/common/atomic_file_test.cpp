// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "support/temp_folder.h"

namespace quillix::test {
namespace {

// A private file stays private when it is rewritten, and the temporary file the
// content went through is gone.
TEST(AtomicFile, ASaveOverAFileKeepsItsModeAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.File("secret.prg");
    WriteFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "new", &error)) << error;
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(folder.Listing(), std::vector<std::string>{"secret.prg"});
}

struct LinkedSave {
    const char* what;
    const char* linkTarget;  // as the link holds it
    const char* targetFile;  // where the content must land, below the folder
};

// A save through a link replaces the file the link leads to; the link stays.
TEST(AtomicFile, ASaveThroughALinkReplacesItsTarget) {
    const LinkedSave rows[] = {
        {"a relative link", "real.prg", "real.prg"},
        {"a link into a subfolder", "sub/real.prg", "sub/real.prg"},
        {"a link to a link", "second.lnk", "real.prg"},
        {"a link that leads nowhere yet", "sub/new.prg", "sub/new.prg"},
    };
    for (const LinkedSave& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        folder.Write("real.prg", "old");
        folder.Write("sub/real.prg", "old");
        ASSERT_EQ(::symlink("real.prg", folder.File("second.lnk").c_str()), 0);
        ASSERT_EQ(::symlink(row.linkTarget, folder.File("link.prg").c_str()), 0);
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(folder.File("link.prg"), "new", &error)) << error;
        struct stat info {};
        ASSERT_EQ(::lstat(folder.File("link.prg").c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode));
        EXPECT_EQ(folder.Read(row.targetFile), "new");
        EXPECT_EQ(folder.Read("link.prg"), "new");
    }
    // An absolute link, and a loop of links, which is refused.
    TempFolder folder;
    folder.Write("real.prg", "old");
    ASSERT_EQ(::symlink(folder.File("real.prg").c_str(), folder.File("absolute.lnk").c_str()), 0);
    EXPECT_TRUE(WriteFileAtomically(folder.File("absolute.lnk"), "new"));
    EXPECT_EQ(folder.Read("real.prg"), "new");
    ASSERT_EQ(::symlink("loop2", folder.File("loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", folder.File("loop2").c_str()), 0);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(folder.File("loop1"), "new", &error));
    EXPECT_NE(error.find("loop1"), std::string::npos) << error;
}

// A file without any write permission is not replaced, whoever runs the
// program: the rename would go around the permission of the file.
TEST(AtomicFile, AReadOnlyFileIsNotReplaced) {
    TempFolder folder;
    folder.Write("locked.prg", "old");
    ASSERT_EQ(::chmod(folder.File("locked.prg").c_str(), 0444), 0);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(folder.File("locked.prg"), "new", &error));
    EXPECT_EQ(error, "Cannot write \"" + folder.File("locked.prg") + "\": the file is read-only");
    EXPECT_EQ(folder.Read("locked.prg"), "old");
    EXPECT_EQ(folder.Listing(), std::vector<std::string>{"locked.prg"});
    // A writable file in the same folder is replaced as ever.
    ASSERT_EQ(::chmod(folder.File("locked.prg").c_str(), 0644), 0);
    EXPECT_TRUE(WriteFileAtomically(folder.File("locked.prg"), "new", &error)) << error;
}

// Appending takes back a piece it could not write whole.
TEST(AtomicFile, AnAppendThatFailsLeavesTheFileAsItWas) {
    TempFolder folder;
    folder.Write("log.txt", "first\n");
    InjectWriteFault(TWriteStep::Write, 1, ENOSPC);
    std::string error;
    EXPECT_FALSE(AppendToFile(folder.File("log.txt"), "second\n", &error));
    InjectWriteFault(TWriteStep::Write, 0, 0);
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    EXPECT_EQ(folder.Read("log.txt"), "first\n");
    EXPECT_TRUE(AppendToFile(folder.File("log.txt"), "second\n"));
    EXPECT_EQ(folder.Read("log.txt"), "first\nsecond\n");
    // Never through a link.
    ASSERT_EQ(::symlink("log.txt", folder.File("planted").c_str()), 0);
    EXPECT_FALSE(AppendToFile(folder.File("planted"), "third\n"));
    EXPECT_EQ(folder.Read("log.txt"), "first\nsecond\n");
}

}  // namespace
}  // namespace quillix::test
