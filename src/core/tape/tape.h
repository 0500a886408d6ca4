// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TTape: the calculation tape, one line per completed calculation, oldest
// first and at most kTapeLimit lines (one more drops the oldest). A line keeps
// its formula and value as they were shown, the time, and, for the lines of
// this run, the value with its tree so that it can be inserted again. The tape
// decides nothing: the tape recorder says what makes a line, the tape file
// keeps it between runs, and a window only shows it.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/calc_value.h"

namespace quillix {

inline constexpr int kTapeLimit = 1000;

struct TTapeEntry {
    std::string Formula;           // the formula text
    std::string Shown;             // the value as the display showed it
    long double Number = 0;        // the value's number and kind, kept for
    std::uint8_t Kind = cvNumber;  // a line read back from the file
    std::int64_t Time = 0;         // milliseconds since 1970-01-01 UTC
    // The value with its tree; none for a line read from the file until it is
    // first inserted (see TapeLineValue).
    ValueRef Value;
};

// A change of the tape, told to its listeners before and after it happens, so
// that a list model can announce it in the order views expect.
struct TTapeChange {
    enum Kind : std::uint8_t {
        Appended,  // one line at First
        Dropped,   // Count lines from First (the oldest) went
        Reset,     // every line went or was replaced (clear, restore)
    };
    Kind What;
    int First;
    int Count;
};

struct TTapeListener {
    std::function<void(const TTapeChange&)> BeforeChange;
    std::function<void(const TTapeChange&)> AfterChange;
};

class TTape {
  public:
    TTape() = default;
    TTape(const TTape&) = delete;
    TTape& operator=(const TTape&) = delete;

    // Appends a line; at the limit the oldest line goes first.
    void Add(TTapeEntry entry);
    // The lines of an earlier run, replacing these; only the newest kTapeLimit stay.
    void Replace(std::vector<TTapeEntry> entries);
    void Clear();

    int Count() const { return static_cast<int>(entries_.size()); }
    const TTapeEntry& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    // Gives a line the value it inserts (a line read from the file, once rebuilt).
    void SetValue(int index, ValueRef value);
    // True when the value is the value of one of the lines.
    bool Holds(const TCalcValue* value) const;
    // Counts every change, so that a keeper can tell whether to write.
    std::uint64_t Revision() const { return revision_; }

    // Listeners are not owned; each removes itself before it goes.
    void AddListener(TTapeListener* listener);
    void RemoveListener(TTapeListener* listener);

  private:
    // Tells the listeners before and after apply() changes the lines.
    template <class Apply>
    void Change(const TTapeChange& change, Apply apply);

    std::deque<TTapeEntry> entries_;
    std::vector<TTapeListener*> listeners_;
    std::uint64_t revision_ = 0;
};

// "formula = value", as the tape shows a line and copies it.
std::string TapeLineText(const TTapeEntry& entry);
// Every line, oldest first, each ended by a line feed.
std::string TapeText(const TTape& tape);

}  // namespace quillix
