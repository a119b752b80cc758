#include "game_decisions.h"

#include "card_table.h"
#include "decision_recorder.h"
#include "game_journal.h"
#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "journal.h"
#include "replay_table.h"
#include "review_rows.h"

namespace corvane {

namespace {

bool Stopped(const std::atomic<bool>* stop) {
    return stop != nullptr && stop->load(std::memory_order_relaxed);
}

}  // namespace

std::vector<review::DecisionPoint> DecisionsOf(const GameRecord& record,
                                               const std::atomic<bool>* stop, bool askExpert) {
    Game g;
    BuildCardTable(g);
    // Nobody waits at this table: once the record is spent, an unfinished hand is given up.
    HeadlessTable idle;
    g.AttachTable(&idle);
    StartUp(g);
    SetUpGame(g, record.Start);
    DecisionRecorder recorder;
    recorder.setAskExpert(askExpert);
    ReplayTable replay(g, record.Actions, idle);
    replay.beforeAction = [&](const Game& game, const PersonAction& action) {
        if (!Stopped(stop)) recorder.record(game, action);
    };
    g.AttachTable(&replay);
    NewGame(g);
    g.AttachTable(nullptr);
    return recorder.game();
}

GameRating RatingOf(const std::vector<review::ReviewedDecision>& decisions) {
    const review::GameSummary summary = review::SummariseGame(decisions);
    return {summary.Decisions, summary.AverageLoss, summary.ExpertAverageLoss, summary.Luck,
            summary.Rating};
}

std::optional<std::vector<review::ReviewedDecision>> ReviewGame(const GameRecord& record,
                                                                const std::atomic<bool>* stop) {
    const std::vector<review::DecisionPoint> points = DecisionsOf(record, stop);
    std::vector<review::ReviewedDecision> reviewed;
    reviewed.reserve(points.size());
    for (const review::DecisionPoint& point : points) {
        if (Stopped(stop)) return std::nullopt;
        reviewed.push_back(review::Review(point));
    }
    if (Stopped(stop)) return std::nullopt;
    return reviewed;
}

GameForReview ReplayForReview(const GameRecord& record, const std::vector<std::string>& rows) {
    GameForReview r;
    if (!rows.empty()) {
        r.Reviewed = Reviewed(DecisionsOf(record, nullptr, false), rows);
        if (r.Reviewed) return r;
    }
    r.Points = DecisionsOf(record);
    return r;
}

bool SaveReview(Journal& journal, qint64 game,
                const std::vector<review::ReviewedDecision>& decisions) {
    std::vector<std::string> rows;
    rows.reserve(decisions.size());
    for (const review::ReviewedDecision& d : decisions) rows.push_back(ReviewRow(d));
    return journal.saveReview(game, RatingOf(decisions), rows);
}

}  // namespace corvane
