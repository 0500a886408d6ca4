// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program itself under a virtual X server: unsaved work a killed
// instance leaves is offered at the next start. The test answers the start-up
// question with keys (Return restores, Escape discards) and follows the
// recovery copy on disk: restored work is written again while it is unsaved,
// survives SIGKILL, and is offered again at the next start.

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>

#include "common/atomic_file.h"
#include "common/home_folder.h"
#include "common/instance_key.h"
#include "model/vars_document.h"
#include "support/temp_folder.h"
#include "vars/calc_vars_base.h"
#include "vars/recovery_copy.h"
#include "vars/recovery_store.h"

namespace quillix::test {
namespace {

constexpr int kCeilingMs = 60000;

class RecoveryProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        xvfb_ = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        xdotool_ = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (xvfb_.isEmpty() || xdotool_.isEmpty()) GTEST_SKIP() << "needs Xvfb and xdotool";
        server_.setProgram(xvfb_);
        server_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                              QStringLiteral("-screen"), QStringLiteral("0"),
                              QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                              QStringLiteral("tcp"), QStringLiteral("-noreset")});
        server_.start();
        ASSERT_TRUE(server_.waitForStarted(10000));
        // Xvfb names its display once it is ready. It must not reset when its
        // last client goes: each xdotool call is one, and the program, connecting
        // during a reset, would find no display and end.
        ASSERT_TRUE(QTest::qWaitFor([&] { return server_.canReadLine(); }, kCeilingMs));
        display_ = QStringLiteral(":") + QString::fromLatin1(server_.readLine()).trimmed();
    }
    void TearDown() override {
        if (app_) Kill(*app_);
        // What each instance printed, to tell why it went when the test fails.
        if (HasFailure()) std::fprintf(stderr, "%s", output_.toLocal8Bit().constData());
        if (server_.state() != QProcess::NotRunning) {
            server_.kill();
            server_.waitForFinished(10000);
        }
    }

    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display_);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QUILLIX_INSTANCE_TAG"), tag_);
        env.insert(QStringLiteral("TMPDIR"), QString::fromStdString(temp_.Path()));
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        // Killed on purpose: its leaks are checked by the other tests.
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        return env;
    }
    void Start() {
        app_ = std::make_unique<QProcess>();
        app_->setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(app_.get(), &QProcess::readyRead, app_.get(), [this, app = app_.get()] {
            output_ += QString::fromLocal8Bit(app->readAll());
        });
        QObject::connect(app_.get(), &QProcess::finished, app_.get(),
                         [this](int code, QProcess::ExitStatus status) {
                             output_ +=
                                 QStringLiteral("[quillix ended: %1, code %2]\n")
                                     .arg(status == QProcess::CrashExit ? QStringLiteral("crashed")
                                                                        : QStringLiteral("exited"))
                                     .arg(code);
                         });
        app_->setProcessEnvironment(Environment());
        app_->start(QStringLiteral(QUILLIX_GUI_PATH),
                    {QStringLiteral("--home"), QString::fromStdString(home_.Path())});
        ASSERT_TRUE(app_->waitForStarted(10000));
    }
    // QProcess::kill is SIGKILL here, and sends nothing once the process has
    // gone: a raw kill() of its id (0 by then) would take the whole process
    // group with it, the test runner included.
    static void Kill(QProcess& process) {
        process.kill();
        process.waitForFinished(10000);
    }
    // What xdotool prints for args; none when it fails.
    std::optional<QString> Xdo(const QStringList& args) const {
        QProcess tool;
        tool.setProcessEnvironment(Environment());
        tool.start(xdotool_, args);
        if (!tool.waitForFinished(kCeilingMs) || tool.exitCode() != 0) return std::nullopt;
        return QString::fromLatin1(tool.readAllStandardOutput());
    }
    // Types key into the start-up question: the smaller of the two windows
    // whose title ends in "Quillix" (the main window, "New — Quillix", is up
    // behind it).
    bool Press(const char* key) {
        return QTest::qWaitFor(
            [&] {
                const std::optional<QString> found =
                    Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                         QStringLiteral("--name"), QStringLiteral("Quillix$")});
                if (!found) return false;
                const QStringList ids = found->split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                if (ids.size() < 2) return false;
                QString question;
                long long smallest = -1;
                for (const QString& id : ids) {
                    const std::optional<QString> shape =
                        Xdo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
                    if (!shape) return false;
                    long long width = 0;
                    long long height = 0;
                    for (const QString& line : shape->split(QLatin1Char('\n'))) {
                        if (line.startsWith(QStringLiteral("WIDTH=")))
                            width = line.mid(6).toLongLong();
                        if (line.startsWith(QStringLiteral("HEIGHT=")))
                            height = line.mid(7).toLongLong();
                    }
                    if (smallest < 0 || width * height < smallest) {
                        smallest = width * height;
                        question = id;
                    }
                }
                return Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question})
                           .has_value() &&
                       Xdo({QStringLiteral("key"), QString::fromLatin1(key)}).has_value();
            },
            kCeilingMs);
    }

    // The copy in the slot this instance's key takes, as the program reads it.
    std::optional<TRecoveryCopy> Copy() const {
        const std::optional<std::string> text = ReadWholeFile(CopyPath());
        if (!text) return std::nullopt;
        return ParseRecoveryCopy(*text, nullptr);
    }
    // The first slot's file (the running program holds the slot's lock).
    std::string CopyPath() const {
        return JoinPath(JoinPath(home_.Path(), "Recovery"),
                        InstanceKey(home_.Path(), tag_.toStdString()) + ".recovery");
    }
    // A copy left by an instance that went at "written", holding "Rate".
    void LeaveCopy(std::int64_t written) {
        TCalcVarsBase set;
        ASSERT_TRUE(set.Add("Rate", TCalcValue::New(5)));
        TRecoveryCopy copy{"", written, BuildVarsDocumentText("", set.GetItems())};
        TRecoveryStore store(home_.Path(), tag_.toStdString());
        std::string error;
        ASSERT_TRUE(store.Write(RecoveryCopyText(copy), &error)) << error;
    }

    TempFolder temp_;
    TempFolder home_;
    QString tag_ = QStringLiteral("recovery%1").arg(QCoreApplication::applicationPid());
    QString xvfb_;
    QString xdotool_;
    QProcess server_;
    QString display_;
    std::unique_ptr<QProcess> app_;
    QString output_;
};

TEST_F(RecoveryProcess, UnsavedWorkSurvivesAKillAndIsOfferedAtTheNextStart) {
    const std::int64_t anHourAgo = std::time(nullptr) - 3600;
    LeaveCopy(anHourAgo);
    Start();
    ASSERT_TRUE(Press("Return"));  // Restore
    // Restored, the work is unsaved: the running program writes its copy anew.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const std::optional<TRecoveryCopy> copy = Copy();
            return copy && copy->WrittenAt > anHourAgo;
        },
        kCeilingMs));
    Kill(*app_);
    const std::optional<TRecoveryCopy> left = Copy();
    ASSERT_TRUE(left);
    EXPECT_NE(left->Document.find("Rate"), std::string::npos);

    // The next start asks again; Escape discards, and the copy goes.
    Start();
    ASSERT_TRUE(Press("Escape"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Copy(); }, kCeilingMs));
}

}  // namespace
}  // namespace quillix::test
