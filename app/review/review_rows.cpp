#include "review_rows.h"

#include <sstream>

namespace corvane {

namespace {

constexpr int kRowVersion = 1;

void Write(std::ostream& out, const review::Option& o) {
    out << ' ' << o.Card << ' ' << o.Meld.Kind << ' ' << o.Meld.Suit << ' ' << o.Meld.Cards << ' '
        << o.Meld.Points << ' ' << o.Value << ' ' << o.Error << ' ' << o.Loss << ' ' << o.LossError;
}

bool Read(std::istream& in, review::Option& o) {
    return static_cast<bool>(in >> o.Card >> o.Meld.Kind >> o.Meld.Suit >> o.Meld.Cards >>
                             o.Meld.Points >> o.Value >> o.Error >> o.Loss >> o.LossError);
}

}  // namespace

std::string ReviewRow(const review::ReviewedDecision& d) {
    std::ostringstream out;
    out.precision(17);
    const review::DecisionPoint& p = d.Point;
    out << kRowVersion << ' ' << p.Hand << ' ' << p.Declaration << ' ' << p.Card << ' '
        << p.MeldKind << ' ' << p.MeldSuit << ' ' << p.ExpertCard << ' ' << p.ExpertMeldKind << ' '
        << p.ExpertMeldSuit;
    Write(out, d.Chosen);
    Write(out, d.Best);
    Write(out, d.Expert);
    out << ' ' << static_cast<int>(d.Grading) << ' ' << d.Expected;
    return out.str();
}

std::optional<std::vector<review::ReviewedDecision>> Reviewed(
    const std::vector<review::DecisionPoint>& points, const std::vector<std::string>& rows) {
    if (rows.size() != points.size()) return std::nullopt;
    std::vector<review::ReviewedDecision> reviewed(points.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::istringstream in(rows[i]);
        review::ReviewedDecision& d = reviewed[i];
        d.Point = points[i];
        review::DecisionPoint& p = d.Point;
        int version = 0, hand = 0, card = 0, kind = 0, suit = 0, grade = 0;
        bool declaration = false;
        if (!(in >> version >> hand >> declaration >> card >> kind >> suit >> p.ExpertCard >>
              p.ExpertMeldKind >> p.ExpertMeldSuit) ||
            version != kRowVersion || !Read(in, d.Chosen) || !Read(in, d.Best) ||
            !Read(in, d.Expert) || !(in >> grade >> d.Expected) || grade < 0 ||
            grade >= review::GradeCount) {
            return std::nullopt;
        }
        // The row must be this decision's: the same hand and the same choice.
        if (hand != p.Hand || declaration != p.Declaration || card != p.Card ||
            kind != p.MeldKind || suit != p.MeldSuit) {
            return std::nullopt;
        }
        d.Grading = static_cast<review::Grade>(grade);
    }
    return reviewed;
}

}  // namespace corvane
