// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tape_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <pugixml.hpp>
#include <sstream>

#include "common/atomic_file.h"
#include "common/diag_note.h"
#include "common/home_folder.h"
#include "common/number_text.h"
#include "common/regular_file.h"
#include "common/untrusted_text.h"
#include "tape/tape_recorder.h"

namespace quillix {

namespace {

constexpr const char* kVersion = "1";

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// "tape.xml.bad", or the first of "tape.xml.bad2" to "tape.xml.bad9" that is
// free, so that an earlier damaged file is never replaced; none when all are
// taken.
std::optional<std::string> AsideName(const std::string& path) {
    for (int n = 1; n <= 9; ++n) {
        const std::string aside = path + ".bad" + (n == 1 ? std::string() : std::to_string(n));
        if (!Exists(aside)) return aside;
    }
    return std::nullopt;
}

std::optional<std::int64_t> ParseTime(std::string_view text) {
    std::int64_t time = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), time);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return time;
}

// A line of the file, or nothing when it is not one as written here.
std::optional<TTapeEntry> ReadLine(const pugi::xml_node& line) {
    if (std::strcmp(line.name(), "Line") != 0) return std::nullopt;
    const pugi::xml_attribute time = line.attribute("Time"), kind = line.attribute("Kind"),
                              number = line.attribute("Number"), shown = line.attribute("Shown"),
                              formula = line.attribute("Formula");
    if (!time || !kind || !number || !shown || !formula) return std::nullopt;
    TTapeEntry entry;
    const std::optional<std::int64_t> at = ParseTime(time.value());
    const std::optional<long double> value = ParseDecimal(number.value(), true);
    const std::string_view kindText = kind.value();
    if (!at || !value || kindText.size() != 1 || kindText[0] < '0' || kindText[0] > '2')
        return std::nullopt;
    entry.Time = *at;
    entry.Number = *value;
    entry.Kind = static_cast<std::uint8_t>(kindText[0] - '0');
    entry.Shown = ValidUtf8(shown.value());
    entry.Formula = CappedTapeFormula(ValidUtf8(formula.value()));
    return entry;
}

// The lines of a text, or nothing when the text is no tape at all; why says
// what was wrong, also when only some lines had to be left out.
std::optional<std::vector<TTapeEntry>> ParseTapeText(const std::string& text, std::string& why) {
    if (FindNulCharacterReference(text)) {
        why = "a character reference to NUL";
        return std::nullopt;
    }
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
    if (!parsed) {
        why = std::string("broken XML: ") + parsed.description();
        return std::nullopt;
    }
    const pugi::xml_node root = document.document_element();
    if (std::strcmp(root.name(), "Tape") != 0 ||
        std::strcmp(root.attribute("Version").value(), kVersion) != 0) {
        why = "no tape of this version";
        return std::nullopt;
    }
    std::vector<TTapeEntry> entries;
    int skipped = 0;
    for (const pugi::xml_node& line : root.children()) {
        if (line.type() != pugi::node_element) continue;
        if (std::optional<TTapeEntry> entry = ReadLine(line))
            entries.push_back(std::move(*entry));
        else
            ++skipped;
    }
    if (skipped > 0) why = std::to_string(skipped) + " line(s) that could not be read";
    return entries;
}

// The damaged file goes out of the way under a new name, so that nothing of
// it is lost and the tape can be written again.
bool SetAside(const std::string& path, const std::string& why) {
    const std::optional<std::string> aside = AsideName(path);
    const char* problem = !aside ? "every name for it is taken"
                          : ::rename(path.c_str(), aside->c_str()) != 0 ? std::strerror(errno)
                                                                        : nullptr;
    if (problem) {
        DiagNote("The tape file \"" + path + "\" is damaged (" + why +
                 ") and could not be set aside: " + problem +
                 "; the tape is not written in this run");
        return false;
    }
    DiagNote("The tape file \"" + path + "\" was damaged (" + why + "); set aside as \"" + *aside +
             "\"");
    return true;
}

}  // namespace

std::string TapeFilePath(const std::string& home) {
    return JoinPath(home, kTapeFileName);
}

TTapeFileRead ReadTapeFile(const std::string& path) {
    TTapeFileRead read;
    if (!Exists(path)) return read;
    std::string why;
    const std::optional<std::string> text = ReadRegularFile(path, &why, kTapeFileSizeLimit);
    std::optional<std::vector<TTapeEntry>> entries;
    if (text) entries = ParseTapeText(*text, why);
    if (entries) read.Entries = std::move(*entries);
    if (!why.empty()) {
        read.SetAside = SetAside(path, why);
        read.MayWrite = read.SetAside;
    }
    return read;
}

std::string TapeFileText(const TTape& tape) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    pugi::xml_node root = document.append_child("Tape");
    root.append_attribute("Version").set_value(kVersion);
    for (int i = 0; i < tape.Count(); ++i) {
        const TTapeEntry& entry = tape.At(i);
        pugi::xml_node line = root.append_child("Line");
        line.append_attribute("Time").set_value(std::to_string(entry.Time).c_str());
        line.append_attribute("Kind").set_value(std::to_string(entry.Kind).c_str());
        // 21 digits bring the extended number back exactly.
        line.append_attribute("Number").set_value(FormatFloatGeneral(entry.Number, 21, 1).c_str());
        line.append_attribute("Shown").set_value(entry.Shown.c_str());
        line.append_attribute("Formula").set_value(entry.Formula.c_str());
    }
    std::ostringstream out;
    document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    return std::move(out).str();
}

bool WriteTapeFile(const std::string& path, const TTape& tape, std::string* error) {
    return WriteFileAtomically(path, TapeFileText(tape), error);
}

bool RemoveTapeFile(const std::string& path, std::string* error) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    if (error) *error = "Cannot remove \"" + path + "\": " + std::strerror(errno);
    return false;
}

}  // namespace quillix
