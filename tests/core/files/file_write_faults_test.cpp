// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program writes, tried with a failing write: each step of the
// write failing in turn (creating the temporary file, writing, syncing,
// renaming; a full disk or a read-only file system), and a read-only folder.
// Each time the old file stays as it was, no temporary file is left, and the
// failure reaches the caller with a message naming the file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "config/autostart_entry.h"
#include "config/calc_config.h"
#include "config/config_errors.h"
#include "config/last_data.h"
#include "convert/converter_choice.h"
#include "convert/custom_units.h"
#include "diag/dlog_file.h"
#include "model/calc_value.h"
#include "support/temp_folder.h"
#include "vars/calc_vars.h"
#include "vars/user_libraries.h"

namespace quillix::test {
namespace {

// Makes the next write fail: called by each writer right before the write.
using Arm = std::function<void()>;

// One file the program writes: where it lies below the home, its text before
// the write, and the write itself, which gives the failure's message ("" for
// a write that was taken).
struct Writer {
    const char* what;
    const char* file;
    const char* oldText;
    std::function<std::string(const TempFolder& home, const Arm& arm)> write;
    const char* needs = nullptr;  // a file the writer reads first
    bool atomic = true;           // replaced whole; the log is appended to instead
};

std::string SaveProgram(const TempFolder& home, const Arm& arm) {
    TCalcVars program;
    program.Add("x", TCalcValue::New(2));
    std::string error;
    arm();
    return program.SaveToFile(home.File("UserPrograms/loan.prg"), &error) ? "" : error;
}

std::string SaveFunction(const TempFolder& home, const Arm& arm) {
    TUserLibraries libraries(home.Path());
    TCalcVarsBase function;
    function.Add("x", TCalcValue::New(2));
    function.SetValueType("x", wtOutput);
    std::string error;
    arm();
    return function.SaveAsFunction("twice", libraries.Functions(), &error) ? "" : error;
}

std::string SaveSettings(const TempFolder& home, const Arm& arm) {
    TCalcConfig settings(SettingsFilePath(home.Path()));
    settings.WriteString("Main", "Skin", "new.skn");
    std::string error;
    arm();
    return settings.Flush(&error) ? "" : error;
}

std::string SaveLastData(const TempFolder& home, const Arm& arm) {
    arm();
    try {
        WriteLastNumber(home.Path(), "PMT", "Rate", 0.05L);
        return "";
    } catch (const EConfigFileError& failure) {
        return failure.what();
    }
}

std::string SaveCustomUnit(const TempFolder& home, const Arm& arm) {
    TConvRegistry registry;
    TCustomUnits units(registry, CustomUnitsPath(home.Path()));
    arm();
    units.AddCustomUnit("Distance", "Leagues", true, 4828.032);
    return units.FileError();
}

std::string SaveConverterChoice(const TempFolder& home, const Arm& arm) {
    std::string error;
    arm();
    return WriteConverterChoice(CustomUnitsPath(home.Path()), {"Speed", "Knots", "Mach"}, &error)
               ? ""
               : error;
}

std::string SaveAutostartEntry(const TempFolder& home, const Arm& arm) {
    std::string error;
    arm();
    return WriteFileAtomically(home.File("autostart/quillix.desktop"),
                               *AutostartEntryText("/usr/bin/quillix"), &error)
               ? ""
               : error;
}

std::string ExportFunction(const TempFolder& home, const Arm& arm) {
    TUserLibraries libraries(home.Path());
    std::string error;
    arm();
    return libraries.Functions().ExportFile(*libraries.Functions().FindByName("twice"),
                                            home.File("export/twice.fn"), &error)
               ? ""
               : error;
}

// The log has written its header; a later line fails.
std::string WriteLogLine(const TempFolder& home, const Arm& arm) {
    TDLogStartup startup;
    startup.ModuleFolder = home.Path();
    startup.CommandLine = {"quillix"};
    startup.System = TSystemFacts{};
    std::string shown;
    TDLogFile log(startup);
    log.SetShowErrorMessage([&](const std::string& message) { shown = message; });
    home.Write("HHDebug.txt", "header line\r\n");
    shown.clear();
    arm();
    log.LogLine("a line");
    return shown;
}

const Writer kWriters[] = {
    {"program file", "UserPrograms/loan.prg", "old program", SaveProgram},
    {"function file", "UserFunctions/twice.fn", "old function", SaveFunction},
    {"settings", "appmain.ini", "[Main]\nSkin=old.skn\n", SaveSettings},
    {"last data", "lastdata.ini", "[PMT]\nRate=0.1\n", SaveLastData},
    {"custom units", "unitconv.ini", "[CustomTypes]\n", SaveCustomUnit},
    {"converter choice", "unitconv.ini", "[Main]\nCategory=Area\n", SaveConverterChoice},
    {"autostart entry", "autostart/quillix.desktop", "[Desktop Entry]\n", SaveAutostartEntry},
    {"exported file", "export/twice.fn", "old export", ExportFunction, "UserFunctions/twice.fn"},
    {"diagnostic log", "HHDebug.txt", "header line\r\n", WriteLogLine, "debug.debug", false},
};

struct Fault {
    const char* what;
    TWriteStep step;
    int error;
};

const Fault kFaults[] = {
    {"no room for the temporary file", TWriteStep::Create, ENOSPC},
    {"a full disk while writing", TWriteStep::Write, ENOSPC},
    {"a failing sync", TWriteStep::Sync, EIO},
    {"a read-only file system at the rename", TWriteStep::Rename, EROFS},
};

// The home with the writer's file holding its old text (folders included).
void Prepare(const TempFolder& home, const Writer& writer) {
    home.MakeDir("UserFunctions");
    home.MakeDir("UserPrograms");
    home.Write(writer.file, writer.oldText);
    if (writer.needs) home.Write(writer.needs, "<Vars Description=\"\"/>");
}

void ExpectNothingLost(const TempFolder& home, const Writer& writer,
                       const std::vector<std::string>& listingBefore, const std::string& error) {
    EXPECT_NE(error.find(home.File(writer.file)), std::string::npos) << error;
    EXPECT_EQ(home.Read(writer.file), writer.oldText);
    EXPECT_EQ(home.Listing(), listingBefore);  // no temporary file left behind
}

TEST(FileWriteFaults, EveryWriteThatFailsIsReportedAndLosesNothing) {
    for (const Writer& writer : kWriters) {
        for (const Fault& fault : kFaults) {
            if (!writer.atomic &&
                (fault.step == TWriteStep::Sync || fault.step == TWriteStep::Rename))
                continue;  // an append neither syncs nor renames
            SCOPED_TRACE(std::string(writer.what) + ": " + fault.what);
            TempFolder home;
            Prepare(home, writer);
            const std::vector<std::string> before = home.Listing();
            const std::string error =
                writer.write(home, [&] { InjectWriteFault(fault.step, 1, fault.error); });
            InjectWriteFault(fault.step, 0, 0);
            ExpectNothingLost(home, writer, before, error);
            EXPECT_NE(error.find(std::strerror(fault.error)), std::string::npos) << error;
        }
    }
}

// A log is appended to, which a read-only folder allows: a read-only log file
// stands in for it.
TEST(FileWriteFaults, AReadOnlyFolderIsReportedAndLosesNothing) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.what);
        TempFolder home;
        Prepare(home, writer);
        const std::string file = home.File(writer.file);
        const std::string readOnly = writer.atomic ? file.substr(0, file.find_last_of('/')) : file;
        const std::vector<std::string> before = home.Listing();
        const std::string error = writer.write(
            home, [&] { ASSERT_EQ(::chmod(readOnly.c_str(), writer.atomic ? 0555 : 0444), 0); });
        ASSERT_EQ(::chmod(readOnly.c_str(), writer.atomic ? 0755 : 0644), 0);
        ExpectNothingLost(home, writer, before, error);
    }
}

// Without a fault each write is taken, so that the rows above test the faults
// and not a writer that never writes.
TEST(FileWriteFaults, EachWriterWritesWithoutAFault) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.what);
        TempFolder home;
        Prepare(home, writer);
        EXPECT_EQ(writer.write(home, [] {}), "");
        EXPECT_NE(home.Read(writer.file), writer.oldText);
    }
}

}  // namespace
}  // namespace quillix::test
