// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/instance_key.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace quillix {

namespace {

// FNV-1a: a short, stable key of a path (not a secret: the folders that use it
// keep strangers out).
std::string HexKey(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

std::string NormalisedFolder(const std::string& folder) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    if (error) return folder;
    std::string normal = std::filesystem::weakly_canonical(absolute, error).string();
    if (error) normal = absolute.lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

}  // namespace

std::string HomeFolderKey(const std::string& homeFolder) {
    return HexKey(NormalisedFolder(homeFolder));
}

std::string InstanceKey(const std::string& homeFolder, const std::string& tag) {
    std::string key = HomeFolderKey(homeFolder);
    if (tag.empty()) return key;
    key += "-";
    // The key names files: a tag keeps only what is safe in a file name.
    for (const char c : tag) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        key += plain ? c : '_';
    }
    return key;
}

}  // namespace quillix
