// The profile is written at every point where the books are whole (a settled paid game, the
// award and every counted spin of a free-spin round, a collect, the end of a gamble) and nowhere
// in between, so a program killed at any moment leaves a profile whose credit, round and
// statistics agree.
#include <map>
#include <string>
#include <vector>

#include "support/gamefixture.h"
#include "game/profiles/profiles.h"
#include "game/profiles/storedvalue.h"

namespace melvane {
namespace {

using testing_support::kK40Stops;
using testing_support::kLosingStops;
using testing_support::kThreeScattersStops;
using testing_support::kFourScattersStops;
using testing_support::kMultiplierTwo;


const std::vector<std::string> kProfileKeys = {
    "howmanyspins", "soundonoff", "machinepay", "winroll",      "reelspeed",     "amountinvested", "wager",
    "total",        "bank",       "games",      "currentplayer", "gamblelost",   "roundspins",     "rounddone",
    "roundwin",     "roundcoinbet", "roundwaysmult", "roundtune", "roundwildmult", "roundstops",  "journalserial"};

// What was on disk after one flush: player 1's section as text.
struct Save {
    std::map<std::string, std::string> values;
    int writes = 0; // values written since the save before

    std::int64_t number(const std::string &key) const
    {
        const auto it = values.find(key);
        std::int64_t n = 0;
        if (it != values.end())
            readStored(n, it->second);
        return n;
    }
    // What the credit and the statistics say to each other: the credit and a round total still
    // waiting are what was put in, less what was staked, plus what was won, less what the
    // gamble lost.
    std::int64_t imbalance() const
    {
        return number("bank") + number("roundwin") + number("wager") - number("total") - number("amountinvested") +
               number("gamblelost");
    }
};

// A store that keeps what every flush put on disk.
class RecordingStore : public InMemorySettingsStore {
public:
    std::vector<Save> saves;

    bool flush() override
    {
        if (!InMemorySettingsStore::flush())
            return false;
        Save s;
        for (const std::string &key : kProfileKeys)
            if (const auto v = value(kProfileApplication, "player1", key))
                s.values[key] = *v;
        s.writes = writes() - writesAtLastFlush_;
        writesAtLastFlush_ = writes();
        saves.push_back(std::move(s));
        return true;
    }

private:
    int writesAtLastFlush_ = 0;
};

class RecordingHost : public VirtualHost {
public:
    RecordingStore recording;
    SettingsStore &settings() override { return recording; }
};

// The machine as after start-up, with credit that balances the books.
class SavePoints : public ::testing::Test {
protected:
    RecordingHost host;
    Melvane m{host};

    SavePoints()
    {
        testing_support::setUpAsStarted(m);
        m.g.amountinvested = 1000;
    }

    std::vector<Save> &saves() { return host.recording.saves; }

    void queueSpin(const Stops &stops, int payoutDraw = 1, int multiplierDraw = 0)
    {
        host.queueStops(stops);
        if (multiplierDraw > 0)
            host.queueDraw(25, multiplierDraw);
        host.queueDraw(m.g.machinepay, payoutDraw);
    }

    // The last save holds exactly what the machine holds now, and its books balance.
    void expectLastSaveIsTheMachine()
    {
        ASSERT_FALSE(saves().empty());
        const Save &s = saves().back();
        EXPECT_EQ(s.writes, static_cast<int>(kProfileKeys.size())) << "every save writes the whole profile";
        EXPECT_EQ(s.number("bank"), m.g.bank);
        EXPECT_EQ(s.number("wager"), m.g.wager);
        EXPECT_EQ(s.number("total"), m.g.total);
        EXPECT_EQ(s.number("games"), m.g.games);
        EXPECT_EQ(s.number("amountinvested"), m.g.amountinvested);
        EXPECT_EQ(s.number("howmanyspins"), m.g.howmanyspins);
        EXPECT_EQ(s.imbalance(), 0);
    }
};

TEST_F(SavePoints, EverySettledPaidGameIsWrittenOnceWithBooksThatBalance)
{
    const struct {
        const char *what;
        Stops stops;
        std::int32_t bankAfter;
    } games[] = {
        {"a losing game", kLosingStops, 975},
        {"a game that wins 40", kK40Stops, 990},
    };
    for (const auto &g : games) {
        SCOPED_TRACE(g.what);
        const std::size_t before = saves().size();
        queueSpin(g.stops);
        m.play[1].press();
        EXPECT_EQ(saves().size(), before + 1);
        EXPECT_EQ(m.g.bank, g.bankAfter);
        expectLastSaveIsTheMachine();
    }
    EXPECT_EQ(saves().back().number("games"), 2);
}

TEST_F(SavePoints, AnOutcomeThePayoutControlDiscardsIsNeverWritten)
{
    queueSpin(kFourScattersStops, 2); // the big win is drawn again...
    queueSpin(kLosingStops, 1);       // ...and this one is shown

    m.play[1].press();

    ASSERT_EQ(saves().size(), 1u);
    EXPECT_EQ(saves().back().number("games"), 1);
    EXPECT_EQ(saves().back().number("total"), 0);
    EXPECT_EQ(saves().back().number("howmanyspins"), 0);
    expectLastSaveIsTheMachine();
}

TEST_F(SavePoints, AFreeSpinRoundIsWrittenAtItsAwardAndAfterEveryCountedSpin)
{
    queueSpin(kThreeScattersStops);
    host.postAt(host.now() + 5'000, [&] {
        // Inside the award's wait: stored as it will stand once the triggering spin is counted.
        ASSERT_EQ(saves().size(), 1u);
        EXPECT_EQ(saves().back().number("rounddone"), 1);
        EXPECT_EQ(saves().back().number("bank"), 1000) << "the triggering spin's stake comes back";
        EXPECT_EQ(saves().back().imbalance(), 0);
    });
    m.play[1].press();
    ASSERT_EQ(m.freespins, 11);
    host.queueDraw(2, 1); // the round's music
    for (int i = 0; i < 10; ++i)
        queueSpin(kLosingStops, 1, kMultiplierTwo);
    ASSERT_TRUE(host.advanceUntil([&] { return m.freespinsover == 1; }, 600'000));

    ASSERT_EQ(saves().size(), 1u + 11u) << "the award, then each of the eleven spins as it is counted";
    for (std::size_t i = 1; i < saves().size(); ++i) {
        EXPECT_EQ(saves()[i].number("rounddone"), static_cast<std::int64_t>(i));
        EXPECT_EQ(saves()[i].number("roundspins"), 11);
        EXPECT_EQ(saves()[i].number("roundwin"), 50);
        EXPECT_EQ(saves()[i].imbalance(), 0) << "after spin " << i;
    }

    m.takewin.press();

    EXPECT_EQ(m.g.bank, 975 + 50);
    EXPECT_EQ(saves().back().number("roundspins"), 0);
    EXPECT_EQ(saves().back().number("roundwin"), 0);
    expectLastSaveIsTheMachine();
}

TEST_F(SavePoints, AGambleIsWrittenWhenItEndsAndNeverWhileTheWinIsAtRisk)
{
    const struct {
        const char *what;
        int card; // a red bet wins on 1 and 3
        bool collect;
        std::int32_t bankAfter;
    } cases[] = {
        {"a won card, then collect", 1, true, 975 + 80},
        {"a lost card", 2, false, 975},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        m.g.bank = 1000;
        m.g.amountinvested = 1000;
        m.g.wager = 0;
        m.g.total = 0;
        queueSpin(kK40Stops);
        m.play[1].press();
        const std::size_t afterGame = saves().size();
        ASSERT_TRUE(m.doublebutton.enabled());

        m.doublebutton.press();
        host.queueDraw(4, c.card);
        m.gamble.betred.press();
        if (c.collect) {
            EXPECT_EQ(saves().size(), afterGame) << "opening the gamble and winning a card write nothing";
            m.gamble.cancelbet.press();
        }

        ASSERT_EQ(saves().size(), afterGame + 1);
        EXPECT_EQ(m.g.bank, c.bankAfter);
        const Save &s = saves().back();
        EXPECT_EQ(s.number("bank"), m.g.bank);
        EXPECT_EQ(s.number("total"), m.g.total);
        EXPECT_EQ(s.writes, static_cast<int>(kProfileKeys.size()));
        // A lost card leaves its win in the total, by the rules of the gamble, and in the tally
        // of gamble losses, which closes the books.
        EXPECT_EQ(s.number("gamblelost"), c.collect ? 0 : 40);
        EXPECT_EQ(s.imbalance(), 0);
    }
}

TEST_F(SavePoints, AutoplayWritesEveryGameAndEveryCollectWithBooksThatBalance)
{
    m.g.bank = 100'000;
    m.g.amountinvested = 100'000;
    m.autoplayon.press();
    ASSERT_TRUE(host.advanceUntil([&] { return m.g.howmanyspins >= 2 && m.freespins == 0; }, 48 * 3'600'000LL,
                                  60'000));
    m.autoplayoff.press();
    host.advance(60'000);

    ASSERT_FALSE(saves().empty());
    std::int64_t games = 0;
    for (const Save &s : saves()) {
        ASSERT_EQ(s.imbalance(), 0) << "after game " << s.number("games");
        ASSERT_GE(s.number("games"), games) << "the games played never go back";
        ASSERT_LE(s.number("games"), games + 1) << "no settled game goes unwritten";
        games = s.number("games");
    }
    EXPECT_EQ(games, m.g.games);
    EXPECT_GE(saves().back().number("howmanyspins"), 2);
}

TEST_F(SavePoints, AFailedSaveIsToldOnceHoldsPaidSpinsUntilASaveSucceedsAndLosesNothingSaved)
{
    const auto told = [&] { return host.messages.size(); };
    queueSpin(kThreeScattersStops);
    m.play[1].press();
    const std::size_t savedBefore = saves().size();
    const Save lastSaved = saves().back();

    host.recording.setFailing(true);
    host.queueDraw(2, 1); // the round's music
    for (int i = 0; i < 10; ++i)
        queueSpin(kLosingStops, 1, kMultiplierTwo);
    ASSERT_TRUE(host.advanceUntil([&] { return m.freespinsover == 1; }, 600'000)) << "free spins go on";
    m.takewin.press();
    EXPECT_EQ(told(), 1u) << "ten failed saves, one message";
    EXPECT_NE(host.messages.back().text.find("could not be saved"), std::string::npos);
    EXPECT_EQ(saves().size(), savedBefore) << "nothing reached the disk";
    EXPECT_EQ(saves().back().values, lastSaved.values) << "and what was there is kept";

    const std::int32_t wager = m.g.wager;
    queueSpin(kLosingStops);
    m.play[1].press();
    EXPECT_EQ(m.g.wager, wager) << "no paid spin while the profile cannot be saved";
    EXPECT_EQ(told(), 2u) << "a refused press says why";

    host.recording.setFailing(false);
    m.play[1].press();
    EXPECT_EQ(m.g.wager, wager + 25) << "the press saved the profile, then spun";
    expectLastSaveIsTheMachine();
    EXPECT_EQ(told(), 2u);
}

} // namespace
} // namespace melvane
