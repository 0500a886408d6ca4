// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

}  // namespace
}  // namespace quillix::test
