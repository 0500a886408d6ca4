// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Execution sets of library files, built once and kept while a file stays the
// same. A formula that calls a user function or a program runs its file at
// every evaluation; the cache keeps the set the file was loaded into, never a
// result. Each use checks the file's identity (device, inode, size,
// modification time) and loads it again when it changed, a rescan of the
// libraries drops every kept set, and before each use the inputs take back the
// numbers the file stores, so a kept set runs exactly as a fresh one would.
// A file changed in the last two seconds is not kept, as file times are only a
// few milliseconds fine; a set whose inputs carry formulas is never kept. A
// set in use (a function that calls itself) is not handed out twice: the
// inner call gets one of its own.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "vars/calc_vars_base.h"

namespace quillix {

class TExecSetCache {
  public:
    // Builds a new set of the right class, loaded from the file at path; raises
    // (ECalcError) when the file cannot be loaded.
    using Loader = std::unique_ptr<TCalcVarsBase> (*)(const std::string& path);

    class Lease;

    explicit TExecSetCache(std::size_t capacity = 64) : capacity_(capacity) {}
    TExecSetCache(const TExecSetCache&) = delete;
    TExecSetCache& operator=(const TExecSetCache&) = delete;

    // A set of the file, ready to take arguments: a kept one (its inputs as the
    // file stores them) or one just loaded.
    Lease Acquire(const std::string& path, Loader load);
    // Drops every kept set that is not lent out.
    void Clear();
    std::size_t Size() const;

  private:
    struct Identity {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };
    // A plain input as the file stores it.
    struct StoredInput {
        TCalcValue* value;
        long double number;
        std::uint8_t kind;
    };
    struct Kept {
        std::unique_ptr<TCalcVarsBase> set;
        std::vector<StoredInput> inputs;
        bool inUse = false;
        bool used = false;  // run since it was built: its inputs need restoring
    };
    struct Entry {
        Identity identity;
        std::vector<std::unique_ptr<Kept>> sets;  // one per nested use of the file
        std::uint64_t lastUse = 0;
    };
    static constexpr std::size_t kMaxSetsPerFile = 4;

    static bool Busy(const Entry& entry);
    static bool IdentityOf(const std::string& path, Identity& identity);
    static bool RecentlyModified(const Identity& identity);
    static bool StoreInputs(Kept& kept);
    static void RestoreInputs(Kept& kept);
    void MakeRoom();

    std::size_t capacity_;
    std::unordered_map<std::string, Entry> entries_;
    std::uint64_t clock_ = 0;
    std::uint64_t scanCount_ = 0;  // of the libraries, when the kept sets were built
};

// A set lent out for one run; a kept set goes back to the cache when the lease
// ends, one that is not kept goes away with it.
class TExecSetCache::Lease {
  public:
    Lease(Lease&& other) noexcept = default;
    Lease& operator=(Lease&&) = delete;
    ~Lease();

    TCalcVarsBase& Set() const { return kept_ ? *kept_->set : *own_; }
    // A lease of a set that is not kept.
    static Lease Own(std::unique_ptr<TCalcVarsBase> set) { return Lease(std::move(set)); }

  private:
    friend class TExecSetCache;
    explicit Lease(Kept* kept) : kept_(kept) {}
    explicit Lease(std::unique_ptr<TCalcVarsBase> own) : own_(std::move(own)) {}

    Kept* kept_ = nullptr;
    std::unique_ptr<TCalcVarsBase> own_;
};

}  // namespace quillix
