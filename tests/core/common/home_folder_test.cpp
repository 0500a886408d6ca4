// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/home_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <optional>
#include <string>

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

TEST(HomeFolder, EachStepOfTheRule) {
    HomeFolderFacts facts;
    facts.executableFolder = "/opt/quillix/bin";
    facts.userHome = "/home/ann";
    EXPECT_EQ(ChooseHomeFolder(facts), "/home/ann/.local/share/quillix");
    facts.xdgDataHome = "/data/";
    EXPECT_EQ(ChooseHomeFolder(facts), "/data/quillix");
    facts.executableFolderWritable = true;
    EXPECT_EQ(ChooseHomeFolder(facts), "/opt/quillix/bin");
    facts.quillixHome = "/q";
    EXPECT_EQ(ChooseHomeFolder(facts), "/q");
    facts.explicitHome = "/given/";
    EXPECT_EQ(ChooseHomeFolder(facts), "/given");
}

TEST(HomeFolder, JoinPathUsesOneSeparator) {
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("", "b"), "b");
}

}  // namespace
}  // namespace quillix
