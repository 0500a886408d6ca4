// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/skin_references.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <memory>

namespace quillix {

namespace {

std::nullopt_t Refuse(std::string* why, const std::string& text) {
    if (why) *why = text;
    return std::nullopt;
}

bool IsCssBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool StartsUrl(std::string_view sheet, std::size_t at) {
    if (at + 4 > sheet.size() || sheet[at + 3] != '(') return false;
    const auto lower = [&](std::size_t i) { return static_cast<char>(sheet[i] | 0x20); };
    return lower(at) == 'u' && lower(at + 1) == 'r' && lower(at + 2) == 'l';
}

// Reads the url( at sheet[at] into reference; false when it is not closed.
bool ReadUrl(std::string_view sheet, std::size_t at, TSkinReference& reference) {
    std::size_t i = at + 4;
    while (i < sheet.size() && IsCssBlank(sheet[i]))
        ++i;
    if (i < sheet.size() && (sheet[i] == '"' || sheet[i] == '\'')) {
        const std::size_t close = sheet.find(sheet[i], i + 1);
        if (close == std::string_view::npos) return false;
        reference.Target = std::string(sheet.substr(i + 1, close - i - 1));
        i = close + 1;
        while (i < sheet.size() && IsCssBlank(sheet[i]))
            ++i;
        if (i >= sheet.size() || sheet[i] != ')') return false;
    } else {
        const std::size_t close = sheet.find(')', i);
        if (close == std::string_view::npos) return false;
        std::string_view bare = sheet.substr(i, close - i);
        while (!bare.empty() && IsCssBlank(bare.back()))
            bare.remove_suffix(1);
        reference.Target = std::string(bare);
        i = close;
    }
    reference.Start = at;
    reference.Length = i + 1 - at;
    return true;
}

std::optional<std::string> RealPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    if (!resolved) return std::nullopt;
    return std::string(resolved.get());
}

bool IsBelow(const std::string& path, const std::string& folder) {
    const std::optional<std::string> real = RealPath(folder);
    if (!real) return false;
    const std::string prefix = *real == "/" ? "/" : *real + "/";
    return path.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::optional<std::vector<TSkinReference>> FindSkinReferences(std::string_view sheet,
                                                              std::string* why) {
    std::vector<TSkinReference> references;
    for (std::size_t at = 0; at < sheet.size();) {
        if (sheet.compare(at, 2, "/*") == 0) {
            const std::size_t end = sheet.find("*/", at + 2);
            if (end == std::string_view::npos) return Refuse(why, "a comment is not closed");
            at = end + 2;
        } else if (sheet[at] == '\\') {
            return Refuse(why, "it uses a CSS escape (\\)");
        } else if (StartsUrl(sheet, at)) {
            TSkinReference reference;
            if (!ReadUrl(sheet, at, reference)) return Refuse(why, "a url( is not closed");
            at += reference.Length;
            references.push_back(std::move(reference));
        } else {
            ++at;
        }
    }
    return references;
}

std::optional<std::string> ResolveSkinReference(const std::string& target,
                                                const std::string& skinFolder,
                                                const std::vector<std::string>& allowedFolders,
                                                std::string* why) {
    if (target.starts_with(":/") || target.starts_with("qrc:/")) return target;
    const std::string quoted = "\"" + target + "\"";
    if (target.empty()) return Refuse(why, "it names an empty file");
    const std::string path = target.front() == '/' ? target : skinFolder + "/" + target;
    const std::optional<std::string> real = RealPath(path);
    if (!real) return Refuse(why, quoted + " does not exist");
    bool allowed = false;
    for (const std::string& folder : allowedFolders)
        allowed = allowed || IsBelow(*real, folder);
    if (!allowed) return Refuse(why, quoted + " is outside the skins folders");
    struct stat info {};
    if (::stat(real->c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return Refuse(why, quoted + " is not a regular file");
    if (real->find_first_of("\"\n\r\f") != std::string::npos)
        return Refuse(why, quoted + " cannot be named in a style sheet");
    return real;
}

std::optional<std::string> ResolvedSkinSheet(std::string_view sheet, const std::string& skinFolder,
                                             const std::vector<std::string>& allowedFolders,
                                             std::string* why) {
    const std::optional<std::vector<TSkinReference>> references = FindSkinReferences(sheet, why);
    if (!references) return std::nullopt;
    std::string resolved;
    std::size_t copied = 0;
    for (const TSkinReference& reference : *references) {
        const std::optional<std::string> file =
            ResolveSkinReference(reference.Target, skinFolder, allowedFolders, why);
        if (!file) return std::nullopt;
        resolved.append(sheet.substr(copied, reference.Start - copied));
        resolved += "url(\"" + *file + "\")";
        copied = reference.Start + reference.Length;
    }
    resolved.append(sheet.substr(copied));
    return resolved;
}

}  // namespace quillix
