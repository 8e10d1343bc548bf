#include "game/audit/audit.h"

#include <algorithm>
#include <limits>
#include <map>

#include "rules/spinevaluation.h"

namespace melvane {

namespace {

constexpr std::int64_t kCreditLimit = std::numeric_limits<std::int32_t>::max();
constexpr std::array<int, 4> kMultipliers = {2, 3, 5, 10};

struct Located {
    const JournalGame *game;
    int index;
    const JournalStep *step;
};

// Where a player's books stand between two steps.
struct Books {
    bool known = false;
    std::int64_t credit = 0;
    std::int64_t roundTotal = 0;
    int freespins = 0;
    int freespinsdone = 0;
    std::int64_t atRisk = 0; // the gamble's amount, while one is open
    std::int64_t staked = 0; // what the open gamble took from the credit
    bool gambleOpen = false;
};

bool cardWins(GambleBet bet, int card)
{
    const bool red = card == 1 || card == 3;
    switch (bet) {
    case GambleBet::Red:
        return red;
    case GambleBet::Black:
        return !red;
    case GambleBet::None:
        return false;
    default:
        return card == static_cast<int>(bet) - static_cast<int>(GambleBet::Hearts) + 1;
    }
}

class Auditor {
public:
    explicit Auditor(AuditReport &report) : report_(report) {}

    void step(const Located &at, Books &books)
    {
        at_ = at;
        const JournalStep &s = *at.step;
        if (s.kind == StepKind::Adjustment) {
            ++report_.adjustments;
            books = {true, s.creditAfter, s.roundTotal, s.freespins, s.freespinsdone, 0, 0, false};
            return;
        }
        if (books.known && s.creditBefore != books.credit)
            fail("the credit before the step is " + std::to_string(s.creditBefore) + ", the step before left " +
                 std::to_string(books.credit));
        if (!books.known)
            books = {true, s.creditBefore, 0, 0, 0, 0, 0, false};
        std::int64_t credit = s.creditBefore;
        std::int64_t round = books.roundTotal;
        switch (s.kind) {
        case StepKind::Spin:
        case StepKind::FreeSpin:
            spin(s, books, credit, round);
            break;
        case StepKind::Collect:
            expect(s.amount == round, "collect of " + std::to_string(s.amount) + ", the round held " +
                                          std::to_string(round));
            if (s.creditAfter == s.creditBefore + s.amount) {
                round = 0;
                credit += s.amount;
            } else {
                expect(s.creditBefore + s.amount > kCreditLimit, "a collect that did not reach a credit with room");
            }
            books.freespins = books.freespinsdone = 0;
            break;
        case StepKind::GambleOpen:
            credit -= s.amount;
            books.gambleOpen = true;
            books.atRisk = books.staked = s.amount;
            break;
        case StepKind::GambleCard:
            card(s, books);
            break;
        case StepKind::GambleCollect:
            expect(books.gambleOpen && s.amount == books.atRisk, "a gamble collect of an amount not at risk");
            credit += s.amount;
            books.gambleOpen = false;
            break;
        case StepKind::GambleLost:
            expect(s.amount == books.staked, "a gamble loss of " + std::to_string(s.amount) + ", staked " +
                                                 std::to_string(books.staked));
            books.gambleOpen = false;
            break;
        case StepKind::Credit:
        case StepKind::FastMoney:
            expect(s.amount == (s.kind == StepKind::Credit ? 10 : 5000), "credit of an amount no button puts on");
            credit += s.amount;
            break;
        case StepKind::Adjustment:
            break;
        }
        expect(s.creditAfter == credit, "credit after the step " + std::to_string(s.creditAfter) + ", the rules give " +
                                            std::to_string(credit));
        expect(s.roundTotal == round, "round total after the step " + std::to_string(s.roundTotal) +
                                          ", the rules give " + std::to_string(round));
        books.credit = s.creditAfter;
        books.roundTotal = s.roundTotal;
    }

private:
    void spin(const JournalStep &s, Books &books, std::int64_t &credit, std::int64_t &round)
    {
        const bool free = s.kind == StepKind::FreeSpin;
        for (int stop : s.stops)
            if (!isValidStop(stop)) {
                fail("a stop off the strip");
                return;
            }
        if (!isValidWaysmult(s.waysmult) || s.coinbet < 1 || s.stake != std::int64_t{s.coinbet} * s.waysmult) {
            fail("a bet the machine does not offer");
            return;
        }
        const SpinEvaluation e = evaluateSpin(s.stops, s.waysmult, s.coinbet, free);
        std::vector<PayPart> parts;
        for (const SymbolPay &p : e.ways.list())
            parts.push_back({p.symbol, p.run, p.ways, std::int64_t{p.pay} * s.coinbet});
        expect(parts == s.parts, "the symbols' pays differ from the stops'");
        expect(s.scatterPay == e.scatter.scatterwin, "scatter pay " + std::to_string(s.scatterPay) +
                                                         ", the stops pay " + std::to_string(e.scatter.scatterwin));
        expect(s.freeSpinsAdded == e.freeSpinsAdded, "free spins added " + std::to_string(s.freeSpinsAdded) +
                                                         ", the stops give " + std::to_string(e.freeSpinsAdded));
        if (free) {
            const bool drawn = std::find(kMultipliers.begin(), kMultipliers.end(), s.wildmult) != kMultipliers.end();
            expect(drawn, "a multiplier the draw never gives");
            expect(s.win == e.spinwin * s.wildmult, "win " + std::to_string(s.win) + ", the stops give " +
                                                        std::to_string(e.spinwin) + " x " + std::to_string(s.wildmult));
            expect(books.freespins > books.freespinsdone, "a free spin outside a running round");
        } else {
            expect(s.wildmult == 0 && s.win == e.spinwin,
                   "win " + std::to_string(s.win) + ", the stops give " + std::to_string(e.spinwin));
            expect(books.freespins == 0 && !books.gambleOpen, "a paid spin inside a round or a gamble");
            books.freespins = books.freespinsdone = 0;
        }
        // A win no meter could take is recorded as such; it then moves neither books.
        const std::int64_t win = s.uncredited ? 0 : s.win;
        const std::int64_t stake = s.stakeCharged ? s.stake : 0;
        if (s.uncredited)
            ++report_.uncredited;
        // A retrigger the 16-bit count could not take adds nothing.
        int spins = books.freespins + s.freeSpinsAdded;
        if (spins > std::numeric_limits<std::int16_t>::max())
            spins = books.freespins;
        const int done = books.freespinsdone + (spins > 0 ? 1 : 0);
        expect(s.freespins == spins && s.freespinsdone == done, "the round's count of spins does not follow");
        books.freespins = s.freespins;
        books.freespinsdone = s.freespinsdone;
        if (spins > 0) {
            round += win;
            // Every spin of a round is refunded but its last.
            if (done == spins)
                credit -= stake;
        } else {
            credit += win - stake;
        }
    }

    void card(const JournalStep &s, Books &books)
    {
        if (!books.gambleOpen || s.card < 1 || s.card > 4) {
            fail("a card outside an open gamble, or no card at all");
            return;
        }
        expect(s.won == cardWins(s.bet, s.card), "a card that does not decide its bet as recorded");
        if (!s.won) {
            expect(s.amount == 0, "a lost card with an amount");
            return;
        }
        const int pays = s.bet == GambleBet::Red || s.bet == GambleBet::Black ? 2 : 4;
        // A doubling the credit could not take back is skipped: the amount stays.
        expect(s.amount == books.atRisk * pays || s.amount == books.atRisk, "a won card's amount " +
                                                                                std::to_string(s.amount));
        books.atRisk = s.amount;
    }

    void expect(bool ok, const std::string &what)
    {
        if (!ok)
            fail(what);
    }
    void fail(const std::string &what)
    {
        report_.mismatches.push_back({at_.game->id, at_.index + 1, at_.step->player, what});
    }

    AuditReport &report_;
    Located at_{};
};

} // namespace

AuditReport auditJournal(const std::vector<JournalGame> &games)
{
    AuditReport report;
    std::vector<Located> steps;
    for (const JournalGame &g : games) {
        ++report.games;
        for (std::size_t i = 0; i < g.steps.size(); ++i)
            steps.push_back({&g, static_cast<int>(i), &g.steps[i]});
    }
    report.steps = static_cast<std::int64_t>(steps.size());
    std::stable_sort(steps.begin(), steps.end(),
                     [](const Located &a, const Located &b) { return a.step->serial < b.step->serial; });
    std::map<int, Books> books;
    Auditor auditor(report);
    for (const Located &at : steps)
        auditor.step(at, books[at.step->player]);
    return report;
}

} // namespace melvane
