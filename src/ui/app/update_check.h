// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The online update check at start-up: one HTTP GET of "UpgradeUrl" +
// "?PID=001&VAR=" + the version text, run in the background so that the main
// window shows at once. When the reply announces a newer version with a web
// address, the update dialog opens over the main window. Every failure (no
// network, no service, a time-out, an unreadable reply) is silent. Only http
// and https addresses are asked, and redirects are followed as
// UpdateRedirectAllowed says (at most five hops, each to http or https); any
// other address is a failed check with a line in the diagnostic log.

#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class QUrl;
class QWidget;

namespace quillix {

// The longest the check may take before it is given up.
inline constexpr int kUpdateCheckTimeoutMs = 5000;
// Replies longer than this are no answer of the update service.
inline constexpr qint64 kUpdateReplyLimit = 64 * 1024;

class TUpdateCheck : public QObject {
    Q_OBJECT
  public:
    // Owned by mainWindow; the request goes out once the event loop runs.
    TUpdateCheck(QWidget* mainWindow, const QString& address, int timeoutMs);
    ~TUpdateCheck() override;

    const QString& Address() const { return address_; }

  signals:
    // Once, when the check is over; newVersion when the update dialog opened.
    // The check deletes itself afterwards.
    void finished(bool newVersion);

  private:
    void Send();
    void Get(const QUrl& url);
    bool FollowRedirect();
    void ReplyFinished();
    void Finish(bool newVersion);

    QPointer<QWidget> mainWindow_;
    QString address_;
    int timeoutMs_;
    QNetworkAccessManager* network_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    QTimer* timeout_ = nullptr;
    int redirects_ = 0;
    bool done_ = false;
};

// Starts the check when "Online"/"CheckUpgrade" is set and "UpgradeUrl" is not
// empty; call it after the main window was shown. Returns the running check
// (it deletes itself when done), or null when nothing is sent.
TUpdateCheck* StartUpdateCheck(QWidget* mainWindow, int timeoutMs = kUpdateCheckTimeoutMs);

}  // namespace quillix
