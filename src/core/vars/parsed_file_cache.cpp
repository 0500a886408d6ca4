// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/parsed_file_cache.h"

#include <sys/stat.h>
#include <time.h>

#include <pugixml.hpp>

#include "model/calc_xml.h"
#include "model/vars_document.h"

namespace quillix {

bool TParsedFileCache::IdentityOf(const std::string& path, Identity& identity) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    identity.device = status.st_dev;
    identity.inode = status.st_ino;
    identity.size = static_cast<std::uint64_t>(status.st_size);
    identity.seconds = status.st_mtim.tv_sec;
    identity.nanoseconds = status.st_mtim.tv_nsec;
    return true;
}

bool TParsedFileCache::RecentlyModified(const Identity& identity) {
    constexpr std::int64_t kSettleSeconds = 2;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - identity.seconds < kSettleSeconds;
}

void TParsedFileCache::MakeRoom() {
    while (entries_.size() >= capacity_ && !entries_.empty()) {
        auto oldest = entries_.begin();
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->second.lastUse < oldest->second.lastUse) oldest = it;
        }
        entries_.erase(oldest);
    }
}

std::shared_ptr<const pugi::xml_document> TParsedFileCache::Parsed(const std::string& path) {
    Identity identity;
    const bool exists = IdentityOf(path, identity);
    auto found = entries_.find(path);
    if (found != entries_.end()) {
        if (exists && found->second.identity == identity) {
            found->second.lastUse = ++clock_;
            return found->second.document;
        }
        entries_.erase(found);
    }
    if (!exists) throw EXmlLoadError("Cannot read \"" + path + "\"");
    std::shared_ptr<const pugi::xml_document> document = ParseVarsDocumentFile(path);
    // A file that changed while it was read, or so recently that a change within
    // the resolution of the file times could follow unseen, is parsed, not kept.
    Identity after;
    if (capacity_ > 0 && IdentityOf(path, after) && after == identity &&
        !RecentlyModified(identity)) {
        MakeRoom();
        entries_[path] = Entry{identity, document, ++clock_};
    }
    return document;
}

}  // namespace quillix
