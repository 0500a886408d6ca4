#pragma once
// What the library tests share: a fresh temporary folder for one test, removed with
// everything in it when the test ends, helpers to lay out and inspect files below
// it, and the names a library folder lists.

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "vars/user_func_folder.h"

namespace quillix::library_test {

class LibraryTestDir {
  public:
    LibraryTestDir() {
        std::string pattern = "/tmp/quillix-library-XXXXXX";
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~LibraryTestDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    LibraryTestDir(const LibraryTestDir&) = delete;
    LibraryTestDir& operator=(const LibraryTestDir&) = delete;

    const std::string& Path() const { return path_; }
    // The full path of a relative one.
    std::string At(const std::string& relative) const { return path_ + "/" + relative; }

    void MakeDir(const std::string& relative) const {
        std::filesystem::create_directories(At(relative));
    }
    // Writes a file, creating the folders above it.
    void Write(const std::string& relative, const std::string& content = "x") const {
        const std::filesystem::path file = At(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
    }
    bool Exists(const std::string& relative) const {
        std::error_code ignored;
        return std::filesystem::exists(std::filesystem::symlink_status(At(relative), ignored));
    }
    std::string Read(const std::string& relative) const {
        std::ifstream in(At(relative), std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
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

using Names = std::vector<std::string>;

inline std::vector<std::string> FileNames(const TUserFuncFolder& folder) {
    std::vector<std::string> names;
    for (const auto& file : folder.Files())
        names.push_back(file->Name());
    return names;
}

inline std::vector<std::string> FolderNames(const TUserFuncFolder& folder) {
    std::vector<std::string> names;
    for (const auto& sub : folder.Subfolders())
        names.push_back(sub->Name());
    return names;
}

}  // namespace quillix::library_test
