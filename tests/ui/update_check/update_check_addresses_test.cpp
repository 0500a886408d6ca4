// SPDX-License-Identifier: GPL-3.0-or-later
// What the update check may ask: only http and https addresses, and only
// redirects to them, at most five hops. Anything else is a failed check with a
// line in the diagnostic log, and no file is ever read.
#include <gtest/gtest.h>

#include <QNetworkProxy>
#include <QPointer>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/update_check.h"
#include "common/diag_note.h"
#include "dialogs/upgrade_dialog.h"
#include "platform/browser.h"
#include "support/fifo_watch.h"
#include "support/ui_environment.h"

namespace quillix {
namespace {

// An HTTP server on 127.0.0.1 whose answer depends on the path asked: a
// redirect (status 302 and a Location) or a body.
class TRoutingServer {
  public:
    using Route = std::function<QByteArray(const QByteArray& path)>;
    explicit TRoutingServer(Route route) : route_(std::move(route)) {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
    }
    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    int Requests() const { return requests_; }

    static QByteArray Redirect(const QByteArray& location) {
        return "HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: 0\r\n\r\n";
    }
    static QByteArray Body(const QByteArray& body) {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }

  private:
    void Accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray request = socket->readAll();
                if (!request.contains("\r\n\r\n")) return;
                ++requests_;
                const QByteArray path = request.split(' ').value(1);
                socket->write(route_(path));
            });
        }
    }

    QTcpServer server_;
    Route route_;
    int requests_ = 0;
};

class UpdateCheckAddresses : public ::testing::Test {
  protected:
    void SetUp() override {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        SetUrlOpener([](const QUrl&) {});
        SetDiagNoteReceiver([this](std::string_view line) { notes.emplace_back(line); });
    }
    void TearDown() override {
        SetDiagNoteReceiver({});
        SetUrlOpener({});
    }
    // Runs the check against the address; the update dialog it opened, if any.
    Tfrm_upgrade* Check(const QString& address) {
        IConfigor& settings = env.Settings().Configor();
        settings.WriteBool("Online", "CheckUpgrade", true);
        settings.WriteString("Online", "UpgradeUrl", address.toStdString());
        window = std::make_unique<QWidget>();
        QPointer<TUpdateCheck> check = StartUpdateCheck(window.get(), 4000);
        EXPECT_NE(check, nullptr);
        if (!check) return nullptr;
        bool done = false;
        QObject::connect(check, &TUpdateCheck::finished, [&done](bool) { done = true; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
        QTest::qWait(0);
        return window->findChild<Tfrm_upgrade*>();
    }

    test::TUiEnvironment env;
    std::unique_ptr<QWidget> window;
    std::vector<std::string> notes;
};

TEST_F(UpdateCheckAddresses, AFileIsNeverReadEvenWhenItAnnouncesAVersion) {
    env.HomeFolder().Write("reply", "NEW, http://127.0.0.1/download");
    const test::TFifoWatch fifo(env.HomeFolder().File("pipe"));
    ASSERT_TRUE(fifo.Made());
    for (const std::string& file : {env.HomeFolder().File("reply"), fifo.Path()}) {
        notes.clear();
        const QString address = QString::fromStdString("file://" + file);
        EXPECT_EQ(Check(address), nullptr) << file;
        ASSERT_EQ(notes.size(), 1u) << file;
        EXPECT_EQ(notes[0], "The update check was not sent: \"file://" + file +
                                "?PID=001&VAR=0.1\" is no http or https address");
    }
}

TEST_F(UpdateCheckAddresses, RedirectsAreFollowedOnlyToTheWebAndAtMostFiveHops) {
    env.HomeFolder().Write("reply", "NEW, http://127.0.0.1/download");
    const QByteArray fileReply = QByteArray("file://") + env.HomeFolder().File("reply").c_str();
    // /hop/N redirects to /hop/N-1; /hop/0 answers; /file redirects to a file.
    TRoutingServer server([&](const QByteArray& path) {
        if (path.startsWith("/file")) return TRoutingServer::Redirect(fileReply);
        const int hops = path.mid(5, path.indexOf('?') - 5).toInt();
        if (hops == 0) return TRoutingServer::Body("NEW, http://127.0.0.1/download");
        return TRoutingServer::Redirect("/hop/" + QByteArray::number(hops - 1));
    });
    struct Row {
        const char* path;
        bool dialog;
        int requests;
    };
    const Row rows[] = {
        {"/hop/0", true, 1},
        {"/hop/5", true, 6},
        {"/hop/6", false, 6},  // the sixth redirect is not followed
        {"/file", false, 1},
    };
    int before = 0;
    for (const Row& row : rows) {
        notes.clear();
        Tfrm_upgrade* dialog = Check(server.Base() + QString::fromLatin1(row.path));
        EXPECT_EQ(dialog != nullptr, row.dialog) << row.path;
        EXPECT_EQ(server.Requests() - before, row.requests) << row.path;
        before = server.Requests();
        if (dialog) dialog->CloseButton()->click();
    }
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.back(), "The update check did not follow the redirect to \"" +
                                fileReply.toStdString() + "\"");
}

}  // namespace
}  // namespace quillix
