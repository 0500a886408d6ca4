// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/instance_socket.h"

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "common/home_folder.h"
#include "common/instance_key.h"

namespace quillix {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

std::string InstanceSocketName(const std::string& homeFolder, const std::string& tag) {
    std::string name = "CalcMutex01-" + HomeFolderKey(homeFolder);
    if (!tag.empty()) name += "-" + tag;
    return name;
}

std::string PrivateFolderProblem(const std::string& folder, uid_t uid, bool create) {
    if (create && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return "\"" + folder + "\" cannot be created: " + std::strerror(errno);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return "\"" + folder + "\": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode)) return "\"" + folder + "\" is not a folder";
    if (info.st_uid != uid) return "\"" + folder + "\" belongs to another user";
    if ((info.st_mode & 077) != 0) return "\"" + folder + "\" is open to other users";
    return {};
}

TInstanceSocketPlace ChooseInstanceSocket(const TInstanceSocketFacts& facts) {
    TInstanceSocketPlace place;
    std::string folder;
    if (!facts.RuntimeFolder.empty()) {
        const std::string problem = PrivateFolderProblem(facts.RuntimeFolder, facts.Uid, false);
        if (problem.empty())
            folder = facts.RuntimeFolder;
        else
            place.Notes.push_back("XDG_RUNTIME_DIR is not used: " + problem);
    }
    if (folder.empty()) {
        const std::string own = JoinPath(facts.TempFolder, "quillix-" + std::to_string(facts.Uid));
        const std::string problem = PrivateFolderProblem(own, facts.Uid, true);
        if (!problem.empty()) {
            place.Notes.push_back(problem);
            return place;
        }
        folder = own;
    }
    const std::string path = JoinPath(folder, InstanceSocketName(facts.HomeFolder, facts.Tag));
    if (path.size() >= sizeof(sockaddr_un{}.sun_path)) {
        place.Notes.push_back("\"" + path + "\" is too long for a socket");
        return place;
    }
    place.Path = path;
    return place;
}

TInstanceSocketFacts InstanceSocketFacts(const std::string& homeFolder) {
    TInstanceSocketFacts facts;
    facts.RuntimeFolder = Env("XDG_RUNTIME_DIR");
    facts.TempFolder = Env("TMPDIR");
    if (facts.TempFolder.empty() || facts.TempFolder.front() != '/') facts.TempFolder = "/tmp";
    facts.Uid = ::getuid();
    facts.HomeFolder = homeFolder;
    facts.Tag = Env("QUILLIX_INSTANCE_TAG");
    return facts;
}

}  // namespace quillix
