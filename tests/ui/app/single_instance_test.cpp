// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <memory>

#include "common/home_folder.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

constexpr int kCeilingMs = 60000;

// True while something accepts connections at path.
bool SomeoneListens(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool listening =
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return listening;
}

// A folder like /tmp: anyone may make things in it.
void OpenToEveryone(const TempFolder& folder) {
    ::chmod(folder.Path().c_str(), 01777);
}

// Another local user: the peer program under the ids of "nobody". Only root
// can become another user, so the tests that need one are skipped otherwise.
class TOtherUser {
  public:
    static std::string Unavailable() {
        if (::geteuid() != 0) return "only root can act as a second user";
        if (!QFile::exists(QStringLiteral("/usr/bin/setpriv"))) return "setpriv is not installed";
        return {};
    }
    // Runs the peer with args as nobody; for "listen", waits until it listens.
    explicit TOtherUser(const QStringList& args) {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        process_.setProcessEnvironment(env);
        process_.start(
            QStringLiteral("/usr/bin/setpriv"),
            QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                        QStringLiteral("--clear-groups"), QStringLiteral(QUILLIX_PEER_PATH)} +
                args);
        EXPECT_TRUE(process_.waitForStarted(10000));
        if (args.value(0) == QStringLiteral("listen")) {
            // Each piece of its output arrives as a signal; "listening" is the one awaited.
            while (!Output().contains("listening") && process_.waitForReadyRead(kCeilingMs)) {
            }
            EXPECT_TRUE(Output().contains("listening")) << Output().toStdString();
        }
    }
    ~TOtherUser() {
        process_.closeWriteChannel();  // the peer ends when its input closes
        if (!process_.waitForFinished(10000)) process_.kill();
        process_.waitForFinished(10000);
    }
    QString Output() {
        output_ += QString::fromUtf8(process_.readAll());
        return output_;
    }
    QProcess& Process() { return process_; }

  private:
    QProcess process_;
    QString output_;
};

TEST(SingleInstance, ASecondClaimAsksTheFirstToShowItself) {
    TempFolder folder;
    const TInstanceSocketPlace place{folder.File("CalcMutex01-pair"), {}};
    TSingleInstance first(place);
    ASSERT_TRUE(first.Claim());
    EXPECT_TRUE(first.Problem().isEmpty());
    QSignalSpy activated(&first, &TSingleInstance::activateRequested);
    TSingleInstance second(place);
    EXPECT_FALSE(second.Claim());
    EXPECT_TRUE(activated.wait(kCeilingMs));
    EXPECT_EQ(activated.count(), 1);
}

TEST(SingleInstance, WhateverIsLeftAtTheNameInTheOwnFolderIsTakenOver) {
    TempFolder folder;
    for (const char* left : {"a regular file", "a socket nobody answers"}) {
        const std::string path = folder.File("CalcMutex01-left");
        if (std::string(left) == "a regular file") {
            folder.Write("CalcMutex01-left", "x");
        } else {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
            ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ::close(fd);  // bound, never listening: what a killed instance leaves
        }
        TSingleInstance first(TInstanceSocketPlace{path, {}});
        EXPECT_TRUE(first.Claim()) << left;
        EXPECT_TRUE(first.Problem().isEmpty()) << left;  // guarded, not dropped
        EXPECT_TRUE(SomeoneListens(path)) << left;
        QSignalSpy activated(&first, &TSingleInstance::activateRequested);
        TSingleInstance second(TInstanceSocketPlace{path, {}});
        EXPECT_FALSE(second.Claim()) << left;
        EXPECT_TRUE(activated.wait(kCeilingMs)) << left;
    }
}

TEST(SingleInstance, WithoutAPlaceItRunsUnguardedAndSaysWhy) {
    TSingleInstance instance(
        TInstanceSocketPlace{"", {"\"/tmp/quillix-0\" belongs to another user"}});
    EXPECT_TRUE(instance.Claim());
    EXPECT_EQ(instance.Problem().toStdString(),
              "Quillix runs without its single-instance guard: \"/tmp/quillix-0\" belongs to "
              "another user");
}

TEST(SingleInstance, AListenerOfAnotherUserIsNeverHandedTheStart) {
    if (const std::string why = TOtherUser::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    TempFolder folder;
    OpenToEveryone(folder);
    const std::string path = folder.File("CalcMutex01-taken");
    TOtherUser other({QStringLiteral("listen"), QString::fromStdString(path)});
    TSingleInstance victim(TInstanceSocketPlace{path, {}});
    EXPECT_TRUE(victim.Claim());  // runs, unguarded, rather than hand over or vanish
    EXPECT_TRUE(victim.Problem().contains(QStringLiteral("another user listens")))
        << victim.Problem().toStdString();
    QTest::qWait(0);
    EXPECT_FALSE(other.Output().contains(QStringLiteral("got:"))) << other.Output().toStdString();
}

TEST(SingleInstance, AnotherUserCannotRaiseTheWindow) {
    if (const std::string why = TOtherUser::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    TempFolder folder;
    OpenToEveryone(folder);
    const std::string path = folder.File("CalcMutex01-raise");
    TSingleInstance first(TInstanceSocketPlace{path, {}});
    ASSERT_TRUE(first.Claim());
    ::chmod(path.c_str(), 0777);  // let the stranger connect at all
    QSignalSpy activated(&first, &TSingleInstance::activateRequested);
    TOtherUser other(
        {QStringLiteral("send"), QString::fromStdString(path), QStringLiteral("1927")});
    // Waited for with the event loop running: the instance must serve the stranger
    // (and refuse it) before the stranger can finish.
    QSignalSpy finished(&other.Process(), &QProcess::finished);
    EXPECT_TRUE(other.Process().state() == QProcess::NotRunning || finished.wait(kCeilingMs));
    EXPECT_EQ(activated.count(), 0);
    // The same user still can.
    TSingleInstance second(TInstanceSocketPlace{path, {}});
    EXPECT_FALSE(second.Claim());
    EXPECT_TRUE(activated.wait(kCeilingMs));
}

// The desktop program itself, in a private temporary folder (TMPDIR) of the test.
class SingleInstanceProcess : public ::testing::Test {
  protected:
    TempFolder temp;
    QString tag = QStringLiteral("proc%1").arg(QCoreApplication::applicationPid());

    std::unique_ptr<QProcess> Start(const TempFolder& home, const QStringList& extra = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QUILLIX_INSTANCE_TAG"), tag);
        env.insert(QStringLiteral("TMPDIR"), QString::fromStdString(temp.Path()));
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
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

    // Where the program listens for this home, as it chooses it.
    std::string SocketOf(const TempFolder& home) const {
        const std::string folder = JoinPath(temp.Path(), "quillix-" + std::to_string(::getuid()));
        return JoinPath(folder, InstanceSocketName(home.Path(), tag.toStdString()));
    }

    bool WaitListening(const TempFolder& home) const {
        const std::string path = SocketOf(home);
        return QTest::qWaitFor([&] { return SomeoneListens(path); }, kCeilingMs);
    }

    static void Stop(QProcess& process) {
        process.kill();
        process.waitForFinished(10000);
    }
};

TEST_F(SingleInstanceProcess, SecondStartEndsAndAStartAfterAKillRuns) {
    TempFolder home;
    auto first = Start(home, {QStringLiteral("Auto")});
    ASSERT_TRUE(WaitListening(home));
    auto second = Start(home);
    ASSERT_TRUE(second->waitForFinished(30000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    first->kill();  // SIGKILL, and nothing at all if it has already gone
    first->waitForFinished(10000);
    auto third = Start(home, {QStringLiteral("Auto")});
    ASSERT_TRUE(WaitListening(home));
    EXPECT_EQ(third->state(), QProcess::Running);
    auto fourth = Start(home);
    ASSERT_TRUE(fourth->waitForFinished(30000));
    EXPECT_EQ(fourth->exitCode(), 0);
    Stop(*third);
}

TEST_F(SingleInstanceProcess, AnotherHomeIsAnotherInstance) {
    TempFolder home;
    TempFolder otherHome;
    auto first = Start(home, {QStringLiteral("Auto")});
    ASSERT_TRUE(WaitListening(home));
    auto second = Start(otherHome, {QStringLiteral("Auto")});
    ASSERT_TRUE(WaitListening(otherHome));
    EXPECT_EQ(second->state(), QProcess::Running);
    EXPECT_EQ(first->state(), QProcess::Running);
    Stop(*second);
    Stop(*first);
}

TEST_F(SingleInstanceProcess, AnotherUserWhoTakesTheNameFirstGetsNothing) {
    if (const std::string why = TOtherUser::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    OpenToEveryone(temp);
    TempFolder home;
    // The stranger listens where a start used to look (the shared temporary
    // folder) and in the private folder's place, made first, as their own.
    const std::string legacy = JoinPath(
        temp.Path(), "CalcMutex01-" + std::to_string(::getuid()) + "-" + tag.toStdString());
    TOtherUser other({QStringLiteral("listen"), QString::fromStdString(legacy),
                      QString::fromStdString(SocketOf(home))});
    auto victim = Start(home, {QStringLiteral("Auto"), QStringLiteral("-debug")});
    // It starts, unguarded, and says so once in its diagnostic log.
    const QString logPath = QString::fromStdString(home.File("HHDebug.txt"));
    const auto logText = [&] {
        QFile log(logPath);
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return logText().contains("without its single-instance guard"); }, kCeilingMs))
        << "state " << victim->state() << ", exit " << victim->exitCode();
    EXPECT_EQ(victim->state(), QProcess::Running);
    EXPECT_EQ(logText().count("without its single-instance guard"), 1);
    EXPECT_TRUE(logText().contains("belongs to another user")) << logText().toStdString();
    EXPECT_FALSE(other.Output().contains(QStringLiteral("got:"))) << other.Output().toStdString();
    Stop(*victim);
}

}  // namespace
}  // namespace quillix::test
