// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/home_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace quillix {
namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = ::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvironmentVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(HomeFolder, TheRuleTakesTheFirstThatApplies) {
    const EnvironmentVariable home("QUILLIX_HOME", "/srv/quillix/");
    EXPECT_EQ(ResolveHomeFolder(std::string("/tmp/given//")), "/tmp/given");
    EXPECT_EQ(ResolveHomeFolder(std::nullopt), "/srv/quillix");
    EXPECT_EQ(ResolveHomeFolder(std::string()), "/srv/quillix");  // an empty --home is no folder
    const EnvironmentVariable noHome("QUILLIX_HOME", nullptr);
    // The test program's own folder is writable, so it is the home.
    EXPECT_EQ(ResolveHomeFolder(std::nullopt), ExecutableFolder());
    EXPECT_EQ(::access(ExecutableFolder().c_str(), W_OK), 0);
}

// One row per way the program is started: the facts, and the home they give.
struct HomeCase {
    const char* name;
    std::optional<std::string> explicitHome;
    const char* quillixHome;
    const char* executableFolder;
    bool writable;
    bool installed;
    const char* xdgDataHome;
    const char* userHome;
    const char* home;
};

const HomeCase kHomeCases[] = {
    {"installed, a user", std::nullopt, "", "/usr/bin", false, true, "", "/home/ann",
     "/home/ann/.local/share/quillix"},
    {"installed, root in /usr/bin", std::nullopt, "", "/usr/bin", true, true, "", "/root",
     "/root/.local/share/quillix"},
    {"installed in a prefix the user owns", std::nullopt, "", "/home/ann/.local/bin", true, true,
     "", "/home/ann", "/home/ann/.local/share/quillix"},
    {"installed, XDG_DATA_HOME set", std::nullopt, "", "/usr/bin", false, true, "/data/",
     "/home/ann", "/data/quillix"},
    {"installed, a relative XDG_DATA_HOME is no place", std::nullopt, "", "/usr/bin", false, true,
     "data", "/home/ann", "/home/ann/.local/share/quillix"},
    {"build tree", std::nullopt, "", "/work/build/src/ui", true, false, "", "/home/ann",
     "/work/build/src/ui"},
    {"portable folder", std::nullopt, "", "/media/stick/quillix", true, false, "/data", "/home/ann",
     "/media/stick/quillix"},
    {"portable folder on a read-only medium", std::nullopt, "", "/media/cd", false, false, "",
     "/home/ann", "/home/ann/.local/share/quillix"},
    {"--home beats everything", std::string("/given//"), "/q", "/usr/bin", true, true, "/data",
     "/root", "/given"},
    {"--home in a build tree", std::string("rel/home"), "", "/work/build/src/ui", true, false, "",
     "/home/ann", "rel/home"},
    {"an empty --home is no folder", std::string(), "/q/", "/usr/bin", false, true, "", "/home/ann",
     "/q"},
    {"QUILLIX_HOME for an installed program", std::nullopt, "/srv/quillix/", "/usr/bin", true, true,
     "/data", "/root", "/srv/quillix"},
    {"QUILLIX_HOME in a build tree", std::nullopt, "/srv/quillix", "/work/build/src/ui", true,
     false, "", "/home/ann", "/srv/quillix"},
    {"executable folder unknown", std::nullopt, "", "", true, false, "", "/home/ann",
     "/home/ann/.local/share/quillix"},
};

TEST(HomeFolder, EachWayOfStartingGetsItsHome) {
    for (const HomeCase& row : kHomeCases) {
        HomeFolderFacts facts;
        facts.explicitHome = row.explicitHome;
        facts.quillixHome = row.quillixHome;
        facts.executableFolder = row.executableFolder;
        facts.executableFolderWritable = row.writable;
        facts.installed = row.installed;
        facts.xdgDataHome = row.xdgDataHome;
        facts.userHome = row.userHome;
        EXPECT_EQ(ChooseHomeFolder(facts), row.home) << row.name;
    }
}

// One row per layout on disk: is the executable's folder an installed one?
struct LayoutCase {
    const char* name;
    const char* shareFolder;  // made below the test folder; "" for none
    const char* executableFolder;
    bool installed;
};

const LayoutCase kLayoutCases[] = {
    {"prefix with share/quillix", "prefix/share/quillix", "prefix/bin", true},
    {"prefix, trailing slash", "prefix/share/quillix", "prefix/bin/", true},
    {"a bin folder without share/quillix", "prefix/share/other", "prefix/bin", false},
    {"share/quillix beside a folder not named bin", "tree/share/quillix", "tree/src", false},
    {"a build tree", "", "build/src/ui", false},
    {"share/quillix is a file", "", "files/bin", false},
};

TEST(HomeFolder, InstalledLayoutsAreRecognised) {
    for (const LayoutCase& row : kLayoutCases) {
        const test::TempFolder root;
        if (*row.shareFolder) root.MakeDir(row.shareFolder);
        root.Write("files/share/quillix");  // a file where the folder would be
        root.MakeDir(row.executableFolder);
        EXPECT_EQ(IsInstalledProgramFolder(root.File(row.executableFolder)), row.installed)
            << row.name;
    }
    EXPECT_TRUE(IsInstalledProgramFolder("/usr/bin"));
    EXPECT_TRUE(IsInstalledProgramFolder("/usr/local/bin/"));
}

TEST(HomeFolder, FactsComeFromTheEnvironmentAndTheDisk) {
    const test::TempFolder root;
    root.MakeDir("usr/share/quillix");
    root.MakeDir("usr/bin");
    const EnvironmentVariable quillixHome("QUILLIX_HOME", nullptr);
    const EnvironmentVariable dataHome("XDG_DATA_HOME", nullptr);
    const EnvironmentVariable home("HOME", "/home/ann");
    const HomeFolderFacts installed = GatherHomeFolderFacts(std::nullopt, root.File("usr/bin"));
    EXPECT_TRUE(installed.installed);
    EXPECT_TRUE(installed.executableFolderWritable);
    EXPECT_EQ(ChooseHomeFolder(installed), "/home/ann/.local/share/quillix");
    EXPECT_EQ(ChooseHomeFolder(GatherHomeFolderFacts(std::nullopt, root.Path())), root.Path());
    // Started without HOME (a service), the account's home folder stands in.
    const EnvironmentVariable noHome("HOME", nullptr);
    const HomeFolderFacts service = GatherHomeFolderFacts(std::nullopt, "/usr/bin");
    EXPECT_FALSE(service.userHome.empty());
    EXPECT_EQ(service.userHome.front(), '/');
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return 0;
    return info.st_mode & 07777;
}

TEST(HomeFolder, CreatingTheHomeMakesOnlyMissingFoldersPrivate) {
    const test::TempFolder root;
    root.MakeDir("home/ann");
    ::chmod(root.File("home/ann").c_str(), 0755);
    std::string error;
    ASSERT_TRUE(CreateHomeFolder(root.File("home/ann/.local/share/quillix"), &error)) << error;
    EXPECT_EQ(ModeOf(root.File("home/ann")), 0755u);  // the user's own folder stays as it was
    EXPECT_EQ(ModeOf(root.File("home/ann/.local")), 0700u);
    EXPECT_EQ(ModeOf(root.File("home/ann/.local/share")), 0700u);
    EXPECT_EQ(ModeOf(root.File("home/ann/.local/share/quillix")), 0700u);
    // A second start finds it and changes nothing.
    ::chmod(root.File("home/ann/.local/share/quillix").c_str(), 0750);
    EXPECT_TRUE(CreateHomeFolder(root.File("home/ann/.local/share/quillix/"), &error)) << error;
    EXPECT_EQ(ModeOf(root.File("home/ann/.local/share/quillix")), 0750u);
}

TEST(HomeFolder, CreatingTheHomeFailsClearlyWhereAFileIsInTheWay) {
    const test::TempFolder root;
    root.Write("data", "not a folder");
    std::string error;
    EXPECT_FALSE(CreateHomeFolder(root.File("data/quillix"), &error));
    EXPECT_NE(error.find("is not a folder"), std::string::npos) << error;
    EXPECT_EQ(root.Read("data"), "not a folder");
    EXPECT_FALSE(CreateHomeFolder("", &error));
}

TEST(HomeFolder, JoinPathUsesOneSeparator) {
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("", "b"), "b");
}

}  // namespace
}  // namespace quillix
