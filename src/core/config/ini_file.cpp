// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <utility>

#include "common/atomic_file.h"
#include "config/ini_values.h"

namespace quillix {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Names compare without regard to letter case; only ASCII letters fold, so
// that other UTF-8 text compares byte by byte and never splits a character.
std::string FoldName(std::string_view name) {
    std::string folded(TrimIniBlanks(name));
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

bool HoldsLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string WithoutNuls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != '\0') out.push_back(c);
    }
    return out;
}

void RequireValid(bool valid, const char* what, std::string_view text) {
    if (!valid) {
        throw std::invalid_argument(std::string("Invalid INI ") + what + " \"" + WithoutNuls(text) +
                                    "\"");
    }
}

}  // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {}

bool TIniFile::IsValidSectionName(std::string_view name) {
    return !TrimIniBlanks(name).empty() && !HoldsLineBreakOrNul(name);
}

bool TIniFile::IsValidKeyName(std::string_view name) {
    const std::string_view trimmed = TrimIniBlanks(name);
    if (!IsValidSectionName(trimmed) || trimmed.find('=') != std::string_view::npos) return false;
    const char first = trimmed.front();
    return first != ';' && first != '#' && first != '[';
}

bool TIniFile::IsValidValue(std::string_view value) {
    return !HoldsLineBreakOrNul(value);
}

const TIniFile::Entry* TIniFile::Section::Find(std::string_view key) const {
    const auto found = keyIndex.find(FoldName(key));
    return found == keyIndex.end() ? nullptr : &entries[found->second];
}

TIniFile::Entry* TIniFile::Section::Find(std::string_view key) {
    const auto found = keyIndex.find(FoldName(key));
    return found == keyIndex.end() ? nullptr : &entries[found->second];
}

TIniFile::Entry& TIniFile::Section::Add(std::string_view key, std::string_view value) {
    const auto [slot, added] = keyIndex.emplace(FoldName(key), entries.size());
    if (added) entries.push_back({std::string(TrimIniBlanks(key)), std::string(value), {}});
    return entries[slot->second];
}

TIniFile::Entry* TIniFile::Section::AddNew(std::string_view key, std::string_view value) {
    const std::size_t before = entries.size();
    Entry& entry = Add(key, value);
    return entries.size() > before ? &entry : nullptr;
}

void TIniFile::Section::ReindexKeys() {
    keyIndex.clear();
    for (std::size_t i = 0; i < entries.size(); ++i)
        keyIndex.emplace(FoldName(entries[i].key), i);
}

TIniFile::Section* TIniFile::FindSection(std::string_view name) {
    const auto found = sectionIndex_.find(FoldName(name));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const {
    const auto found = sectionIndex_.find(FoldName(name));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

TIniFile::Section& TIniFile::FindOrAddSection(std::string_view name) {
    const auto [slot, added] = sectionIndex_.emplace(FoldName(name), sections_.size());
    if (added) sections_.push_back(Section{std::string(TrimIniBlanks(name)), {}, {}, {}});
    return sections_[slot->second];
}

void TIniFile::ReindexSections() {
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        sectionIndex_.emplace(FoldName(sections_[i].name), i);
    }
}

bool TIniFile::Load() {
    sections_.clear();
    sectionIndex_.clear();
    trailingComments_.clear();
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR;
    if (!S_ISREG(info.st_mode)) return false;  // a folder would read as empty
    const std::optional<std::string> text = ReadWholeFile(path_);
    if (!text) return false;
    Parse(*text);
    return true;
}

void TIniFile::Parse(std::string_view input) {
    sections_.clear();
    sectionIndex_.clear();
    trailingComments_.clear();
    std::string comments;  // waiting for the key or section header they stand before
    // Copied only when there are NUL bytes to drop: files of 100,000 keys are read.
    std::string text;
    std::string_view rest = input;
    if (input.find('\0') != std::string_view::npos) rest = text = WithoutNuls(input);
    if (rest.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        rest.remove_prefix(kByteOrderMark.size());
    }
    Section* current = nullptr;
    while (!rest.empty()) {
        const auto lineEnd =
            std::find_if(rest.begin(), rest.end(), [](char c) { return c == '\r' || c == '\n'; });
        const std::size_t end =
            lineEnd == rest.end() ? std::string_view::npos : std::size_t(lineEnd - rest.begin());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);

        const std::string_view trimmed = TrimIniBlanks(line);
        if (trimmed.empty()) continue;
        if (trimmed[0] == ';' || trimmed[0] == '#') {
            comments.append(line).push_back('\n');
            continue;
        }
        if (trimmed[0] == '[') {
            // "[name" without "]" is garbage and changes nothing; "[]" opens a
            // section that cannot be named, so its keys are skipped.
            const std::size_t close = trimmed.rfind(']');
            if (close == std::string_view::npos) continue;
            const std::string_view name = trimmed.substr(1, close - 1);
            const bool added = IsValidSectionName(name) && !HasSection(name);
            current = IsValidSectionName(name) ? &FindOrAddSection(name) : nullptr;
            if (added) current->comments = std::exchange(comments, {});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, equals);
        if (!IsValidKeyName(key)) continue;
        if (Entry* added = current->AddNew(key, line.substr(equals + 1)))
            added->comments = std::exchange(comments, {});
    }
    trailingComments_ = std::move(comments);
}

std::string TIniFile::Serialize() const {
    std::string text;
    for (const Section& section : sections_) {
        if (!text.empty()) text += '\n';
        text += section.comments;
        text += '[';
        text += section.name;
        text += "]\n";
        for (const Entry& entry : section.entries) {
            text += entry.comments;
            text += entry.key;
            text += '=';
            text += entry.value;
            text += '\n';
        }
    }
    return text + trailingComments_;
}

bool TIniFile::Save(std::string* error) const {
    if (path_.empty()) {
        if (error) *error = "The settings file has no name";
        return false;
    }
    return WriteFileAtomically(path_, Serialize(), error);
}

std::vector<std::string> TIniFile::Sections() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_)
        names.push_back(section.name);
    return names;
}

std::vector<std::string> TIniFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* found = FindSection(section)) {
        keys.reserve(found->entries.size());
        for (const Entry& entry : found->entries)
            keys.push_back(entry.key);
    }
    return keys;
}

bool TIniFile::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool TIniFile::HasKey(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    return found != nullptr && found->Find(key) != nullptr;
}

std::optional<std::string> TIniFile::Get(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    const Entry* entry = found ? found->Find(key) : nullptr;
    if (entry == nullptr) return std::nullopt;
    return entry->value;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    std::optional<std::string> value = Get(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    RequireValid(IsValidSectionName(section), "section name", section);
    RequireValid(IsValidKeyName(key), "key name", key);
    RequireValid(IsValidValue(value), "value", value);
    FindOrAddSection(section).Add(key, value).value = std::string(value);
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
    Section* found = FindSection(section);
    const Entry* entry = found ? found->Find(key) : nullptr;
    if (entry == nullptr) return;
    found->entries.erase(found->entries.begin() + (entry - found->entries.data()));
    found->ReindexKeys();
}

void TIniFile::EraseSection(std::string_view section) {
    const Section* found = FindSection(section);
    if (found == nullptr) return;
    sections_.erase(sections_.begin() + (found - sections_.data()));
    ReindexSections();
}

bool TIniFile::operator==(const TIniFile& other) const {
    if (sections_.size() != other.sections_.size()) return false;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& mine = sections_[i];
        const Section& theirs = other.sections_[i];
        if (mine.name != theirs.name || mine.comments != theirs.comments ||
            mine.entries.size() != theirs.entries.size()) {
            return false;
        }
        for (std::size_t k = 0; k < mine.entries.size(); ++k) {
            if (mine.entries[k].key != theirs.entries[k].key ||
                mine.entries[k].value != theirs.entries[k].value ||
                mine.entries[k].comments != theirs.entries[k].comments) {
                return false;
            }
        }
    }
    return trailingComments_ == other.trailingComments_;
}

}  // namespace quillix
