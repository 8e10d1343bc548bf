// Quick stop: the player lands the reels at once; nothing of the game may change but the wait.
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kLosingStops;
using testing_support::kThreeScattersStops;

// What a spin leaves behind, to compare a quick-stopped spin with one left to land.
struct Landed {
    std::vector<Clip> clips;
    std::array<std::int32_t, kReels + 1> positions{};
    std::string books;
    std::uint64_t pauses = 0;
};

Landed spinOnce(const Stops &stops, bool quickStopOn, int stopAtPause)
{
    VirtualHost host;
    Melvane m{host};
    testing_support::setUpAsStarted(m);
    m.g.reelspeed = 4;
    m.playOptions.quickStop = quickStopOn;
    host.queueStops(stops);
    host.queueDraw(m.g.machinepay, 1);
    host.onSleep = [&](int) {
        if (static_cast<int>(host.sleeps) == stopAtPause)
            host.pressQuickStop();
    };
    // Stop at the award: its wait and the round are not what is compared.
    m.onResolved = [&] { host.endProgram(); };
    host.recordClips = true;
    m.play[1].press();

    Landed l;
    for (const auto &c : host.clips)
        if (c.clip)
            l.clips.push_back(*c.clip);
    l.positions = m.reelPosition;
    std::ostringstream books;
    books << m.g.bank << ' ' << m.g.wager << ' ' << m.g.total << ' ' << m.g.games << ' ' << m.spinwin << ' '
          << m.freespins << ' ' << m.freespinwin << ' ' << m.LABWIN.caption();
    l.books = books.str();
    l.pauses = host.sleeps;
    return l;
}

TEST(QuickStop, LandsTheRestOfTheReelsAtOnceWithTheSameSoundsAndOutcome)
{
    const Landed full = spinOnce(kThreeScattersStops, false, 0);
    ASSERT_EQ(full.positions, spinOnce(kThreeScattersStops, true, 0).positions) << "on but not asked: the same";
    // While all spin, while reel 1 settles and reel 2 lands, and in the last frames of reel 5.
    for (int at : {1, 60, 120, static_cast<int>(full.pauses) - 1}) {
        SCOPED_TRACE(at);
        const Landed quick = spinOnce(kThreeScattersStops, true, at);
        EXPECT_EQ(quick.clips, full.clips) << "each landing's click and chime, in order";
        EXPECT_EQ(quick.positions, full.positions);
        EXPECT_EQ(quick.books, full.books);
        EXPECT_LT(quick.pauses, full.pauses);
    }
}

TEST(QuickStop, IsRefusedWhereTheLandingIsNotThePlayers)
{
    const struct {
        const char *name;
        bool on;
    } cases[] = {{"the option off", false}, {"a free spin shown by the respin timer", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        VirtualHost host;
        Melvane m{host};
        testing_support::setUpAsStarted(m);
        m.playOptions.quickStop = c.on;
        int watchedInPaidSpin = 0;
        int watchedElsewhere = 0;
        host.onSleep = [&](int) {
            if (!host.quickStopWatched())
                return;
            ++(m.freespins > 0 && m.reelstop[1] != 1 ? watchedElsewhere : watchedInPaidSpin);
        };
        host.queueStops({1, 1, 1, 1, 1}); // three Scatters: a round
        host.queueDraw(5, 1);
        host.queueDraw(2, 1);
        for (int i = 0; i < 10; ++i) {
            host.queueStops(kLosingStops);
            host.queueDraw(25, 15);
            host.queueDraw(5, 1);
        }
        m.play[1].press();
        EXPECT_FALSE(host.quickStopWatched()) << "not in the award's wait";
        ASSERT_TRUE(host.advanceUntil([&] { return m.freespinsover == 1; }, 600'000));
        EXPECT_EQ(watchedElsewhere, 0);
        EXPECT_EQ(watchedInPaidSpin > 0, c.on);
        EXPECT_FALSE(host.pressQuickStop());
    }
}

// The player of a long session, with the machine's draws coming from the host's own generator:
// spins at several bets and ways, gambles, credit, collects. Run once as designed and once with
// quick stop on and used at random moments, the two must not differ in anything but time.
struct ScriptedSession {
    VirtualHost host{20261209};
    InMemoryJournal journal;
    std::unique_ptr<Melvane> m;
    std::mt19937 player{7};
    std::mt19937 stopper{11};

    explicit ScriptedSession(bool quickStop)
    {
        host.store.setValue("keys", "player1", "soundonoff", "-1");
        host.store.setValue("keys", "player1", "winroll", "1");
        m = std::make_unique<Melvane>(host);
        m->journal = &journal;
        host.recordDraws = true;
        EXPECT_TRUE(m->load());
        if (quickStop) {
            m->setQuickStop(true);
            host.onSleep = [this](int) {
                if (host.quickStopWatched() && stopper() % 25 == 0)
                    host.pressQuickStop();
            };
        }
        m->cmdfastmoney.press();
    }

    int pick(int n) { return static_cast<int>(player() % static_cast<unsigned>(n)); }

    void play(int actions)
    {
        for (int a = 0; a < actions; ++a) {
            ASSERT_TRUE(host.advanceUntil([&] { return !m->spinRunning() && !m->busy(); }, 3'600'000));
            if (m->freespins > 0 && !m->takewin.visible()) {
                ASSERT_TRUE(host.advanceUntil([&] { return m->takewin.visible(); }, 3'600'000));
            }
            if (m->takewin.visible()) {
                m->takewin.press();
                continue;
            }
            const int r = pick(100);
            if (r < 4) {
                m->COINSIN.press();
            } else if (r < 8 && m->g.bank < 2000) {
                m->cmdfastmoney.press();
            } else if (r < 30 && m->doublebutton.enabled()) {
                m->doublebutton.press();
                const int bet = pick(6);
                if (bet == 0)
                    m->gamble.betred.press();
                else if (bet == 1)
                    m->gamble.betblack.press();
                else
                    m->gamble.suitbet[static_cast<std::size_t>(bet - 1)].press();
                host.advance(4000);
                if (m->pandouble.visible())
                    m->gamble.cancelbet.press();
            } else if (r < 34) {
                m->payline[static_cast<std::size_t>(1 + pick(5))].press();
            } else {
                m->play[static_cast<std::size_t>(1 + pick(3))].press();
            }
            host.advance(pick(3000));
        }
    }

    std::vector<std::string> journalLines() const
    {
        std::vector<std::string> lines;
        for (const JournalGame &game : journal.games)
            for (const JournalStep &s : game.steps) {
                std::ostringstream line;
                line << static_cast<int>(s.kind) << ' ' << s.coinbet << ' ' << s.waysmult << ' ' << s.win << ' '
                     << s.creditBefore << ' ' << s.creditAfter << ' ' << s.amount << ' ' << s.roundTotal << ' '
                     << s.wildmult << ' ' << s.discarded;
                for (int stop : s.stops)
                    line << ' ' << stop;
                lines.push_back(line.str());
            }
        return lines;
    }
};

TEST(QuickStop, ALongSessionPlaysTheSameDrawsAndBooksWithQuickStopAsWithout)
{
    ScriptedSession designed(false);
    designed.play(600);
    ScriptedSession quick(true);
    quick.play(600);

    ASSERT_GT(designed.m->g.games, 300);
    ASSERT_GT(designed.m->g.howmanyspins, 0) << "the session holds a free-spin round";
    EXPECT_EQ(quick.host.draws, designed.host.draws);
    EXPECT_EQ(quick.journalLines(), designed.journalLines());
    const Globals &a = designed.m->g;
    const Globals &b = quick.m->g;
    EXPECT_EQ(std::vector<std::int64_t>({b.bank, b.amountinvested, b.wager, b.total, b.games, b.gamblelost, b.howmanyspins}),
              std::vector<std::int64_t>({a.bank, a.amountinvested, a.wager, a.total, a.games, a.gamblelost, a.howmanyspins}));
    EXPECT_EQ(quick.host.clipsPlayed(), designed.host.clipsPlayed());
    EXPECT_LT(quick.host.sleptMs, designed.host.sleptMs) << "the quick stops were used";
}

} // namespace
} // namespace melvane
