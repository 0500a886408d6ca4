// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/autostart_file.h"

#include <QCoreApplication>
#include <QDir>
#include <filesystem>
#include <system_error>

#include "common/atomic_file.h"
#include "config/autostart_entry.h"

namespace quillix {

namespace {

std::string AutostartFolderPath() {
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    return AutostartFolder(configHome.toStdString(), QDir::homePath().toStdString());
}

}  // namespace

QString AutostartFilePath() {
    return QString::fromStdString(AutostartFolderPath() + "/" + std::string(kAutostartFileName));
}

bool WriteAutostartEntry(QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    const QString executable = QCoreApplication::applicationFilePath();
    const auto text = AutostartEntryText(executable.toStdString());
    if (!text)
        return fail(
            QStringLiteral("The program's path cannot be named in '%1'").arg(AutostartFilePath()));
    std::error_code folderError;
    std::filesystem::create_directories(AutostartFolderPath(), folderError);
    if (folderError)
        return fail(QStringLiteral("Cannot create the folder of '%1': %2")
                        .arg(AutostartFilePath(), QString::fromStdString(folderError.message())));
    std::string writeError;
    if (!WriteFileAtomically(AutostartFilePath().toStdString(), *text, &writeError))
        return fail(QString::fromStdString(writeError));
    return true;
}

void RemoveAutostartEntry() {
    std::error_code ignored;
    std::filesystem::remove(AutostartFilePath().toStdString(), ignored);
}

}  // namespace quillix
