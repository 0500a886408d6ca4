// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/skins.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QWidget>

#include "platform/shared_resources.h"

namespace quillix {
namespace {

const QString kSkinSuffix = QStringLiteral(".skn");

// Qt reports a style sheet it cannot parse only as a warning; catch it while
// the sheet is tried out.
bool parseFailed = false;
QtMessageHandler previousHandler = nullptr;

void CatchParseWarning(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QStringLiteral("Could not parse"))) {
        parseFailed = true;
        return;
    }
    if (previousHandler) previousHandler(type, context, text);
}

bool StyleSheetParses(const QString& sheet) {
    parseFailed = false;
    previousHandler = qInstallMessageHandler(CatchParseWarning);
    QWidget probe;
    probe.setStyleSheet(sheet);
    probe.ensurePolished();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    return !parseFailed;
}

}  // namespace

QList<TSkinEntry> ListSkins() {
    QList<TSkinEntry> skins;
    QSet<QString> seen;
    for (const QString& folder : SkinFolders()) {
        const QStringList files = QDir(folder).entryList({QStringLiteral("*") + kSkinSuffix},
                                                         QDir::Files | QDir::Hidden | QDir::System,
                                                         QDir::Name | QDir::IgnoreCase);
        for (const QString& file : files) {
            if (seen.contains(file.toLower())) continue;
            seen.insert(file.toLower());
            skins.append({file.left(file.size() - kSkinSuffix.size()), file});
        }
    }
    std::sort(skins.begin(), skins.end(), [](const TSkinEntry& a, const TSkinEntry& b) {
        return a.FileName.compare(b.FileName, Qt::CaseInsensitive) < 0;
    });
    return skins;
}

TSkinLoad ApplySkinFile(const QString& fileName) {
    const QString path = FindSkinFile(fileName);
    if (path.isEmpty()) return TSkinLoad::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return TSkinLoad::Broken;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString sheet = utf8(file.readAll());
    if (utf8.hasError() || !StyleSheetParses(sheet)) return TSkinLoad::Broken;
    qApp->setStyleSheet(sheet);
    return TSkinLoad::Applied;
}

}  // namespace quillix
