// SPDX-License-Identifier: GPL-3.0-or-later
// Random input for the INI reader: it must never fail, keep every well-formed
// key among garbage, and give a text that reads back to the same content.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "config/ini_file.h"

namespace quillix {
namespace {

constexpr int kInputs = 3000;

// Bytes with the INI's own characters over-represented, so that the random
// texts form sections, keys and near-misses often.
std::string RandomText(std::mt19937& random, std::size_t maxLength) {
    static const std::string structural = "[]=;#\r\n\t \"aAbBzZ\xEF\xBB\xBF";
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> coin(0, 3);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> pick(0, structural.size());  // size: NUL
    std::string text(length(random), '\0');
    for (char& c : text) {
        if (coin(random) == 0) {
            c = static_cast<char>(byte(random));
        } else {
            const std::size_t at = pick(random);
            c = at == structural.size() ? '\0' : structural[at];
        }
    }
    return text;
}

std::string UpperCased(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

TEST(IniFileFuzz, RandomBytesReadBackStably) {
    std::mt19937 random(20240501);
    for (int i = 0; i < kInputs; ++i) {
        const std::string input = RandomText(random, 400);
        TIniFile first;
        first.Parse(input);
        const std::string written = first.Serialize();
        TIniFile second;
        second.Parse(written);
        ASSERT_TRUE(first == second) << "input #" << i;
        ASSERT_EQ(second.Serialize(), written) << "input #" << i;
        for (const std::string& section : first.Sections()) {
            ASSERT_TRUE(TIniFile::IsValidSectionName(section));
            for (const std::string& key : first.Keys(section)) {
                ASSERT_TRUE(TIniFile::IsValidKeyName(key));
                ASSERT_EQ(first.Get(UpperCased(section), UpperCased(key)), first.Get(section, key));
            }
        }
    }
}

// A garbage line that cannot be a section, key or comment: no "=", no "[".
std::string GarbageLine(std::mt19937& random) {
    std::string line = RandomText(random, 60);
    std::string garbage;
    for (const char c : line) {
        if (c != '=' && c != '[' && c != '\r' && c != '\n') garbage += c;
    }
    return garbage;
}

TEST(IniFileFuzz, GarbageBetweenGoodLinesLosesNoKey) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int> garbageCount(0, 3);
    for (int i = 0; i < kInputs / 3; ++i) {
        std::string text;
        const auto addGarbage = [&] {
            for (int g = garbageCount(random); g > 0; --g)
                text += GarbageLine(random) + "\r\n";
        };
        addGarbage();
        const int sections = 1 + i % 4;
        for (int s = 0; s < sections; ++s) {
            text += "[Section" + std::to_string(s) + "]\n";
            for (int k = 0; k < 5; ++k) {
                addGarbage();
                text += "Key" + std::to_string(k) + "=value " + std::to_string(s * 10 + k) + "\n";
            }
        }
        TIniFile ini;
        ini.Parse(text);
        for (int s = 0; s < sections; ++s) {
            for (int k = 0; k < 5; ++k) {
                ASSERT_EQ(ini.Get("section" + std::to_string(s), "KEY" + std::to_string(k)),
                          "value " + std::to_string(s * 10 + k))
                    << "input #" << i;
            }
        }
    }
}

}  // namespace
}  // namespace quillix
