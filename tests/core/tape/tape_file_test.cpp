// SPDX-License-Identifier: GPL-3.0-or-later
// The tape's file: lines come back exactly as written; a file that is no tape
// is set aside under a new name with a line in the diagnostic log, and what
// could be read of it is kept.

#include "tape/tape_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/diag_note.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

class TapeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDiagNoteReceiver([this](std::string_view line) { notes.emplace_back(line); });
    }
    void TearDown() override { SetDiagNoteReceiver({}); }

    std::string Path() const { return TapeFilePath(home.Path()); }

    TempFolder home;
    std::vector<std::string> notes;
};

TTapeEntry Entry(const char* formula, const char* shown, long double number,
                 std::uint8_t kind = cvNumber) {
    TTapeEntry entry;
    entry.Formula = formula;
    entry.Shown = shown;
    entry.Number = number;
    entry.Kind = kind;
    entry.Time = 1700000000123;
    return entry;
}

TEST_F(TapeFile, LinesComeBackAsTheyWereWritten) {
    TTape tape;
    tape.Add(Entry("1/3", "0.333333333333333333", 1.0L / 3));
    tape.Add(Entry("2^20000", "Floating point overflow", 7, cvError));
    tape.Add(Entry("Today()+1", "[2024-03-01]", 45352, cvDate));
    tape.Add(Entry("a<\"b\">&c \u00e9", "1E+4000", 1e4000L));
    tape.Add(Entry("-1/0", "-INF", -HUGE_VALL));
    ASSERT_TRUE(WriteTapeFile(Path(), tape));
    const TTapeFileRead read = ReadTapeFile(Path());
    EXPECT_TRUE(read.MayWrite);
    EXPECT_FALSE(read.SetAside);
    ASSERT_EQ(read.Entries.size(), 5u);
    for (std::size_t i = 0; i < read.Entries.size(); ++i) {
        const TTapeEntry& back = read.Entries[i];
        const TTapeEntry& written = tape.At(static_cast<int>(i));
        SCOPED_TRACE(written.Formula);
        EXPECT_EQ(back.Formula, written.Formula);
        EXPECT_EQ(back.Shown, written.Shown);
        EXPECT_EQ(back.Number, written.Number);  // every bit of the extended number
        EXPECT_EQ(back.Kind, written.Kind);
        EXPECT_EQ(back.Time, written.Time);
        EXPECT_FALSE(back.Value);
    }
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(home.Listing(), (std::vector<std::string>{"tape.xml"}));
}

TEST_F(TapeFile, ADamagedFileIsSetAsideAndItsGoodLinesKept) {
    const std::string good = R"(<Line Time="5" Kind="0" Number="5" Shown="5" Formula="2+3"/>)";
    struct Row {
        const char* what;
        std::string text;
        std::size_t kept;
        const char* why;
    };
    const Row rows[] = {
        {"cut short", "<?xml version=\"1.0\"?><Tape Version=\"1\">" + good + "<Line Ti", 0,
         "broken XML"},
        {"binary", std::string("\x00\x01\x02\xff", 4), 0, "broken XML"},
        {"another document", "<Vars Version=\"1.0\"/>", 0, "no tape of this version"},
        {"a later version", "<Tape Version=\"2\">" + good + "</Tape>", 0,
         "no tape of this version"},
        {"a line without its number",
         "<Tape Version=\"1\">" + good + R"(<Line Time="1" Kind="0" Shown="1" Formula="1"/>)" +
             good + "</Tape>",
         2, "1 line(s) that could not be read"},
        {"a bad kind, time and number",
         "<Tape Version=\"1\">" + good +
             R"(<Line Time="1" Kind="3" Number="1" Shown="" Formula=""/>)" +
             R"(<Line Time="x" Kind="0" Number="1" Shown="" Formula=""/>)" +
             R"(<Line Time="1" Kind="0" Number="1,5" Shown="" Formula=""/>)" + "<Other/></Tape>",
         1, "4 line(s) that could not be read"},
        {"a NUL reference",
         "<Tape Version=\"1\"><Line Time=\"1\" Kind=\"0\" Number=\"1\" "
         "Shown=\"&#0;\" Formula=\"1\"/></Tape>",
         0, "a character reference to NUL"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        notes.clear();
        std::filesystem::remove_all(home.Path() + "/tape.xml.bad");
        WriteFile(Path(), row.text);
        const TTapeFileRead read = ReadTapeFile(Path());
        EXPECT_EQ(read.Entries.size(), row.kept);
        EXPECT_TRUE(read.SetAside);
        EXPECT_TRUE(read.MayWrite);
        EXPECT_FALSE(home.Exists("tape.xml"));
        EXPECT_EQ(home.Read("tape.xml.bad"), row.text);  // nothing of it is lost
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_NE(notes[0].find("was damaged (" + std::string(row.why)), std::string::npos)
            << notes[0];
        EXPECT_NE(notes[0].find("set aside as \"" + home.Path() + "/tape.xml.bad\""),
                  std::string::npos)
            << notes[0];
    }
}

TEST_F(TapeFile, NoRegularFileUnderTheNameIsSetAsideWithoutWaiting) {
    home.MakeDir("tape.xml");
    TTapeFileRead read = ReadTapeFile(Path());
    EXPECT_TRUE(read.SetAside);
    EXPECT_TRUE(home.Exists("tape.xml.bad"));

    ASSERT_EQ(::mkfifo(Path().c_str(), 0600), 0);  // a read would wait for a writer
    read = ReadTapeFile(Path());
    EXPECT_TRUE(read.SetAside);
    EXPECT_TRUE(home.Exists("tape.xml.bad2"));
    EXPECT_NE(notes.back().find("Not a regular file"), std::string::npos) << notes.back();

    // A file larger than any tape is no tape either.
    WriteFile(Path(), std::string(kTapeFileSizeLimit + 1, ' '));
    EXPECT_TRUE(ReadTapeFile(Path()).SetAside);
    EXPECT_TRUE(home.Exists("tape.xml.bad3"));
}

// An earlier damaged file is never replaced; with every name taken, the file
// stays and the tape is not written over it.
TEST_F(TapeFile, ADamagedFileThatCannotBeSetAsideStopsTheWrites) {
    for (const char* taken :
         {".bad", ".bad2", ".bad4", ".bad5", ".bad6", ".bad7", ".bad8", ".bad9"})
        home.Write(std::string("tape.xml") + taken, taken);
    WriteFile(Path(), "third");
    EXPECT_TRUE(ReadTapeFile(Path()).SetAside);
    EXPECT_EQ(home.Read("tape.xml.bad3"), "third");
    EXPECT_EQ(home.Read("tape.xml.bad2"), ".bad2");
    WriteFile(Path(), "damaged");
    notes.clear();
    const TTapeFileRead read = ReadTapeFile(Path());
    EXPECT_FALSE(read.MayWrite);
    EXPECT_FALSE(read.SetAside);
    EXPECT_EQ(home.Read("tape.xml"), "damaged");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("could not be set aside: every name for it is taken"),
              std::string::npos)
        << notes[0];
}

}  // namespace
}  // namespace quillix::test
