// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files a skin (a Qt style sheet) makes the program read: its url(...)
// references. Before a skin is applied each one is resolved (against the
// skin's own folder when relative) and must be a regular file under the skin's
// folder or an installed skins folder; the sheet then names the resolved files
// by their full paths, so that what was checked is what is read. Qt-free rules,
// tested without a display.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

// Skin files larger than this are refused (a style sheet is a few kilobytes).
inline constexpr std::size_t kSkinFileLimit = 1024 * 1024;

// One url(...) of a sheet: where it stands (the whole "url(...)") and what it names.
struct TSkinReference {
    std::size_t Start = 0;
    std::size_t Length = 0;
    std::string Target;
};

// The references in order, comments skipped ("url" in any letter case, the
// target bare or in single or double quotes). None with *why set when the
// sheet cannot be read safely: a CSS escape ("\"), which could spell a url the
// check would not see, or an unclosed url( or comment.
std::optional<std::vector<TSkinReference>> FindSkinReferences(std::string_view sheet,
                                                              std::string* why);

// The regular file a reference names, by its full path with links resolved;
// none with *why set when it is missing, no regular file, or outside every
// allowed folder. References to the program's own resources (":/...") stay
// as they are.
std::optional<std::string> ResolveSkinReference(const std::string& target,
                                                const std::string& skinFolder,
                                                const std::vector<std::string>& allowedFolders,
                                                std::string* why);

// The sheet with every reference resolved, or none with *why set.
std::optional<std::string> ResolvedSkinSheet(std::string_view sheet, const std::string& skinFolder,
                                             const std::vector<std::string>& allowedFolders,
                                             std::string* why);

}  // namespace quillix
