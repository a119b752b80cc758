// Copies of the real program on one data folder, as two clicks on the menu entry start them.
#include <QDeadlineTimer>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "journal.h"
#include "single_instance.h"

namespace corvane {
namespace {

class SingleInstanceTest : public testing::Test {
protected:
    // A copy on the shared folders; one left running is killed with the test.
    QProcess& Start() {
        auto& copy = copies.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        copy->setProcessEnvironment(env);
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start(QStringLiteral(CORVANE_PROGRAM), {});
        EXPECT_TRUE(copy->waitForStarted());
        return *copy;
    }

    // True once `copy` holds the lock, that is, runs the game.
    bool HoldsTheLock(const QProcess& copy) {
        const QLockFile lock(QDir(folder).filePath(QLatin1String(InstanceLockName)));
        qint64 pid = 0;
        return QTest::qWaitFor(
            [&] { return lock.getLockInfo(&pid, nullptr, nullptr) && pid == copy.processId(); },
            60000);
    }

    // A later copy hands over to the running one and ends by itself, content.
    void ExpectHandsOver() {
        QProcess& later = Start();
        ASSERT_TRUE(later.waitForFinished(60000)) << "the later copy ends";
        EXPECT_EQ(later.exitStatus() == QProcess::NormalExit ? later.exitCode() : -1, 0);
    }

    QTemporaryDir home, runtime;
    const QString folder = home.filePath(QStringLiteral("data/Corvane"));
    std::vector<std::unique_ptr<QProcess>> copies;
};

// A second launch raises the first and leaves its game alone; after a crash the next start takes
// the stale lock over at once, and the game is still there to carry on.
TEST_F(SingleInstanceTest, ALaterCopyHandsOverAndTheGameSurvivesACrash) {
    const GameStart start{0x5EED0019ULL, 1, 1500, SpeedFast, "Ada Quill", OpponentLevel::Classic};
    const QString journal = QDir(folder).filePath(QStringLiteral("journal.sqlite"));
    QDir().mkpath(folder);
    ASSERT_GT(Journal(journal).beginGame(start), 0);

    QProcess& first = Start();
    ASSERT_TRUE(HoldsTheLock(first));
    ExpectHandsOver();
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();  // as kill -9 does
    first.waitForFinished();
    QProcess& next = Start();
    ASSERT_TRUE(HoldsTheLock(next)) << "a dead copy's lock does not stop the next start";
    ExpectHandsOver();
    next.kill();
    next.waitForFinished();

    const Journal after(journal);
    EXPECT_TRUE(after.setAside().isEmpty());
    const std::optional<GameRecord> unfinished = after.unfinishedGame();
    ASSERT_TRUE(unfinished.has_value()) << "nobody left the game or set the journal aside";
    EXPECT_EQ(unfinished->Start.Seed, start.Seed);
}

// A copy that holds the lock but does not answer (here: its event loop never runs) is neither
// raised nor taken over: the later copy learns it in the time given and leaves.
TEST_F(SingleInstanceTest, ACopyThatDoesNotAnswerKeepsItsLock) {
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", before); });
    SingleInstance running(folder);
    ASSERT_EQ(running.claim(), SingleInstance::Claim::First);
    QDeadlineTimer given(2000);
    EXPECT_EQ(SingleInstance(folder).claim(300), SingleInstance::Claim::NoAnswer);
    EXPECT_FALSE(given.hasExpired()) << "the later copy waits only as long as it was given";
    EXPECT_EQ(SingleInstance(folder).claim(0), SingleInstance::Claim::NoAnswer);
}

}  // namespace
}  // namespace corvane
