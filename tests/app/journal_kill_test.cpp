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

struct Block {
    int Start;            // which start of the driver wrote it
    std::string Heading;  // "@moment" or "@end"
    std::string State;
};

// The complete blocks of a driver's log, in order.
std::vector<Block> ReadBlocks(const QString& file) {
    std::vector<Block> blocks;
    std::ifstream in(file.toStdString());
    std::string heading, line, state;
    int start = 0;
    while (std::getline(in, line)) {
        if (line == "!" || line.empty()) {  // a new start: what came before it was cut short
            start += line == "!";
            heading.clear();
            state.clear();
        } else if (heading.empty()) {
            heading = line;
        } else if (line == ".") {
            blocks.push_back({start, heading, state});
            heading.clear();
            state.clear();
        } else {
            state += line + '\n';
        }
    }
    return blocks;
}

long long MomentOf(const Block& block) {
    return block.Heading == "@end" ? 1LL << 60 : std::stoll(block.Heading.substr(1));
}

bool RunDriver(const QString& journal, int seed, const QString& log, int killAfterMs) {
    QProcess driver;
    driver.start(QStringLiteral(CORVANE_JOURNAL_DRIVER), {journal, QString::number(seed), log});
    if (!driver.waitForStarted()) return false;
    if (killAfterMs >= 0 && !driver.waitForFinished(killAfterMs)) {
        ::kill(static_cast<pid_t>(driver.processId()), SIGKILL);
        driver.waitForFinished();
        return false;
    }
    driver.waitForFinished(60000);
    return driver.exitStatus() == QProcess::NormalExit && driver.exitCode() == 0;
}

TEST(JournalKill, AGameKilledAnywhereComesBackAsItStood) {
    const int kills = qEnvironmentVariableIsSet("CORVANE_KILLS")
                          ? qEnvironmentVariableIntValue("CORVANE_KILLS")
                          : 4;
    QTemporaryDir dir;
    std::mt19937 random(20261207);
    int killed = 0;
    for (int seed = 1; killed < kills; ++seed) {
        const QString reference = dir.filePath(QStringLiteral("reference%1.log").arg(seed));
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(RunDriver(dir.filePath(QStringLiteral("reference%1.sqlite").arg(seed)), seed,
                              reference, -1));
        const int length = static_cast<int>(clock.elapsed()) + 1;
        std::map<std::string, std::string> expected;
        for (const Block& block : ReadBlocks(reference)) expected[block.Heading] = block.State;

        // Killed up to eight times in this game, then left to finish it.
        const QString journal = dir.filePath(QStringLiteral("killed%1.sqlite").arg(seed));
        const QString log = dir.filePath(QStringLiteral("killed%1.log").arg(seed));
        for (int round = 0; round < 8 && killed < kills; ++round) {
            if (RunDriver(journal, seed, log, std::uniform_int_distribution<>(0, length)(random))) {
                break;
            }
            ++killed;
        }
        ASSERT_TRUE(RunDriver(journal, seed, log, -1));

        const std::vector<Block> seen = ReadBlocks(log);
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.back().Heading, "@end");
        for (std::size_t i = 0; i < seen.size(); ++i) {
            const auto found = expected.find(seen[i].Heading);
            ASSERT_NE(found, expected.end()) << "game " << seed << " " << seen[i].Heading;
            ASSERT_EQ(seen[i].State, found->second) << "game " << seed << " " << seen[i].Heading;
            // A start goes on from the last wait the one before reached, or later: every action
            // taken before that wait was kept.
            if (i > 0 && seen[i].Start != seen[i - 1].Start) {
                EXPECT_GE(MomentOf(seen[i]), MomentOf(seen[i - 1])) << "game " << seed;
            }
        }
    }
}

}  // namespace
}  // namespace corvane
