// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/version_text.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

TEST(VersionText, MajorAndMinorOnly) {
    struct Row {
        const char* version;
        const char* text;
    };
    const Row rows[] = {
        {"1.0.0.19", "1.0"},    {"1.0.7.3", "1.0"}, {"0.1.0.0", "0.1"}, {"12.34", "12.34"},
        {"02.010.1.1", "2.10"}, {"3", "3.0"},       {"", "0.0"},        {"x.y.z", "0.0"},
        {"1.2b.3", "1.0"},      {"65537.1", "1.1"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(VersionText(row.version), row.text) << row.version;
}

}  // namespace
}  // namespace quillix
