// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An INI file held in memory: "[Section]" lines followed by "Key=Value" lines.
// Section and key names compare without regard to letter case; sections and keys
// keep the order in which they were first read or created. Values are text.
// Reading never fails on malformed content: lines that are not well formed are
// skipped, and every well-formed key is kept. Comment lines (";" or "#") are
// kept with the key or section header that follows them (or at the end of the
// file), so that a hand-written note survives a save. Saving rewrites the
// whole file atomically.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillix {

class TIniFile {
  public:
    TIniFile() = default;
    explicit TIniFile(std::string path);

    const std::string& Path() const { return path_; }

    // Reads the file at Path(). A missing file gives an empty INI and true; a file
    // that exists but cannot be read gives false and leaves the content empty.
    bool Load();
    // Replaces the content by the parse of text (a UTF-8 byte-order mark, CR LF
    // line ends and a missing final line end are accepted).
    //
    // The reading rules: NUL bytes are ignored; CR, LF and CR LF all end a line;
    // blanks (space, tab) around names are dropped, a value is everything after
    // the first "=" as it stands; lines starting with ";" or "#" are comments;
    // keys before the first section, lines that are neither a section nor a key
    // (a "[" without "]" among them) and "[]" with the keys under it are skipped. When a key
    // appears twice in a section, the first one wins; a repeated section continues the first one.
    // Comment lines are kept as written; a key or section that goes takes its comments along.
    void Parse(std::string_view text);
    std::string Serialize() const;
    // Writes Serialize() to Path() atomically; false with *error set on failure.
    bool Save(std::string* error = nullptr) const;

    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;
    // Calls visit(key, value) for each key of the section in order, without copies.
    template <class Visit>
    void ForEachKey(std::string_view section, Visit visit) const {
        if (const Section* found = FindSection(section)) {
            for (const Entry& entry : found->entries)
                visit(entry.key, entry.value);
        }
    }
    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Names are taken without their outer blanks. A name or value that the file
    // could not hold (see the IsValid... checks) throws std::invalid_argument and
    // changes nothing. A key keeps the spelling of its first appearance.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

    // What the file format can hold. A section name: not empty, no CR, LF or NUL.
    // A key name: the same, and no "=" and no leading ";", "#" or "[". A value:
    // no CR, LF or NUL. Outer blanks of names do not count (they are dropped).
    static bool IsValidSectionName(std::string_view name);
    static bool IsValidKeyName(std::string_view name);
    static bool IsValidValue(std::string_view value);

    bool operator==(const TIniFile& other) const;

  private:
    struct Entry {
        std::string key;
        std::string value;
        std::string comments;  // the comment lines before it, each with its line end
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::string comments;  // the comment lines before its header
        std::unordered_map<std::string, std::size_t> keyIndex;  // folded key -> entry

        const Entry* Find(std::string_view key) const;
        Entry* Find(std::string_view key);
        // Adds a new key or, when it exists, leaves it alone (the first one wins).
        Entry& Add(std::string_view key, std::string_view value);
        // Adds a new key; none when the key exists.
        Entry* AddNew(std::string_view key, std::string_view value);
        void ReindexKeys();
    };
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    Section& FindOrAddSection(std::string_view name);
    void ReindexSections();

    std::string path_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> section
    std::string trailingComments_;                               // after the last key
};

}  // namespace quillix
