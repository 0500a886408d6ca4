// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/exec_set_cache.h"

#include <sys/stat.h>
#include <time.h>

#include <algorithm>

#include "model/calc_operate.h"
#include "vars/user_func_folder.h"

namespace quillix {

TExecSetCache::Lease::~Lease() {
    if (kept_) kept_->inUse = false;
}

bool TExecSetCache::IdentityOf(const std::string& path, Identity& identity) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    identity.device = status.st_dev;
    identity.inode = status.st_ino;
    identity.size = static_cast<std::uint64_t>(status.st_size);
    identity.seconds = status.st_mtim.tv_sec;
    identity.nanoseconds = status.st_mtim.tv_nsec;
    return true;
}

bool TExecSetCache::RecentlyModified(const Identity& identity) {
    constexpr std::int64_t kSettleSeconds = 2;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - identity.seconds < kSettleSeconds;
}

// Notes the inputs' stored numbers; false when an input carries a formula,
// which a run could replace and which is not kept apart.
bool TExecSetCache::StoreInputs(Kept& kept) {
    for (const auto& entry : kept.set->Items()) {
        if (entry->Type != wtInput) continue;
        TCalcValue& value = *entry->Value;
        if (value.Operate() || !value.ErrorText().empty()) return false;
        kept.inputs.push_back({&value, value.Number(), value.CVType()});
    }
    return true;
}

void TExecSetCache::RestoreInputs(Kept& kept) {
    for (const StoredInput& input : kept.inputs) {
        input.value->DetachOperate();
        input.value->SetNumber(input.number);
        input.value->SetCVType(input.kind);
        input.value->SetErrorText("");
    }
}

std::size_t TExecSetCache::Size() const {
    std::size_t sets = 0;
    for (const auto& [path, entry] : entries_)
        sets += entry.sets.size();
    return sets;
}

bool TExecSetCache::Busy(const Entry& entry) {
    return std::any_of(entry.sets.begin(), entry.sets.end(),
                       [](const std::unique_ptr<Kept>& kept) { return kept->inUse; });
}

void TExecSetCache::Clear() {
    std::erase_if(entries_, [](const auto& item) { return !Busy(item.second); });
}

void TExecSetCache::MakeRoom() {
    while (entries_.size() >= capacity_ && !entries_.empty()) {
        auto oldest = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (!Busy(it->second) &&
                (oldest == entries_.end() || it->second.lastUse < oldest->second.lastUse))
                oldest = it;
        }
        if (oldest == entries_.end()) return;  // every file is running
        entries_.erase(oldest);
    }
}

TExecSetCache::Lease TExecSetCache::Acquire(const std::string& path, Loader load) {
    if (LibraryScanCount() != scanCount_) {
        Clear();
        scanCount_ = LibraryScanCount();
    }
    Identity identity;
    const bool exists = IdentityOf(path, identity);
    auto found = entries_.find(path);
    if (found != entries_.end() && (!exists || !(found->second.identity == identity))) {
        // The file changed under a run of its old content: this run gets a set
        // of its own, and the old ones go once they are back.
        if (Busy(found->second)) return Lease(load(path));
        entries_.erase(found);
        found = entries_.end();
    }
    if (found != entries_.end()) {
        Entry& entry = found->second;
        entry.lastUse = ++clock_;
        for (const std::unique_ptr<Kept>& kept : entry.sets) {
            if (kept->inUse) continue;
            if (kept->used) RestoreInputs(*kept);
            kept->inUse = kept->used = true;
            return Lease(kept.get());
        }
    }
    std::unique_ptr<TCalcVarsBase> set = load(path);
    // A file that changed while it was read, or so recently that a change
    // within the resolution of the file times could follow unseen, is not kept.
    Identity after;
    if (capacity_ == 0 || !exists || !IdentityOf(path, after) || !(after == identity) ||
        RecentlyModified(identity)) {
        return Lease(std::move(set));
    }
    auto kept = std::make_unique<Kept>();
    kept->set = std::move(set);
    if (!StoreInputs(*kept)) return Lease(std::move(kept->set));
    if (found == entries_.end()) {
        MakeRoom();
        found = entries_.try_emplace(path).first;
        found->second.identity = identity;
        found->second.lastUse = ++clock_;
    }
    if (found->second.sets.size() >= kMaxSetsPerFile) return Lease(std::move(kept->set));
    kept->inUse = kept->used = true;
    Kept* lent = kept.get();
    found->second.sets.push_back(std::move(kept));
    return Lease(lent);
}

}  // namespace quillix
