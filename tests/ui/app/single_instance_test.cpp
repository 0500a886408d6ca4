// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "support/temp_folder.h"

namespace quillix::test {
namespace {

QString UniqueName(const char* what) {
    return QStringLiteral("quillix-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(what);
}

TEST(SingleInstance, ASecondClaimAsksTheFirstToShowItself) {
    TSingleInstance first(UniqueName("pair"));
    ASSERT_TRUE(first.Claim());
    QSignalSpy activated(&first, &TSingleInstance::activateRequested);
    TSingleInstance second(UniqueName("pair"));
    EXPECT_FALSE(second.Claim());
    EXPECT_TRUE(activated.wait(5000));
    EXPECT_EQ(activated.count(), 1);
}

// The desktop program itself: a second start ends at once without a window,
// and a start after a killed first one is not stopped by what it left behind.
class SingleInstanceProcess : public ::testing::Test {
  protected:
    TempFolder home;
    QString tag = QStringLiteral("proc%1").arg(QCoreApplication::applicationPid());

    std::unique_ptr<QProcess> Start(const QStringList& extra = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QUILLIX_INSTANCE_TAG"), tag);
        // The program's own leaks are checked by the other tests; here only
        // its exit matters.
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        process->setProcessEnvironment(env);
        process->start(
            QStringLiteral(QUILLIX_GUI_PATH),
            QStringList{QStringLiteral("--home"), QString::fromStdString(home.Path())} + extra);
        EXPECT_TRUE(process->waitForStarted(10000));
        return process;
    }

    // True once something listens on the instance's socket.
    bool WaitListening() {
        qputenv("QUILLIX_INSTANCE_TAG", tag.toUtf8());
        const QString name = SingleInstanceName();
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 60000) {
            QLocalSocket probe;
            probe.connectToServer(name);
            if (probe.waitForConnected(200)) return true;
            QTest::qWait(100);
        }
        return false;
    }
};

TEST_F(SingleInstanceProcess, SecondStartEndsAndAStartAfterAKillRuns) {
    auto first = Start({QStringLiteral("Auto")});
    ASSERT_TRUE(WaitListening());
    auto second = Start();
    ASSERT_TRUE(second->waitForFinished(30000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
    first->waitForFinished(10000);
    auto third = Start({QStringLiteral("Auto")});
    ASSERT_TRUE(WaitListening());
    EXPECT_EQ(third->state(), QProcess::Running);
    auto fourth = Start();
    ASSERT_TRUE(fourth->waitForFinished(30000));
    EXPECT_EQ(fourth->exitCode(), 0);
    third->kill();
    third->waitForFinished(10000);
}

}  // namespace
}  // namespace quillix::test
