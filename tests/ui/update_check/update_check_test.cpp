// SPDX-License-Identifier: GPL-3.0-or-later
// The update check against a local HTTP server that the test runs on
// 127.0.0.1: the request sent, which replies open the update dialog, failures
// that stay silent, and a window that shows before any answer. Also the update
// dialog and the about box.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QNetworkProxy>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>
#include <optional>

#include "app/update_check.h"
#include "config/settings_table.h"
#include "dialogs/about_box.h"
#include "dialogs/upgrade_dialog.h"
#include "launchers.h"
#include "platform/browser.h"
#include "support/ui_environment.h"

namespace quillix {
namespace {

// A generous ceiling: the checks answer in milliseconds unless the machine is loaded.
constexpr int kCeilingMs = 60000;

// An HTTP server on 127.0.0.1 that answers every GET with one body, or never
// answers at all (body none).
class TLocalServer {
  public:
    explicit TLocalServer(std::optional<QByteArray> body) : body_(std::move(body)) {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
    }
    QString Url() const {
        return QStringLiteral("http://127.0.0.1:%1/check").arg(server_.serverPort());
    }
    const QList<QByteArray>& Requests() const { return requests_; }
    int Connections() const { return connections_; }

  private:
    void Accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections_;
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                buffer_ += socket->readAll();
                const qsizetype end = buffer_.indexOf("\r\n\r\n");
                if (end < 0) return;
                requests_.push_back(buffer_.left(buffer_.indexOf("\r\n")));
                buffer_.clear();
                if (!body_) return;
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                              QByteArray::number(body_->size()) + "\r\nConnection: close\r\n\r\n" +
                              *body_);
                socket->disconnectFromHost();
            });
        }
    }

    QTcpServer server_;
    std::optional<QByteArray> body_;
    QByteArray buffer_;
    QList<QByteArray> requests_;
    int connections_ = 0;
};

class UpdateCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        SetUrlOpener([this](const QUrl& url) { opened.push_back(url.toString()); });
    }
    void TearDown() override { SetUrlOpener({}); }
    void Configure(bool check, const QString& url) {
        IConfigor& settings = env.Settings().Configor();
        settings.WriteBool("Online", "CheckUpgrade", check);
        settings.WriteString("Online", "UpgradeUrl", url.toStdString());
    }
    // Starts the check over a shown window and waits for its end; the dialog it
    // opened, if any.
    Tfrm_upgrade* RunCheck(QWidget& window, TLocalServer* server, int timeoutMs = 4000) {
        QPointer<TUpdateCheck> check = StartUpdateCheck(&window, timeoutMs);
        window.show();
        // The window is up before the request has even gone out.
        EXPECT_TRUE(window.isVisible());
        if (server) {
            EXPECT_EQ(server->Connections(), 0);
        }
        EXPECT_NE(check, nullptr);
        if (!check) return nullptr;
        // The dialog, if any, opens before the check says it is over.
        QSignalSpy finished(check.data(), &TUpdateCheck::finished);
        EXPECT_TRUE(finished.wait(kCeilingMs));
        return window.findChild<Tfrm_upgrade*>();
    }

    test::TUiEnvironment env;
    QStringList opened;
};

TEST_F(UpdateCheck, OnlyANewVersionWithAWebAddressOpensTheDialog) {
    struct Row {
        QByteArray body;
        const char* address;  // null: no dialog
    };
    const Row rows[] = {
        {"NEW, http://127.0.0.1/download", "http://127.0.0.1/download"},
        {" new , https://example.test/quillix \r\n", "https://example.test/quillix"},
        {"NEW", nullptr},
        {"", nullptr},
        {"NEW,file:///etc/passwd", nullptr},
        {"OLD, http://127.0.0.1/download", nullptr},
    };
    for (const Row& row : rows) {
        TLocalServer server(row.body);
        Configure(true, server.Url());
        QWidget window;
        Tfrm_upgrade* dialog = RunCheck(window, &server);
        ASSERT_EQ(server.Requests().size(), 1) << row.body.constData();
        EXPECT_EQ(server.Requests().front(), "GET /check?PID=001&VAR=0.1 HTTP/1.1");
        if (row.address) {
            ASSERT_NE(dialog, nullptr) << row.body.constData();
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_TRUE(dialog->isModal());
            EXPECT_EQ(dialog->windowTitle(), "Upgrade");
            EXPECT_EQ(dialog->DownloadAddress(), row.address);
            dialog->CloseButton()->click();
        } else {
            EXPECT_EQ(dialog, nullptr) << row.body.constData();
        }
        EXPECT_TRUE(opened.isEmpty());
    }
}

TEST_F(UpdateCheck, NoServerIsSilent) {
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    Configure(true, QStringLiteral("http://127.0.0.1:%1/check").arg(port));
    QWidget window;
    EXPECT_EQ(RunCheck(window, nullptr), nullptr);
}

TEST_F(UpdateCheck, AServerThatNeverAnswersIsGivenUp) {
    TLocalServer server(std::nullopt);
    Configure(true, server.Url());
    QWidget window;
    EXPECT_EQ(RunCheck(window, &server, 300), nullptr);
    EXPECT_EQ(server.Requests().size(), 1);
}

TEST_F(UpdateCheck, NothingIsSentWhenSwitchedOffOrWithoutAService) {
    TLocalServer server(QByteArray("NEW, http://127.0.0.1/download"));
    struct Row {
        bool check;
        QString url;
    };
    const Row rows[] = {{false, server.Url()}, {true, QString()}, {true, QStringLiteral("   ")}};
    for (const Row& row : rows) {
        Configure(row.check, row.url);
        QWidget window;
        EXPECT_EQ(StartUpdateCheck(&window), nullptr);
        // No check was made, so none can send later.
        EXPECT_EQ(window.findChild<TUpdateCheck*>(), nullptr);
    }
    EXPECT_EQ(server.Connections(), 0);
}

TEST_F(UpdateCheck, DialogCheckBoxIsWrittenAtOnceWhicheverButtonCloses) {
    Configure(true, QString());
    Tfrm_upgrade dialog;
    dialog.SetDownloadAddress(QStringLiteral("https://example.test/dl"));
    EXPECT_TRUE(dialog.CheckOnStartup()->isChecked());
    dialog.CheckOnStartup()->click();
    EXPECT_FALSE(ReadBoolSetting(env.Settings().Configor(), TSetting::OnlineCheckUpgrade));
    dialog.CloseButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(ReadBoolSetting(env.Settings().Configor(), TSetting::OnlineCheckUpgrade));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(UpdateCheck, DownloadOpensOnlyWebAddresses) {
    struct Row {
        const char* address;
        bool opens;
    };
    const Row rows[] = {
        {"https://example.test/dl", true},
        {"file:///etc/passwd", false},
        {"xterm -e sh", false},
        {"", false},
    };
    for (const Row& row : rows) {
        opened.clear();
        Tfrm_upgrade dialog;
        dialog.SetDownloadAddress(QString::fromUtf8(row.address));
        dialog.DownloadButton()->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(opened, row.opens ? QStringList{row.address} : QStringList{}) << row.address;
    }
}

TEST_F(UpdateCheck, AboutBoxShowsTheVersionAndOpensTheWebSite) {
    bool shown = false;
    env.Dialogs().ScriptFor<TAboutBox>([&](TAboutBox& about) {
        EXPECT_EQ(about.windowTitle(), "About");
        EXPECT_EQ(about.VersionLine()->text(), "Version:0.1");
        emit about.WebSiteLink()->linkActivated(QString::fromLatin1(kWebSiteAddress));
        shown = true;
        return static_cast<int>(QDialog::Accepted);
    });
    RunAbout(nullptr);
    EXPECT_TRUE(shown);
    EXPECT_EQ(opened, QStringList{kWebSiteAddress});
}

}  // namespace
}  // namespace quillix
