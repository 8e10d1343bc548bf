// A game killed between the journal's write of a step and the profile's save of it: the next
// start finds the profile one step behind and brings it up to the journal, so the kill neither
// makes nor loses money and the journal still explains every coin.
#include <functional>
#include <optional>

#include "game/audit/audit.h"
#include "game/profiles/optionswindow.h"
#include "game/profiles/profiles.h"
#include "support/gamefixture.h"

namespace melvane {
namespace {

using namespace testing_support;

struct Books {
    std::int64_t bank, amountinvested, wager, total, games, gamblelost, howmanyspins, roundTotal, freespins, done;
    friend bool operator==(const Books &, const Books &) = default;
};

void PrintTo(const Books &b, std::ostream *os)
{
    *os << "bank " << b.bank << ", invested " << b.amountinvested << ", wager " << b.wager << ", total " << b.total
        << ", games " << b.games << ", lost " << b.gamblelost << ", awards " << b.howmanyspins << ", round "
        << b.roundTotal << " (" << b.done << "/" << b.freespins << ")";
}

Books booksOf(const Melvane &m)
{
    return {m.g.bank, m.g.amountinvested, m.g.wager, m.g.total, m.g.games, m.g.gamblelost,
            m.g.howmanyspins, m.freespinwin, m.freespins, m.freespinsdone};
}

// The store as the disk holds it: what a flush that failed never put there is gone.
InMemorySettingsStore onDisk(const InMemorySettingsStore &store)
{
    InMemorySettingsStore disk = store;
    disk.discardUnflushed();
    return disk;
}

// Starts the game again, as `player`, on what the disk holds and the same journal.
std::optional<Books> restart(const InMemorySettingsStore &store, InMemoryJournal &journal, int player = 1)
{
    VirtualHost again;
    again.store = onDisk(store);
    Melvane started(again);
    started.journal = &journal;
    started.startupPlayer = player;
    if (!started.load())
        return std::nullopt;
    EXPECT_TRUE(again.messages.empty()) << again.messages.front().text;
    return booksOf(started);
}

// A game played on the virtual host with a journal, credit on and one game saved whole, so
// the profile names the journal's step it holds.
struct Played {
    VirtualHost host;
    Melvane m{host};
    InMemoryJournal journal;

    Played()
    {
        setUpAsStarted(m);
        m.g.bank = 0;
        m.journal = &journal;
        m.cmdfastmoney.press();
        queueSpin(kLosingStops);
        m.play[1].press();
    }

    void queueSpin(const Stops &stops, int multiplierDraw = 0)
    {
        host.queueStops(stops);
        if (multiplierDraw > 0)
            host.queueDraw(25, multiplierDraw);
        host.queueDraw(m.g.machinepay, 1);
    }

    std::optional<Books> restart() { return melvane::restart(host.store, journal); }
};

TEST(Restarts, AProfileAKillLeftOneStepBehindIsBroughtUpToTheJournal)
{
    // An open gamble is collected at the restart, with what its cards added.
    const auto collected = [](const Melvane &m) {
        Books b = booksOf(m);
        b.bank += m.gambleamount;
        b.total += m.gambleamount - m.gamble.stakedAmount;
        return b;
    };
    const struct {
        const char *what;
        // Plays up to the step; `lose` then stands for the kill: from there nothing reaches the disk.
        std::function<void(Played &, const std::function<void()> &lose)> play;
        // The books the restart must show, from the machine at the kill.
        std::function<Books(const Melvane &)> expected;
    } cases[] = {
        {"a paid game that wins",
         [](Played &t, const auto &lose) {
             lose();
             t.queueSpin(kK40Stops);
             t.m.play[1].press();
         },
         booksOf},
        {"credit put on",
         [](Played &t, const auto &lose) {
             lose();
             t.m.cmdfastmoney.press();
         },
         booksOf},
        {"the award, its save lost",
         [](Played &t, const auto &lose) {
             lose();
             t.queueSpin(kThreeScattersStops);
             t.m.play[1].press();
         },
         booksOf},
        {"inside the award's wait",
         [](Played &t, const auto &lose) {
             t.queueSpin(kThreeScattersStops);
             t.host.postAt(t.host.now() + 1'000, lose); // the award's spin is journaled by then
             t.m.play[1].press();
         },
         booksOf},
        {"a counted free spin",
         [](Played &t, const auto &lose) {
             t.queueSpin(kThreeScattersStops);
             t.m.play[1].press();
             t.host.queueDraw(2, 1); // the round's music
             t.queueSpin(kK40Stops, kMultiplierTwo);
             lose();
             ASSERT_TRUE(t.host.advanceUntil([&] { return t.m.freespinsdone == 2; }, 60'000));
         },
         booksOf},
        {"a lost card, inside its hold",
         [](Played &t, const auto &lose) {
             t.queueSpin(kK40Stops);
             t.m.play[1].press();
             t.m.doublebutton.press();
             lose();
             t.host.queueDraw(4, 2);
             t.m.gamble.betred.press();
         },
         booksOf},
        {"a gamble just opened: collected as closing the game collects it",
         [](Played &t, const auto &) {
             t.queueSpin(kK40Stops);
             t.m.play[1].press();
             t.m.doublebutton.press();
         },
         collected},
        {"credit put on over an open gamble",
         [](Played &t, const auto &) {
             t.queueSpin(kK40Stops);
             t.m.play[1].press();
             t.m.doublebutton.press();
             t.m.cmdfastmoney.press();
         },
         collected},
        {"a won card: its gain collected too",
         [](Played &t, const auto &) {
             t.queueSpin(kK40Stops);
             t.m.play[1].press();
             t.m.doublebutton.press();
             t.host.queueDraw(4, 1);
             t.m.gamble.betred.press();
         },
         collected},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Played t;
        std::optional<Books> atKill;
        c.play(t, [&] { t.host.store.setFailing(true); });
        atKill = c.expected(t.m);

        const std::optional<Books> restarted = t.restart();

        ASSERT_TRUE(restarted);
        EXPECT_EQ(*restarted, *atKill);
        const AuditReport audit = auditJournal(t.journal.games);
        EXPECT_TRUE(audit.mismatches.empty()) << audit.mismatches.front().what;
        EXPECT_NE(t.journal.lastStep(1)->kind, StepKind::Adjustment) << "nothing was changed outside play";
    }
}

TEST(Restarts, AKillBeforeAProfilesFirstSaveLosesNothingEither)
{
    // A profile nothing was ever saved for: the very first start, and a profile chosen for the
    // first time. The kill falls between the journal's entry of its first credit and the save.
    for (const int player : {1, 2}) {
        SCOPED_TRACE("player " + std::to_string(player));
        VirtualHost host;
        Melvane m{host};
        OptionsWindow options{m};
        InMemoryJournal journal;
        m.journal = &journal;
        ASSERT_TRUE(m.load());
        if (player != 1) {
            m.mnuplayer.press();
            options.machine.select(static_cast<std::size_t>(player));
        }
        host.store.setFailing(true);
        m.cmdfastmoney.press();
        ASSERT_GT(m.g.bank, 0);

        EXPECT_EQ(restart(host.store, journal, player), booksOf(m)) << "the credit was adjusted away";
    }
}

TEST(Restarts, AProfileChangedOutsidePlayIsNotRolledBackButExplainedByAnAdjustment)
{
    Played t;
    t.host.store.setValue(kProfileApplication, "player1", "bank", "777");

    const std::optional<Books> restarted = t.restart();

    ASSERT_TRUE(restarted);
    EXPECT_EQ(restarted->bank, 777);
    EXPECT_EQ(t.journal.lastStep(1)->kind, StepKind::Adjustment);
}

} // namespace
} // namespace melvane
