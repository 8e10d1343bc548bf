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

TEST_F(Journaled, AnAlteredRecordFailsTheAuditWithItsGame)
{
    playSession();
    const struct {
        const char *what;
        std::size_t game, step;
        void (*alter)(JournalStep &);
    } cases[] = {
        {"a paid spin's win", 2, 0, [](JournalStep &s) { s.win += 1; }},
        {"a free spin's multiplier", 3, 1, [](JournalStep &s) { s.wildmult = 3; }},
        {"the free spins a trigger adds", 3, 0, [](JournalStep &s) { s.freeSpinsAdded = 21; }},
        {"a card's colour", 2, 2, [](JournalStep &s) { s.card = 2; }},
        {"the credit after a collect", 3, 32, [](JournalStep &s) { s.creditAfter += 100; }},
        {"the credit put on", 0, 0, [](JournalStep &s) { s.amount = 20; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<JournalGame> games = journal.games;
        c.alter(games[c.game].steps[c.step]);
        const AuditReport report = auditJournal(games);
        ASSERT_FALSE(report.mismatches.empty());
        EXPECT_EQ(report.mismatches.front().game, games[c.game].id);
        EXPECT_EQ(report.mismatches.front().step, static_cast<int>(c.step) + 1);
    }
}

} // namespace
} // namespace melvane
