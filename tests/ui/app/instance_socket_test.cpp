// SPDX-License-Identifier: GPL-3.0-or-later
// Where the single-instance socket lives: a private folder of the user, and a
// name that tells home folders apart.
#include "app/instance_socket.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace quillix::test {
namespace {

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(InstanceSocket, TheNameTellsHomeFoldersApartButNotSpellingsOfOne) {
    TempFolder home;
    const std::string name = InstanceSocketName(home.Path(), "");
    EXPECT_EQ(name.rfind("CalcMutex01-", 0), 0u) << name;
    EXPECT_EQ(name.size(), std::string("CalcMutex01-").size() + 16);
    EXPECT_EQ(InstanceSocketName(home.Path() + "/", ""), name);
    EXPECT_EQ(InstanceSocketName(home.Path() + "/./x/..", ""), name);
    EXPECT_NE(InstanceSocketName(home.File("other"), ""), name);
    EXPECT_EQ(InstanceSocketName(home.Path(), "screens"), name + "-screens");
}

TEST(InstanceSocket, OnlyAPrivateFolderOfTheUserWillDo) {
    TempFolder base;
    const uid_t me = ::getuid();
    base.MakeDir("open");
    ::chmod(base.File("open").c_str(), 0755);
    base.MakeDir("private");
    ::chmod(base.File("private").c_str(), 0700);
    base.Write("file", "x");
    std::filesystem::create_symlink(base.File("private"), base.File("link"));
    struct Row {
        const char* folder;
        bool create;
        std::string problem;
    };
    const Row rows[] = {
        {"private", false, ""},
        {"made", true, ""},
        {"open", false, "\"" + base.File("open") + "\" is open to other users"},
        {"file", true, "\"" + base.File("file") + "\" is not a folder"},
        {"link", true, "\"" + base.File("link") + "\" is not a folder"},
        {"missing", false, "\"" + base.File("missing") + "\": No such file or directory"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PrivateFolderProblem(base.File(row.folder), me, row.create), row.problem)
            << row.folder;
    EXPECT_EQ(ModeOf(base.File("made")), 0700u);
    EXPECT_EQ(PrivateFolderProblem(base.File("private"), me + 1, false),
              "\"" + base.File("private") + "\" belongs to another user");
}

TEST(InstanceSocket, TheRuntimeFolderFirstThenAPrivateTemporaryOne) {
    TempFolder base;
    base.MakeDir("runtime");
    ::chmod(base.File("runtime").c_str(), 0700);
    base.MakeDir("shared");
    ::chmod(base.File("shared").c_str(), 01777);
    TInstanceSocketFacts facts;
    facts.RuntimeFolder = base.File("runtime");
    facts.TempFolder = base.File("shared");
    facts.Uid = ::getuid();
    facts.HomeFolder = base.File("home");
    const std::string name = InstanceSocketName(facts.HomeFolder, "");
    const std::string own = base.File("shared/quillix-" + std::to_string(facts.Uid));

    TInstanceSocketPlace place = ChooseInstanceSocket(facts);
    EXPECT_EQ(place.Path, base.File("runtime/" + name));
    EXPECT_TRUE(place.Notes.empty());

    ::chmod(base.File("runtime").c_str(), 0755);  // not private: not used
    place = ChooseInstanceSocket(facts);
    EXPECT_EQ(place.Path, own + "/" + name);
    ASSERT_EQ(place.Notes.size(), 1u);
    EXPECT_EQ(ModeOf(own), 0700u);

    facts.RuntimeFolder.clear();
    ::chmod(own.c_str(), 0770);  // someone opened it up: refused, no guard
    place = ChooseInstanceSocket(facts);
    EXPECT_EQ(place.Path, "");
    EXPECT_EQ(place.Notes, (std::vector<std::string>{"\"" + own + "\" is open to other users"}));

    ::chmod(own.c_str(), 0700);
    facts.Tag = std::string(120, 't');  // no socket takes a path that long
    place = ChooseInstanceSocket(facts);
    EXPECT_EQ(place.Path, "");
    ASSERT_EQ(place.Notes.size(), 1u);
    EXPECT_NE(place.Notes[0].find("is too long for a socket"), std::string::npos);
}

}  // namespace
}  // namespace quillix::test
