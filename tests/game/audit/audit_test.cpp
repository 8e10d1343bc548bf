// The journal of a scripted session, read back step by step, and the audit that replays it.
#include <gtest/gtest.h>

#include "game/audit/audit.h"
#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kK40Stops;
using testing_support::kLosingStops;
using testing_support::kThreeScattersStops;
using testing_support::kFourScattersStops;
using testing_support::kMultiplierTwo;
using testing_support::kMultiplierFive;


class Journaled : public GameFixture {
protected:
    InMemoryJournal journal;

    Journaled()
    {
        m.journal = &journal;
        m.g.amountinvested = 1000;
    }

    // Credit, a loss, a win gambled (a card won, then one lost), a bonus with a retrigger and
    // its collect.
    void playSession()
    {
        m.COINSIN.press();
        spinWith(kLosingStops);
        spinWith(kK40Stops);
        m.doublebutton.press();
        host.queueDraw(4, 1); // hearts: red wins
        m.gamble.betred.press();
        host.queueDraw(4, 2); // clubs: hearts lose
        m.gamble.suitbet[1].press();
        spinWith(kThreeScattersStops);
        host.queueDraw(2, 1);
        queueSpin(kFourScattersStops, 1, kMultiplierFive); // a retrigger in the first free spin
        for (int i = 0; i < 29; ++i)
            queueSpin(kLosingStops, 1, kMultiplierTwo);
        ASSERT_TRUE(host.advanceUntil([&] { return m.freespinsover == 1; }, 3'600'000));
        m.takewin.press();
    }
};

TEST_F(Journaled, AScriptedSessionIsRecordedStepByStepAndPassesTheAudit)
{
    playSession();

    using K = StepKind;
    std::vector<std::vector<K>> kinds;
    for (const JournalGame &g : journal.games) {
        kinds.emplace_back();
        for (const JournalStep &s : g.steps)
            kinds.back().push_back(s.kind);
    }
    std::vector<K> round = {K::Spin};
    round.insert(round.end(), 31, K::FreeSpin); // 11 + 21 spins, the triggering one included
    round.push_back(K::Collect);
    const std::vector<std::vector<K>> expected = {
        {K::Credit},
        {K::Spin},
        {K::Spin, K::GambleOpen, K::GambleCard, K::GambleCard, K::GambleLost},
        round,
    };
    EXPECT_EQ(kinds, expected);

    const JournalGame &bonus = journal.games.back();
    EXPECT_EQ(bonus.steps[0].freeSpinsAdded, 11);
    EXPECT_EQ(bonus.steps[1].freeSpinsAdded, 21);
    EXPECT_EQ(bonus.steps[1].wildmult, 5);
    EXPECT_EQ(bonus.steps[1].scatterPay, 250);
    EXPECT_GE(bonus.steps[1].win, 5 * 250);
    std::int64_t wins = 0;
    for (const JournalStep &s : bonus.steps)
        wins += s.kind == StepKind::Collect ? 0 : s.win;
    EXPECT_EQ(bonus.steps.back().amount, wins);
    EXPECT_EQ(bonus.steps.back().creditAfter, m.g.bank);
    const JournalStep &card = journal.games[2].steps[2];
    EXPECT_EQ(card.bet, GambleBet::Red);
    EXPECT_EQ(card.card, 1);
    EXPECT_EQ(card.amount, 80);

    const AuditReport report = auditJournal(journal.games);
    EXPECT_EQ(report.games, 4);
    EXPECT_TRUE(report.mismatches.empty()) << report.mismatches.front().what;
}

// Credit put on while a gamble is open is an entry of its own that begins after the gamble's
// game and settles before its cards: the audit, taking games one at a time, still replays the
// steps in the order they were recorded.
TEST_F(Journaled, CreditPutOnInsideAGambleAuditsClean)
{
    m.COINSIN.press();
    spinWith(kK40Stops);
    m.doublebutton.press();
    m.cmdfastmoney.press();
    host.queueDraw(4, 1);
    m.gamble.betred.press();
    m.gamble.cancelbet.press();
    ASSERT_EQ(journal.games.size(), 3u);
    ASSERT_EQ(journal.games[2].steps.front().kind, StepKind::FastMoney);
    ASSERT_GT(journal.games[1].steps.back().serial, journal.games[2].steps.front().serial);

    const AuditReport report = auditJournal(journal.games);
    EXPECT_TRUE(report.mismatches.empty()) << report.mismatches.front().what;
}

using Games = std::vector<JournalGame>;
constexpr std::int64_t kMax = 2'147'483'647;

// Adds steps after the last one of game `game` (a new game when past the end) as the machine
// would chain them: each takes the credit the step before left and moves it by what its own
// creditAfter holds.
Games &append(Games &games, std::size_t game, std::vector<JournalStep> steps)
{
    const JournalStep last = games[std::min(game, games.size() - 1)].steps.back();
    if (game == games.size())
        games.push_back({games.back().id + 1, 1, {}});
    std::int64_t credit = last.creditAfter;
    for (JournalStep &s : steps) {
        s.player = 1;
        s.serial = last.serial; // replayed after `last`, in the order given
        s.creditBefore = credit;
        credit = s.creditAfter += credit;
        games[game].steps.push_back(s);
    }
    return games;
}

JournalStep gambleStep(StepKind kind, std::int64_t amount, std::int64_t creditMoves)
{
    JournalStep s;
    s.kind = kind;
    s.amount = amount;
    s.creditAfter = creditMoves;
    return s;
}

TEST_F(Journaled, AForgedJournalFailsTheAuditWithItsGame)
{
    playSession();
    using K = StepKind;
    const struct {
        const char *what;
        std::size_t game, step;
        void (*forge)(Games &);
    } cases[] = {
        {"a paid spin's win", 2, 0, [](Games &g) { g[2].steps[0].win += 1; }},
        {"a free spin's multiplier", 3, 1, [](Games &g) { g[3].steps[1].wildmult = 3; }},
        {"the free spins a trigger adds", 3, 0, [](Games &g) { g[3].steps[0].freeSpinsAdded = 21; }},
        {"a card's colour", 2, 2, [](Games &g) { g[2].steps[2].card = 2; }},
        {"the credit after a collect", 3, 32, [](Games &g) { g[3].steps[32].creditAfter += 100; }},
        {"the credit put on", 0, 0, [](Games &g) { g[0].steps[0].amount = 20; }},
        {"a coin bet no button offers, at the same stake", 1, 0,
         [](Games &g) { g[1].steps[0].coinbet = static_cast<int>(g[1].steps[0].stake), g[1].steps[0].waysmult = 1; }},
        {"a gamble staked from a losing spin", 1, 1,
         [](Games &g) { append(g, 1, {gambleStep(K::GambleOpen, 1000, -1000), gambleStep(K::GambleCollect, 1000, 1000)}); }},
        {"a negative stake after a collect", 3, 33,
         [](Games &g) { append(g, 3, {gambleStep(K::GambleOpen, -50, 50), gambleStep(K::GambleCollect, -50, -50)}); }},
        {"a losing spin marked as a win no meter could take", 4, 0,
         [](Games &g) {
             JournalStep s = g[1].steps[0];
             s.uncredited = true;
             s.creditAfter = -s.stake;
             append(g, 4, {s});
         }},
        {"a suit won four times over though the credit could not take it back", 4, 3,
         [](Games &g) {
             JournalStep credit = gambleStep(K::Adjustment, 0, kMax - 100 - g.back().steps.back().creditAfter);
             JournalStep spin = g[2].steps[0]; // 40 won at a stake of 25
             spin.creditAfter = spin.win - spin.stake;
             JournalStep card = g[2].steps[2];
             card.bet = GambleBet::Hearts;
             card.amount = 4 * spin.win;
             card.creditAfter = 0;
             append(g, 4, {credit, spin, gambleStep(K::GambleOpen, spin.win, -spin.win), card,
                           gambleStep(K::GambleCollect, card.amount, card.amount)});
         }},
        {"a win marked as one no meter could take beside meters with room", 2, 0,
         [](Games &g) {
             JournalStep &s = g[2].steps[0];
             s.uncredited = true;
             s.creditAfter = s.creditBefore - s.stake;
             for (JournalStep &later : g[2].steps)
                 later.creditBefore -= s.win, later.creditAfter -= later.kind == K::Spin ? 0 : s.win;
         }},
        {"a won card whose doubling was skipped beside a total with room", 2, 2,
         [](Games &g) { g[2].steps[2].amount = g[2].steps[0].win; }},
        {"a step of no kind the machine writes", 1, 1,
         [](Games &g) { append(g, 1, {gambleStep(static_cast<K>(42), 0, 0)}); }},
        {"a game of player 0", 3, 0, [](Games &g) { g[3].player = 0; }},
        {"a game of player 7", 3, 0, [](Games &g) { g[3].player = 7; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Games games = journal.games;
        c.forge(games);
        const AuditReport report = auditJournal(games);
        if (report.mismatches.empty()) {
            ADD_FAILURE() << "the audit passed it";
            continue;
        }
        EXPECT_EQ(report.mismatches.front().game, games[c.game].id) << report.mismatches.front().what;
        EXPECT_EQ(report.mismatches.front().step, static_cast<int>(c.step) + 1);
    }
}

} // namespace
} // namespace melvane
