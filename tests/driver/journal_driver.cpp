// Plays one seeded game with the journal, as fast as it goes: a scripted person acts once at every
// wait, the action journaled before it is carried out. Started on a journal that holds an
// unfinished game, it plays that game again and goes on from where it stood. The kill test
// kills it at random moments and compares what it wrote with a run never killed.
//
//   journal_driver JOURNAL SEED LOG
//
// LOG receives the whole state of the game (every field of the game and everything the table
// shows) at every wait for the person, headed "@moment", and at the end, headed "@end"; each
// block ends in a line ".", and each start begins with a line "!", so that a block cut short by a
// kill can be told.
#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "display.h"
#include "game_journal.h"
#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "journal.h"
#include "scripted_person.h"

namespace corvane {
namespace {

std::string Describe(const Game& g, const HeadlessTable& table) {
    std::ostringstream out;
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& card = g.CardTable[i];
        out << "card " << i << ' ' << card.Location << ' ' << card.OnTable;
        for (int k = 1; k <= MeldKindCount; ++k) out << card.MeldUsed[k] << card.MeldColumn[k];
        const HeadlessTable::CardPicture& picture = table.Cards[i];
        out << " at " << g.PicturePlace[i].Left << ',' << g.PicturePlace[i].Top << " shown "
            << picture.Left << ',' << picture.Top << ' ' << picture.Image << ' ' << picture.Visible
            << '\n';
    }
    // Each array on a line of its own.
    const auto put = [&out](const auto&... a) {
        ((std::ranges::for_each(a, [&](const auto& v) { out << v << ' '; }), out << '\n'), ...);
    };
    put(table.StackingOrder(), g.Stats, g.GameTotal, g.WinsGame, g.HandScore, g.TrickTotal,
        g.LastTrickScore, g.LastMeldScore, g.CorvaneMade, g.TrickCard, g.HasLead);
    out << "prefs " << g.PlayerName << '|' << g.Speed << ' ' << g.TargetScore << ' '
        << int(g.TarvishLevel) << " game " << g.GameInProgress << g.HandOver << ' ' << g.Dealer
        << ' ' << g.CardsUsed << ' ' << g.StockCount << ' ' << g.UpCard << ' ' << g.TrumpSuit << ' '
        << g.RoundNo << ' ' << g.Round1 << g.Round2 << ' ' << g.Round2Tricks << ' '
        << g.DixExchanged << g.MeldMade << g.Knocked << g.WaitingForPlayer << ' '
        << g.TarvishPileTop << ' ' << g.PlayerPileTop << ' ' << g.TrickWinner << ' ' << g.PauseTime
        << ' ' << g.DialogChoice << ' ' << g.InputMoments << '\n';
    for (int i = 0; i < ControlCount; ++i)
        out << "control " << g.Controls[i].Visible << g.Controls[i].Caption << '|'
            << table.Controls[i].Visible << table.Controls[i].Caption << '\n';
    for (int panel = 1; panel <= 4; ++panel)
        out << "panel " << table.Panels[panel].Image << table.Panels[panel].Text << '\n';
    out << "caption " << table.WindowCaption << '\n';
    return out.str();
}

std::string Describe(const std::vector<FinishedGame>& history) {
    std::ostringstream out;
    for (const FinishedGame& game : history) {
        out << "target " << game.Target << " level " << int(game.Level) << " winner " << game.Winner
            << " totals " << game.Totals[PlayerPerson] << ' ' << game.Totals[PlayerTarvish] << '\n';
        for (const HandSummary& hand : game.Hands)
            out << "hand " << hand.Melds.size() << ' ' << hand.MeldPoints(PlayerPerson) << ' '
                << hand.MeldPoints(PlayerTarvish) << ' ' << hand.TrickPoints[PlayerPerson] << ' '
                << hand.TrickPoints[PlayerTarvish] << ' ' << hand.Knocker << '\n';
    }
    return out.str();
}

int Run(const QString& journalFile, std::uint64_t seed, const char* logFile) {
    Journal journal(journalFile);
    if (!journal.isOpen()) return 2;
    std::ofstream log(logFile, std::ios::app);
    const auto write = [&](const std::string& heading, const std::string& state) {
        log << heading << '\n' << state << ".\n" << std::flush;
    };
    log << "\n!\n";
    // Its game was finished before this start: nothing is left to play.
    if (!journal.history().empty()) {
        write("@finished", Describe(journal.history()));
        return 0;
    }

    GameJournal keeper(journal);
    Game g;
    BuildCardTable(g);
    g.Dealer = PlayerTarvish;
    HeadlessTable table;
    ScriptedPerson person(g, seed);
    // One action at each wait, the first the script chooses: a kill then loses a whole action
    // or none, and the person's choices depend on the moment alone, so that a game resumed
    // chooses as the game never stopped would have.
    bool acted = false;
    person.Through = [&](const PersonAction& action) {
        if (std::exchange(acted, true)) return;
        keeper.recordAction(g, action);
        Perform(g, action);
    };
    table.OnWaitForPlayer = [&] {
        write("@" + std::to_string(g.InputMoments), Describe(g, table));
        const std::uint64_t moment = static_cast<std::uint64_t>(g.InputMoments);
        person.Reseed(seed * 1000003ULL + moment);
        person.DeclarationTries = moment % 3 == 0 ? 0 : 1;  // Cancel now and then
        acted = false;
        // The script names the marriage in the same turn as the panel it opens.
        if (IsVisible(g, Control::FramMarriage))
            person.Through({PersonAction::Kind::Control, 0,
                            "CmdMarriage(" + std::to_string(1 + moment % 4) + ")"});
        else
            person.Act();
    };
    if (const std::optional<GameRecord> record = journal.unfinishedGame()) {
        keeper.playResumed(g, *record, table);
    } else {
        g.AttachTable(&table);
        g.Random = RandomSource(seed);
        keeper.playNewGame(g);
    }
    write("@end", Describe(g, table));
    g.AttachTable(nullptr);
    write("@finished", Describe(journal.history()));
    return 0;
}

}  // namespace
}  // namespace corvane

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;  // journal_driver JOURNAL SEED LOG
    return corvane::Run(QString::fromLocal8Bit(argv[1]), std::strtoull(argv[2], nullptr, 10),
                        argv[3]);
}
