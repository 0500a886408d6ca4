// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of a formula text as the reader reads them, for a field that
// completes and describes what is being typed: the name an offset stands in,
// and the catalogue function an offset is at. Names follow the reader's rule
// (formula_tokens.h): they start with a letter, "_" or any non-ASCII
// character and go on with those, digits and ".". Offsets are byte offsets
// of the UTF-8 text, from 0.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillix {

struct TNameSpan {
    std::size_t Start = 0;
    std::size_t End = 0;  // just after the name
    friend bool operator==(const TNameSpan&, const TNameSpan&) = default;
};

// The name the offset stands in or right after (Start <= offset <= End). The
// text is scanned as the reader scans it, so a number ("2e5", "1.5") or a
// quoted list element holds no name.
std::optional<TNameSpan> NameAt(std::string_view text, std::size_t offset);

// The catalogue function the offset is at, by its catalogue name: the name the
// offset stands in or right after, else the call whose parentheses or list
// brackets hold the offset; empty when none.
std::string FunctionAtOffset(std::string_view text, std::size_t offset);

}  // namespace quillix
