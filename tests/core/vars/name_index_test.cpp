// SPDX-License-Identifier: GPL-3.0-or-later
// The flat index of a variable set's names against a plain map, over a long
// random run of additions, removals and lookups: removals move the entries
// after them back into the gaps, and nothing is lost or found twice.

#include "vars/name_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>

namespace quillix {
namespace {

TEST(NameIndex, AgreesWithAMapOverARandomRun) {
    std::mt19937 random(20261211);
    std::map<std::string, TCalcValueWarper*> expected;
    TNameIndex index;
    // Few distinct keys, so that removals and re-additions meet often; some
    // longer than the eight bytes hashed at a time.
    const auto key = [&random] {
        const unsigned number = random() % 300;
        return "K" + std::to_string(number) + (number % 3 == 0 ? "_of_a_longer_name" : "");
    };
    for (int step = 0; step < 20000; ++step) {
        const std::string name = key();
        auto* entry =
            reinterpret_cast<TCalcValueWarper*>(static_cast<std::uintptr_t>(step + 1) * 8);
        switch (random() % 3) {
            case 0:
                EXPECT_EQ(index.Insert(name, entry), expected.emplace(name, entry).second);
                break;
            case 1:
                index.Erase(name);
                expected.erase(name);
                break;
            default: {
                const auto found = expected.find(name);
                EXPECT_EQ(index.Find(name), found == expected.end() ? nullptr : found->second);
            }
        }
        ASSERT_EQ(index.Size(), expected.size()) << "step " << step;
    }
    for (const auto& [name, entry] : expected)
        EXPECT_EQ(index.Find(name), entry) << name;
    ASSERT_TRUE(index.Insert("last", reinterpret_cast<TCalcValueWarper*>(8)));
    index.Clear();
    EXPECT_EQ(index.Size(), 0u);
    EXPECT_EQ(index.Find("last"), nullptr);
}

}  // namespace
}  // namespace quillix
