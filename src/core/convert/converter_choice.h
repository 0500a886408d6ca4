// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unit converter's remembered choice: the family and the two units last
// selected, kept as texts under "Category", "From" and "To" of section "Main" of
// "unitconv.ini" (beside the custom units), and how the converter selects them
// again when it opens.

#include <optional>
#include <string>

#include "convert/conv_registry.h"

namespace quillix {

struct TConverterChoice {
    std::string category;
    std::string from;
    std::string to;
};

// The three texts as stored; "" for a key that is missing, and all three "" when
// the file is missing or cannot be read.
TConverterChoice ReadConverterChoice(const std::string& iniPath);

// Stores the three texts, keeping every other section and key of the file, and
// saves it atomically (only when something changed). False, with *error set,
// when the file exists but cannot be read (it is then left alone rather than
// replaced), when a text cannot be held by the file, or when saving fails.
bool WriteConverterChoice(const std::string& iniPath, const TConverterChoice& choice,
                          std::string* error = nullptr);

// What the converter shows selected.
struct TConverterSelection {
    TConvFamily family = 0;
    std::optional<TConvType> from;  // nothing only for a family without units
    std::optional<TConvType> to;
};

// Opening the converter: the first family and its first unit in both lists;
// then the remembered family (its name, blanks around it ignored, compared
// ignoring case) with its first units, and within it the remembered "From" and
// "To" units, each when its text is not blank. A remembered name that is no
// longer registered (a removed custom family or unit) keeps the default instead
// of leaving the list without a selection. Nothing when no family is registered.
std::optional<TConverterSelection> ResolveConverterChoice(const TConvRegistry& registry,
                                                          const TConverterChoice& choice);

}  // namespace quillix
