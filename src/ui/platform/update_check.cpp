// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/update_check.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <exception>

#include "common/text_compare.h"
#include "common/version_text.h"
#include "config/configor.h"
#include "config/settings_table.h"
#include "config/update_reply.h"
#include "dialogs/upgrade_dialog.h"

namespace quillix {

TUpdateCheck::TUpdateCheck(QWidget* mainWindow, const QString& address, int timeoutMs)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      address_(address),
      timeoutMs_(std::clamp(timeoutMs, 1, kUpdateCheckTimeoutMs)) {
    // Deferred, so that not even the connection attempt delays the caller.
    QTimer::singleShot(0, this, &TUpdateCheck::Send);
}

TUpdateCheck::~TUpdateCheck() = default;

void TUpdateCheck::Send() {
    const QUrl url(address_);
    if (!url.isValid()) return Finish(false);
    network_ = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs_);
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::finished, this, &TUpdateCheck::ReplyFinished);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kUpdateReplyLimit) reply_->abort();
    });
    // The transfer time-out restarts with every byte; this one bounds the whole check.
    timeout_ = new QTimer(this);
    timeout_->setSingleShot(true);
    connect(timeout_, &QTimer::timeout, reply_, &QNetworkReply::abort);
    timeout_->start(timeoutMs_);
}

void TUpdateCheck::ReplyFinished() {
    bool shown = false;
    try {
        timeout_->stop();
        const bool ok = reply_->error() == QNetworkReply::NoError;
        const QByteArray body = ok ? reply_->read(kUpdateReplyLimit) : QByteArray();
        const auto address = NewVersionAddress(body.toStdString());
        if (address && mainWindow_) {
            auto* dialog = new Tfrm_upgrade(mainWindow_);
            dialog->SetDownloadAddress(QString::fromStdString(*address));
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->open();
            shown = true;
        }
    } catch (const std::exception&) {
        // A failing check must never keep the program from working.
    }
    reply_->deleteLater();
    Finish(shown);
}

void TUpdateCheck::Finish(bool newVersion) {
    if (done_) return;
    done_ = true;
    emit finished(newVersion);
    deleteLater();
}

TUpdateCheck* StartUpdateCheck(QWidget* mainWindow, int timeoutMs) {
    if (mainWindow == nullptr || ConfigorIntf == nullptr) return nullptr;
    if (!ReadBoolSetting(*ConfigorIntf, TSetting::OnlineCheckUpgrade)) return nullptr;
    const std::string url = ReadTextSetting(*ConfigorIntf, TSetting::OnlineUpgradeUrl);
    // Without a service there is nobody to ask.
    if (TrimAny(url, " \t\r\n").empty()) return nullptr;
    const std::string address = UpdateRequestAddress(url, VersionText(QUILLIX_VERSION));
    return new TUpdateCheck(mainWindow, QString::fromStdString(address), timeoutMs);
}

}  // namespace quillix
