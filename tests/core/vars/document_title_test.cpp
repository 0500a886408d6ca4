// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/document_title.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

TEST(DocumentTitle, TheNameWithTheMarkWhileModified) {
    struct Row {
        const char* name;
        bool modified;
        const char* label;
        const char* title;
    };
    const Row rows[] = {
        {"Loan", false, "Loan", "Loan \u2014 Quillix"},
        {"Loan", true, "Loan*", "Loan* \u2014 Quillix"},
        {"New", true, "New*", "New* \u2014 Quillix"},
        {"Ratenkauf \u00fcber 5 Jahre", false, "Ratenkauf \u00fcber 5 Jahre",
         "Ratenkauf \u00fcber 5 Jahre \u2014 Quillix"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DocumentLabelText(row.name, row.modified), row.label) << row.name;
        EXPECT_EQ(DocumentWindowTitle(DocumentLabelText(row.name, row.modified)), row.title)
            << row.name;
    }
}

}  // namespace
}  // namespace quillix
