// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shared_resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/app_home.h"

namespace quillix {
namespace {

QStringList ResourceRoots() {
    QStringList roots;
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .absoluteFilePath(QStringLiteral("../share/quillix"));
    roots << installed << QStringLiteral(QUILLIX_SHARE_DIR)
          << QStringLiteral(QUILLIX_SOURCE_RESOURCES);
    return roots;
}

}  // namespace

QStringList SkinFolders() {
    QStringList folders{HomePath(QStringLiteral("Skins"))};
    for (const QString& root : ResourceRoots()) {
        // The source tree keeps them in lower case, installs use the home's name.
        folders << QDir(root).filePath(QStringLiteral("Skins"))
                << QDir(root).filePath(QStringLiteral("skins"));
    }
    folders.removeDuplicates();
    return folders;
}

QString FindSkinFile(const QString& fileName) {
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/'))) return {};
    for (const QString& folder : SkinFolders()) {
        const QFileInfo info(QDir(folder).filePath(fileName));
        if (info.isFile()) return info.absoluteFilePath();
    }
    return {};
}

QString HelpFolder() {
    for (const QString& root : ResourceRoots()) {
        const QString folder = QDir(root).filePath(QStringLiteral("help"));
        if (QFileInfo(folder).isDir()) return folder;
    }
    return {};
}

}  // namespace quillix
