// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parsed library files, kept while a file stays the same. A formula that calls
// a user function or a program reads its file at every evaluation; the cache
// saves the parse, never the result: every use checks the file's identity
// (device, inode, size, modification time) and parses it again when it changed,
// so a changed file takes effect at the next evaluation. A file changed in the
// last two seconds is not kept, as file times are only a few milliseconds fine.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

namespace pugi {
class xml_document;
}

namespace quillix {

class TParsedFileCache {
  public:
    explicit TParsedFileCache(std::size_t capacity = 64) : capacity_(capacity) {}

    // The parsed document of the file; EXmlLoadError when it cannot be read or
    // is not XML (nothing is kept then).
    std::shared_ptr<const pugi::xml_document> Parsed(const std::string& path);
    void Clear() { entries_.clear(); }
    std::size_t Size() const { return entries_.size(); }

  private:
    struct Identity {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };
    struct Entry {
        Identity identity;
        std::shared_ptr<const pugi::xml_document> document;
        std::uint64_t lastUse = 0;
    };
    static bool IdentityOf(const std::string& path, Identity& identity);
    static bool RecentlyModified(const Identity& identity);
    void MakeRoom();

    std::size_t capacity_;
    std::unordered_map<std::string, Entry> entries_;
    std::uint64_t clock_ = 0;
};

}  // namespace quillix
