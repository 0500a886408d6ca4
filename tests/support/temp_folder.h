// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder under the temporary folder for one test (or benchmark), removed
// with everything in it when it ends; helpers to lay out and inspect files below
// it; and plain whole-file reads and writes by path.

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace quillix::test {

// Writes content as the whole file (folders above it must exist).
inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// The whole file, or "" when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quillix-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
        path_ = pattern;
    }
    // A test may have taken the write permission away to provoke a failure.
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The full path of a relative one.
    std::string File(const std::string& relative) const { return path_ + "/" + relative; }

    void MakeDir(const std::string& relative) const {
        std::filesystem::create_directories(File(relative));
    }
    // Writes a file, creating the folders above it.
    void Write(const std::string& relative, const std::string& content = "x") const {
        const std::string file = File(relative);
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        WriteFile(file, content);
    }
    std::string Read(const std::string& relative) const { return ReadFile(File(relative)); }
    // True for a link too, even one that leads nowhere.
    bool Exists(const std::string& relative) const {
        std::error_code ignored;
        return std::filesystem::exists(std::filesystem::symlink_status(File(relative), ignored));
    }
    // Every path below the folder, relative and sorted: the whole state on disk.
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_))
            names.push_back(std::filesystem::relative(entry.path(), path_).string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::string path_;
};

}  // namespace quillix::test
