// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/instance_key.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TEST(InstanceKey, OneFolderHasOneKeyHoweverItIsWritten) {
    TempFolder home;
    const std::string key = HomeFolderKey(home.Path());
    EXPECT_EQ(key.size(), 16u);
    for (const std::string& same : {home.Path() + "/", home.Path() + "/./", home.Path() + "//"})
        EXPECT_EQ(HomeFolderKey(same), key) << same;
    EXPECT_NE(HomeFolderKey(home.File("other")), key);
}

TEST(InstanceKey, ATagKeepsOnlyWhatIsSafeInAFileName) {
    TempFolder home;
    const std::string key = HomeFolderKey(home.Path());
    EXPECT_EQ(InstanceKey(home.Path(), ""), key);
    EXPECT_EQ(InstanceKey(home.Path(), "run-1.a_b"), key + "-run-1.a_b");
    EXPECT_EQ(InstanceKey(home.Path(), "../x y"), key + "-.._x_y");
}

}  // namespace
}  // namespace quillix::test
