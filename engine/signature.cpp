#include "signature.h"

#include "game_state.h"
#include "hand_flow.h"
#include "scripted_person.h"

namespace corvane {

std::uint64_t PlaySignatureGames(int games) {
    // FNV-1a over the numbers, in order.
    std::uint64_t signature = 14695981039346656037ULL;
    const auto fold = [&signature](std::int64_t number) {
        signature = (signature ^ static_cast<std::uint64_t>(number)) * 1099511628211ULL;
    };
    Game g;
    BuildCardTable(g);
    ScriptedPerson person(g, 0);
    ScriptedTable table(person);
    g.AttachTable(&table);
    g.Dealer = PlayerTarvish;
    for (int game = 1; game <= games; ++game) {
        g.Random = RandomSource(static_cast<std::uint64_t>(game));
        person.Reseed(static_cast<std::uint64_t>(game));
        g.TargetScore = 1000;
        NewGame(g);
        fold(g.GameTotal[PlayerPerson]);
        fold(g.GameTotal[PlayerTarvish]);
        fold(g.Stats[PlayerPerson]);
        fold(g.TargetScore);
    }
    return signature;
}

}  // namespace corvane
