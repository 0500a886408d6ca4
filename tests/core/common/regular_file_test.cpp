// SPDX-License-Identifier: GPL-3.0-or-later
// Reading only regular files, without waiting on a FIFO or a device to find out.
#include "common/regular_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "common/atomic_file.h"
#include "support/fifo_watch.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TEST(RegularFile, OnlyRegularFilesAreReadAndTheRestSayWhy) {
    TempFolder folder;
    folder.Write("plain.prg", "<Vars/>");
    folder.MakeDir("folder.prg");
    std::filesystem::create_symlink(folder.File("plain.prg"), folder.File("link.prg"));
    const TFifoWatch fifo(folder.File("fifo.prg"));
    ASSERT_TRUE(fifo.Made());
    struct Row {
        std::string path;
        std::optional<std::string> content;
        std::string error;
    };
    const Row rows[] = {
        {folder.File("plain.prg"), "<Vars/>", ""},
        {folder.File("link.prg"), "<Vars/>", ""},
        {folder.File("fifo.prg"), std::nullopt,
         "Cannot read \"" + folder.File("fifo.prg") + "\": Not a regular file"},
        {"/dev/zero", std::nullopt, "Cannot read \"/dev/zero\": Not a regular file"},
        {folder.File("folder.prg"), std::nullopt,
         "Cannot read \"" + folder.File("folder.prg") + "\": Is a directory"},
        {folder.File("none.prg"), std::nullopt,
         "Cannot read \"" + folder.File("none.prg") + "\": No such file or directory"},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_EQ(ReadRegularFile(row.path, &error), row.content) << row.path;
        EXPECT_EQ(error, row.error) << row.path;
        const std::optional<std::string> problem = RegularFileProblem(row.path);
        EXPECT_EQ(problem.value_or(""), row.error) << row.path;
        // The reader every file reader goes through refuses the same, without a wait.
        EXPECT_EQ(ReadWholeFile(row.path), row.content) << row.path;
    }
}

TEST(RegularFile, ADescriptorIsOnlyGivenForARegularFileAndReadsAsUsual) {
    TempFolder folder;
    folder.Write("a.ini", "[Main]\n");
    const int fd = OpenRegularFile(folder.File("a.ini"));
    ASSERT_GE(fd, 0);
    char buffer[16] = {};
    EXPECT_EQ(::read(fd, buffer, sizeof buffer), 7);
    ::close(fd);
    std::string error;
    EXPECT_EQ(OpenRegularFile("/dev/null", &error), -1);
    EXPECT_EQ(error, "Cannot read \"/dev/null\": Not a regular file");
}

TEST(RegularFile, AFileLargerThanTheLimitIsRefused) {
    TempFolder folder;
    folder.Write("skin.skn", std::string(100, 'x'));
    struct Row {
        std::size_t limit;
        bool read;
    };
    for (const Row& row : {Row{100, true}, Row{99, false}, Row{kNoSizeLimit, true}}) {
        std::string error;
        const std::optional<std::string> text =
            ReadRegularFile(folder.File("skin.skn"), &error, row.limit);
        EXPECT_EQ(text.has_value(), row.read) << row.limit;
        if (!row.read) {
            EXPECT_NE(error.find("Larger than 99 bytes"), std::string::npos) << error;
        }
    }
}

}  // namespace
}  // namespace quillix::test
