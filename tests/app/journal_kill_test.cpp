// A real process with a real journal file, killed at random moments and started again: every
// state it shows after a restart, and the end of the game, are those of a run never killed.
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace corvane {
namespace {

constexpr long long kEnd = 1LL << 60;      // the end comes after every wait
constexpr long long kFinished = kEnd + 1;  // and the history's record of the game after it

struct Block {
    int Start;         // which start of the driver wrote it
    long long Moment;  // the wait it was written at ("@moment"), kEnd, kFinished; -1 before
    std::string State;
};

// The complete blocks of a driver's log, in order; a start ("!") cuts short the block before it.
std::vector<Block> ReadBlocks(const QString& file) {
    std::vector<Block> blocks;
    std::ifstream in(file.toStdString());
    Block block{0, -1, {}};
    for (std::string line; std::getline(in, line);) {
        if (line == "!" || line.empty() || line == ".") {
            if (line == ".") blocks.push_back(block);
            block = {block.Start + (line == "!"), -1, {}};
        } else if (block.Moment < 0) {
            block.Moment = line == "@end"        ? kEnd
                           : line == "@finished" ? kFinished
                                                 : std::stoll(line.substr(1));
        } else {
            block.State += line + '\n';
        }
    }
    return blocks;
}

// Runs the driver to its end, or kills it after the given time; true when it ended by itself.
bool RunDriver(const QString& journal, int seed, const QString& log, int killAfterMs = 60000) {
    QProcess driver;
    driver.start(QStringLiteral(CORVANE_JOURNAL_DRIVER), {journal, QString::number(seed), log});
    if (driver.waitForStarted() && !driver.waitForFinished(killAfterMs))
        ::kill(static_cast<pid_t>(driver.processId()), SIGKILL);
    driver.waitForFinished();
    return driver.exitStatus() == QProcess::NormalExit && driver.exitCode() == 0;
}

TEST(JournalKill, AGameKilledAnywhereComesBackAsItStood) {
    const int kills = qEnvironmentVariable("CORVANE_KILLS", QStringLiteral("4")).toInt();
    QTemporaryDir dir;
    std::mt19937 random(20261207);
    int killed = 0;
    for (int seed = 1; killed < kills; ++seed) {
        const auto path = [&](const char* name) {
            return dir.filePath(QString::fromLatin1(name).arg(seed));
        };
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(RunDriver(path("reference%1.sqlite"), seed, path("reference%1.log")));
        std::uniform_int_distribution<> when(0, static_cast<int>(clock.elapsed()) + 1);
        std::map<long long, std::string> expected;
        for (const Block& block : ReadBlocks(path("reference%1.log")))
            expected[block.Moment] = block.State;

        // Killed up to eight times in this game, then left to finish it.
        const QString journal = path("killed%1.sqlite"), log = path("killed%1.log");
        for (int round = 0; round < 8 && killed < kills; ++round, ++killed) {
            if (RunDriver(journal, seed, log, when(random))) break;
        }
        ASSERT_TRUE(RunDriver(journal, seed, log));

        const std::vector<Block> seen = ReadBlocks(log);
        EXPECT_EQ(seen.empty() ? 0 : seen.back().Moment, kFinished);
        for (std::size_t i = 0; i < seen.size(); ++i) {
            SCOPED_TRACE("game " + std::to_string(seed) + " @" + std::to_string(seen[i].Moment));
            ASSERT_EQ(seen[i].State, expected[seen[i].Moment]);
            // A start goes on from the last wait the one before reached, or later: every action
            // taken before that wait was kept.
            const bool restarted = i > 0 && seen[i].Start != seen[i - 1].Start;
            EXPECT_GE(seen[i].Moment, restarted ? seen[i - 1].Moment : 0);
        }
    }
}

}  // namespace
}  // namespace corvane
