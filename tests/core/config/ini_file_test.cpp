// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_file.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TIniFile Parsed(std::string_view text) {
    TIniFile ini;
    ini.Parse(text);
    return ini;
}

TEST(IniFileParse, KeepsTheWellFormedKeysOfMalformedText) {
    using namespace std::string_literals;
    struct Row {
        const char* what;
        std::string text;
        const char* section;
        const char* key;
        const char* value;  // nullptr: the key must be absent
    };
    const std::string longValue(1 << 20, 'v');
    const Row rows[] = {
        {"byte-order mark", "\xEF\xBB\xBF[Main]\nLeft=5\n", "Main", "Left", "5"},
        {"CR LF", "[Main]\r\nLeft=5\r\nTop=7\r\n", "Main", "Top", "7"},
        {"no final line end", "[Main]\nLeft=5", "Main", "Left", "5"},
        {"lone CR", "[Main]\rLeft=5\rTop=6", "Main", "Top", "6"},
        {"NUL inside a name", "[Ma\0in]\nLe\0ft=5\n"s, "Main", "Left", "5"},
        {"NUL run at the end", "[Main]\nLeft=5\0\0\0\0"s, "Main", "Left", "5"},
        {"garbage lines", "[Main]\ngarbage\n=novalue\n[unclosed\nLeft=5\n", "Main", "Left", "5"},
        {"an unclosed section keeps the previous one", "[Main]\n[unclosed\nTop=1\n", "Main", "Top",
         "1"},
        {"key before any section", "Left=1\n[Main]\n", "Main", "Left", nullptr},
        {"keys under []", "[]\nLeft=1\n", "", "Left", nullptr},
        {"first duplicate wins", "[Main]\nLeft=1\nLEFT=2\n", "Main", "Left", "1"},
        {"repeated section continues", "[Main]\nLeft=1\n[main]\nTop=2\nLeft=3\n", "Main", "Top",
         "2"},
        {"comments", "[Main]\n;Left=1\n#Top=2\nLeft=3\n", "Main", "Left", "3"},
        {"commented key absent", "[Main]\n;Top=1\n", "Main", "Top", nullptr},
        {"value as it stands", "[Main]\nSkin= a b \n", "Main", "Skin", " a b "},
        {"value with =", "[Main]\nUrl=a=b\n", "Main", "Url", "a=b"},
        {"blanks around the key", "[Main]\n \tLeft \t=5\n", "Main", "Left", "5"},
        {"blanks around the section", "  [ Main ]  \nLeft=5\n", "Main", "Left", "5"},
        {"] inside a section name", "[a]b]\nk=1\n", "a]b", "k", "1"},
        {"very long line", "[Main]\nLong=" + longValue + "\nLeft=2\n", "Main", "Left", "2"},
    };
    for (const Row& row : rows) {
        const TIniFile ini = Parsed(row.text);
        const std::optional<std::string> value = ini.Get(row.section, row.key);
        if (row.value == nullptr) {
            EXPECT_FALSE(value) << row.what;
        } else {
            EXPECT_EQ(value.value_or("<absent>"), row.value) << row.what;
        }
    }
    EXPECT_EQ(Parsed("[Main]\nLong=" + longValue + "\n").Get("Main", "Long"), longValue);
}

TEST(IniFileParse, RepeatedSectionsAndKeysCollapseIntoTheFirst) {
    const TIniFile ini = Parsed("[Main]\nLeft=1\n[Keypad]\nInputMode=1\n[MAIN]\nleft=2\nTop=3\n");
    EXPECT_EQ(ini.Serialize(), "[Main]\nLeft=1\nTop=3\n\n[Keypad]\nInputMode=1\n");
}

TEST(IniFile, NamesIgnoreLetterCaseAndKeepTheirFirstSpelling) {
    TIniFile ini;
    ini.WriteString("Keypad", "InputMode", "2");
    ini.WriteString("keypad", "inputmode", "1");
    EXPECT_EQ(ini.ReadString("KEYPAD", "INPUTMODE", ""), "1");
    EXPECT_EQ(ini.Sections(), std::vector<std::string>{"Keypad"});
    EXPECT_EQ(ini.Keys("KeyPad"), std::vector<std::string>{"InputMode"});
    EXPECT_TRUE(ini.HasKey(" keypad ", "InputMode "));
}

TEST(IniFile, KeepsTheOrderOfFirstAppearance) {
    TIniFile ini = Parsed("[B]\nz=1\na=2\n[A]\nk=3\n");
    ini.WriteString("C", "x", "4");
    ini.WriteString("B", "m", "5");
    ini.WriteString("b", "Z", "6");
    EXPECT_EQ(ini.Serialize(), "[B]\nz=6\na=2\nm=5\n\n[A]\nk=3\n\n[C]\nx=4\n");
}

TEST(IniFile, DeletingKeepsTheLookupOfWhatRemains) {
    TIniFile ini = Parsed("[S]\na=1\nb=2\nc=3\n[T]\nx=1\n[U]\ny=2\n");
    ini.DeleteKey("s", "A");
    ini.EraseSection("t");
    EXPECT_EQ(ini.Get("S", "b"), "2");
    EXPECT_EQ(ini.Get("S", "c"), "3");
    EXPECT_FALSE(ini.HasKey("S", "a"));
    EXPECT_EQ(ini.Get("U", "y"), "2");
    ini.WriteString("T", "x", "9");
    ini.WriteString("S", "a", "7");
    EXPECT_EQ(ini.Serialize(), "[S]\nb=2\nc=3\na=7\n\n[U]\ny=2\n\n[T]\nx=9\n");
}

TEST(IniFile, RefusesWhatTheFileCouldNotHoldAndChangesNothing) {
    using namespace std::string_literals;
    struct Row {
        std::string section, key, value;
    };
    const Row rows[] = {
        {"", "k", "v"},     {"  ", "k", "v"},      {"a\nb", "k", "v"}, {"S", "", "v"},
        {"S", "a=b", "v"},  {"S", ";k", "v"},      {"S", "#k", "v"},   {"S", "[k", "v"},
        {"S", "k\r", "v"},  {"S", "k", "line\nx"}, {"S", "k", "a\rb"}, {"S", "k", "a\0b"s},
        {"S\0"s, "k", "v"},
    };
    for (const Row& row : rows) {
        TIniFile ini;
        EXPECT_THROW(ini.WriteString(row.section, row.key, row.value), std::invalid_argument)
            << row.section << "/" << row.key << "=" << row.value;
        EXPECT_TRUE(ini.Sections().empty());
    }
}

TEST(IniFileDisk, MissingFileIsEmptyAndUnreadableFileIsAFailure) {
    TempFolder folder;
    TIniFile missing(folder.File("none.ini"));
    EXPECT_TRUE(missing.Load());
    EXPECT_TRUE(missing.Sections().empty());

    TIniFile directory(folder.Path());
    EXPECT_FALSE(directory.Load());
    EXPECT_TRUE(directory.Sections().empty());
}

TEST(IniFileDisk, SaveAndLoadRoundTrip) {
    TempFolder folder;
    TIniFile ini(folder.File("a.ini"));
    ini.WriteString("Main", "Skin", " spaced value ");
    ini.WriteString("Main", "Left", "10");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadFile(folder.File("a.ini")), "[Main]\nSkin= spaced value \nLeft=10\n");

    TIniFile again(folder.File("a.ini"));
    ASSERT_TRUE(again.Load());
    EXPECT_TRUE(again == ini);
}

TEST(IniFileDisk, SaveFailureKeepsTheOldFileAndSaysWhy) {
    TempFolder folder;
    WriteFile(folder.File("plain"), "not a folder");
    TIniFile ini(folder.File("plain") + "/appmain.ini");
    ini.WriteString("Main", "Left", "1");
    std::string error;
    EXPECT_FALSE(ini.Save(&error));
    EXPECT_NE(error.find("appmain.ini"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(folder.File("plain")), "not a folder");
}

}  // namespace
}  // namespace quillix::test
