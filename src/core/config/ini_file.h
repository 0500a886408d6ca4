#pragma once
// An INI file held in memory: "[Section]" lines followed by "Key=Value" lines.
// Section and key names compare without regard to letter case; sections and keys
// keep the order in which they were first read or created. Values are text.
// Reading never fails on malformed content: lines that are not well formed are
// skipped, and every well-formed key is kept. Saving rewrites the whole file
// atomically.

#include <optional>
#include <string>
#include <string_view>
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
    void Parse(std::string_view text);
    std::string Serialize() const;
    // Writes Serialize() to Path() atomically; false with *error set on failure.
    bool Save(std::string* error = nullptr) const;

    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;
    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;

    std::string path_;
    std::vector<Section> sections_;
};

}  // namespace quillix
