// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/app_home.h"

#include "common/home_folder.h"

namespace quillix {
namespace {
std::string homeFolder;
}

const std::string& AppHomeFolder() {
    return homeFolder;
}

void SetAppHomeFolder(std::string folder) {
    homeFolder = std::move(folder);
}

QString HomePath(const QString& name) {
    return QString::fromStdString(JoinPath(homeFolder, name.toStdString()));
}

}  // namespace quillix
