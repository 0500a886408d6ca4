// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/update_check.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <exception>

#include "common/diag_note.h"
#include "common/text_compare.h"
#include "common/untrusted_text.h"
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
    // Only the web is asked: a file:// address would be read on this thread, and
    // a FIFO there would hold the window for good.
    const QUrl url(address_);
    if (!url.isValid() || !IsWebAddress(address_.toStdString())) {
        DiagNote(VisibleText("The update check was not sent: \"" + address_.toStdString() +
                             "\" is no http or https address"));
        return Finish(false);
    }
    network_ = new QNetworkAccessManager(this);
    // The transfer time-out restarts with every byte; this one bounds the whole
    // check, redirects included.
    timeout_ = new QTimer(this);
    timeout_->setSingleShot(true);
    connect(timeout_, &QTimer::timeout, this, [this] {
        if (reply_) reply_->abort();
    });
    timeout_->start(timeoutMs_);
    Get(url);
}

void TUpdateCheck::Get(const QUrl& url) {
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs_);
    // Redirects are followed here, one by one, only where UpdateRedirectAllowed says.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::finished, this, &TUpdateCheck::ReplyFinished);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kUpdateReplyLimit) reply_->abort();
    });
}

// A redirect the check may follow: the next request is under way.
bool TUpdateCheck::FollowRedirect() {
    const QVariant target = reply_->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (!target.isValid() || reply_->error() != QNetworkReply::NoError) return false;
    const QUrl to = reply_->url().resolved(target.toUrl());
    const std::string toText = to.toString().toStdString();
    if (!UpdateRedirectAllowed(reply_->url().toString().toStdString(), toText, ++redirects_)) {
        DiagNote(VisibleText("The update check did not follow the redirect to \"" + toText + "\""));
        return false;
    }
    reply_->deleteLater();
    Get(to);
    return true;
}

void TUpdateCheck::ReplyFinished() {
    if (FollowRedirect()) return;
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
