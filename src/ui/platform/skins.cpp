// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/skins.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "common/diag_note.h"
#include "common/regular_file.h"
#include "common/untrusted_text.h"
#include "platform/app_home.h"
#include "platform/shared_resources.h"
#include "platform/skin_references.h"

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

// The skins folders that come with the program (all but the home's own).
std::vector<std::string> InstalledSkinFolders() {
    std::vector<std::string> folders;
    const QString home = QFileInfo(HomePath(QStringLiteral("Skins"))).absoluteFilePath();
    for (const QString& folder : SkinFolders())
        if (QFileInfo(folder).absoluteFilePath() != home) folders.push_back(folder.toStdString());
    return folders;
}

// The skin's sheet, ready to apply: a regular file of at most kSkinFileLimit
// bytes of UTF-8 text, each file it names checked and named by its full path.
// None (with a line in the diagnostic log) when anything is wrong: the
// previous look then stays.
std::optional<QString> CheckedSkinSheet(const QString& path) {
    std::string why;
    std::optional<std::string> text = ReadRegularFile(path.toStdString(), &why, kSkinFileLimit);
    if (text) {
        std::vector<std::string> allowed = InstalledSkinFolders();
        const std::string folder = QFileInfo(path).absolutePath().toStdString();
        allowed.push_back(folder);
        text = ResolvedSkinSheet(*text, folder, allowed, &why);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString sheet = text ? QString(utf8(QByteArray::fromStdString(*text))) : QString();
    if (text && utf8.hasError()) why = "it is not UTF-8 text";
    if (!text || utf8.hasError()) {
        DiagNote(VisibleText("The skin \"" + path.toStdString() + "\" was not applied: " + why));
        return std::nullopt;
    }
    return sheet;
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
    const std::optional<QString> sheet = CheckedSkinSheet(path);
    if (!sheet || !StyleSheetParses(*sheet)) return TSkinLoad::Broken;
    qApp->setStyleSheet(*sheet);
    return TSkinLoad::Applied;
}

}  // namespace quillix
