#include "game/audit/audit.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <queue>

#include "game/profiles/profiles.h"
#include "rules/grid.h"
#include "rules/spinevaluation.h"

namespace melvane {

namespace {

constexpr std::int64_t kCreditLimit = std::numeric_limits<std::int32_t>::max();
constexpr std::array<int, 4> kMultipliers = {2, 3, 5, 10};

// A step waiting for its turn, with the game it belongs to.
struct Located {
    std::int64_t game = 0;
    int index = 0; // in the game
    std::int64_t order = 0; // arrival, to keep steps of one serial in the order they came
    JournalStep step;
};

// The step recorded first comes out of the queue first.
struct LaterFirst {
    bool operator()(const Located &a, const Located &b) const
    {
        return a.step.serial != b.step.serial ? a.step.serial > b.step.serial : a.order > b.order;
    }
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
    // What the gamble may stake now: the win just credited, or the round total just collected;
    // a spin refused for want of credit drops the total, and the gamble then stakes the win of
    // the round's last spin.
    std::optional<std::int64_t> offered;
    std::int64_t lastWin = 0; // of the player's last spin
};

// When a game began: the serial of the first step it recorded.
std::int64_t firstSerial(const JournalGame &game)
{
    std::int64_t first = std::numeric_limits<std::int64_t>::max();
    for (const JournalStep &s : game.steps)
        first = std::min(first, s.serial);
    return first;
}

// Whether a meter holding `meter` could not take `amount` more.
bool passesLimit(std::int64_t meter, std::int64_t amount) { return meter + amount > kCreditLimit; }

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
        at_ = &at;
        const JournalStep &s = at.step;
        if (s.kind == StepKind::Adjustment) {
            ++report_.adjustments;
            books = {true, s.creditAfter, s.roundTotal, s.freespins, s.freespinsdone, 0, 0, false, {}, 0};
            return;
        }
        if (static_cast<int>(s.kind) < static_cast<int>(StepKind::Spin) ||
            static_cast<int>(s.kind) > static_cast<int>(StepKind::Adjustment)) {
            // Nothing says what it did to the books: they go on from where it left them.
            fail("a step of kind " + std::to_string(static_cast<int>(s.kind)) + ", which the machine never writes");
            books = {true, s.creditAfter, s.roundTotal, s.freespins, s.freespinsdone, 0, 0, false, {}, 0};
            return;
        }
        if (books.known && s.creditBefore != books.credit)
            fail("the credit before the step is " + std::to_string(s.creditBefore) + ", the step before left " +
                 std::to_string(books.credit));
        if (!books.known)
            books = {true, s.creditBefore, 0, 0, 0, 0, 0, false, {}, 0};
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
            books.offered.reset();
            if (s.creditAfter == s.creditBefore + s.amount) {
                round = 0;
                credit += s.amount;
                books.offered = s.amount;
            } else {
                expect(passesLimit(s.creditBefore, s.amount), "a collect that did not reach a credit with room");
            }
            books.freespins = books.freespinsdone = 0;
            break;
        case StepKind::GambleOpen:
            expect(books.offered && (s.amount == *books.offered || s.amount == books.lastWin) && !books.gambleOpen,
                   "a gamble of " + std::to_string(s.amount) + ", which no win just credited gave");
            books.offered.reset();
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
        expect(s.creditAfter <= kCreditLimit && s.roundTotal <= kCreditLimit, "a meter past the 32-bit limit");
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
        if (!isValidWaysmult(s.waysmult) || !isValidCoinbet(s.coinbet) ||
            s.stake != std::int64_t{s.coinbet} * s.waysmult) {
            fail("a bet the machine does not offer: " + std::to_string(s.coinbet) + " coins x " +
                 std::to_string(s.waysmult) + " for " + std::to_string(s.stake));
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
        const std::int64_t stake = s.stakeCharged ? s.stake : 0;
        // A retrigger the 16-bit count could not take adds nothing.
        int spins = books.freespins + s.freeSpinsAdded;
        if (spins > std::numeric_limits<std::int16_t>::max())
            spins = books.freespins;
        const int done = books.freespinsdone + (spins > 0 ? 1 : 0);
        // A win no meter could take is recorded as such; it then moves neither books. The meter
        // is the round total in a round, else the credit the stake has just left; the tally of
        // wins must take it too, and the journal does not hold that tally, so a full one may
        // explain a flag beside a meter with room. Only a win of nothing is never refused.
        if (s.uncredited) {
            ++report_.uncredited;
            expect(s.win > 0, "a win of " + std::to_string(s.win) + " marked as one no meter could take");
            // A step that carries the books tells the tally too: then only a full one explains it.
            const std::int64_t meter = spins > 0 ? round : credit - stake;
            if (s.books)
                expect(passesLimit(meter, s.win) || passesLimit(s.books->total, s.win),
                       "a win of " + std::to_string(s.win) + " marked as one no meter could take, beside a meter of " +
                           std::to_string(meter) + " and a total of " + std::to_string(s.books->total));
        }
        const std::int64_t win = s.uncredited ? 0 : s.win;
        books.lastWin = s.win;
        // The gamble is offered on a paid spin's win that reached the credit, outside a round.
        books.offered.reset();
        if (!free && spins == 0 && round == 0 && win > 0)
            books.offered = win;
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
        expect(s.bet != GambleBet::None, "a card with no bet");
        expect(s.won == cardWins(s.bet, s.card), "a card that does not decide its bet as recorded");
        if (!s.won) {
            expect(s.amount == 0, "a lost card with an amount");
            return;
        }
        const int pays = s.bet == GambleBet::Red || s.bet == GambleBet::Black ? 2 : 4;
        // A multiple past 32 bits, or one the credit could not take back, is skipped: the amount
        // at risk stays. So is one whose gain the tally of wins could not count; the journal does
        // not hold that tally, so a skip is always possible, a multiple past the limits never.
        const std::int64_t multiplied = books.atRisk * pays;
        const bool fits = multiplied <= kCreditLimit && !passesLimit(s.creditBefore, multiplied);
        // With the books, the tally is known: whether the gain fits it decides the skip.
        const bool tallyFits = s.books && !passesLimit(s.books->total - books.staked, multiplied);
        expect((fits && s.amount == multiplied) || (s.amount == books.atRisk && !(fits && tallyFits)),
               "a won card's amount " + std::to_string(s.amount) + " from " + std::to_string(books.atRisk) + " at " +
                   std::to_string(pays) + " to 1, beside a credit of " + std::to_string(s.creditBefore));
        books.atRisk = s.amount;
    }

    void expect(bool ok, const std::string &what)
    {
        if (!ok)
            fail(what);
    }
    void fail(const std::string &what)
    {
        report_.mismatches.push_back({at_->game, at_->index + 1, at_->step.player, what});
    }

    AuditReport &report_;
    const Located *at_ = nullptr;
};

} // namespace

struct JournalAudit::State {
    AuditReport report;
    Auditor auditor{report};
    std::map<int, Books> books;
    std::priority_queue<Located, std::vector<Located>, LaterFirst> waiting;
    std::int64_t arrived = 0;
    std::int64_t lastSerial = std::numeric_limits<std::int64_t>::min();

    // Replays the waiting steps recorded before `serial`, or all of them.
    void replayBefore(std::optional<std::int64_t> serial)
    {
        while (!waiting.empty() && (!serial || waiting.top().step.serial < *serial)) {
            // The top is moved out only to be popped at once.
            const Located at = std::move(const_cast<Located &>(waiting.top()));
            waiting.pop();
            // Only a game that came late, or an altered serial, puts a step behind one replayed.
            if (at.step.serial < lastSerial)
                report.mismatches.push_back(
                    {at.game, at.index + 1, at.step.player, "a step recorded out of the journal's order"});
            lastSerial = std::max(lastSerial, at.step.serial);
            auditor.step(at, books[at.step.player]);
        }
    }
};

JournalAudit::JournalAudit() : state_(std::make_unique<State>()) {}
JournalAudit::~JournalAudit() = default;

void JournalAudit::add(JournalGame &&game)
{
    State &st = *state_;
    ++st.report.games;
    st.report.steps += static_cast<std::int64_t>(game.steps.size());
    if (game.steps.empty())
        return;
    // Every game later than this one began after its first step: what was recorded before that
    // is due.
    st.replayBefore(firstSerial(game));
    for (std::size_t i = 0; i < game.steps.size(); ++i) {
        JournalStep &s = game.steps[i];
        s.player = game.player;
        st.waiting.push({game.id, static_cast<int>(i), st.arrived++, std::move(s)});
    }
    if (game.player < 1 || game.player > kProfiles)
        st.report.mismatches.push_back(
            {game.id, 1, game.player, "a game of player " + std::to_string(game.player) + ", not one of 1 to 6"});
}

AuditReport JournalAudit::finish()
{
    state_->replayBefore(std::nullopt);
    return std::move(state_->report);
}

AuditReport auditJournal(const std::vector<JournalGame> &games)
{
    // In the order they began: by the first step each recorded.
    std::vector<const JournalGame *> ordered;
    for (const JournalGame &g : games)
        ordered.push_back(&g);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const JournalGame *a, const JournalGame *b) { return firstSerial(*a) < firstSerial(*b); });
    JournalAudit audit;
    for (const JournalGame *g : ordered)
        audit.add(JournalGame(*g));
    return audit.finish();
}

} // namespace melvane
