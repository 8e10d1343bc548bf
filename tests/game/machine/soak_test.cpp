// Autoplay for 200,000 paid spins (20,000 in a quick run, MELVANE_QUICK=1) on virtual time with
// every check after every settled game: the money balances, no counter wraps, and the timers
// left running are the ones the resolution promises.
#include <set>

#include "support/gamefixture.h"
#include "support/quick.h"

namespace melvane {
namespace {


struct Watch {
    std::uint64_t resolutions = 0;
    std::uint64_t failures = 0;
    std::uint64_t bonuses = 0;
    bool wasInBonus = false;
};

void check(Melvane &m, Watch &w)
{
    ++w.resolutions;
    const auto fail = [&](const std::string &what) {
        if (w.failures++ < 5)
            ADD_FAILURE() << "after resolution " << w.resolutions << ": " << what;
    };
    const std::int64_t credit = static_cast<std::int64_t>(m.g.bank) + m.freespinwin;
    const std::int64_t books = static_cast<std::int64_t>(m.g.amountinvested) - m.g.wager + m.g.total;
    if (credit != books)
        fail("bank + freespinwin = " + std::to_string(credit) + " but invested - wager + total = " +
             std::to_string(books));
    if (m.autoticks < 0 || m.freespins < 0 || m.freespinsdone < 0 || m.freespinsdone > m.freespins ||
        m.g.games < 0 || m.g.wager < 0 || m.g.total < 0 || m.g.bank < 0 || m.g.howmanyspins < 0)
        fail("a counter went negative or past its round");

    const bool bonusRunning = m.freespinsdone < m.freespins;
    const bool completedInAutoplay = w.wasInBonus && m.freespins == 0;
    std::set<std::string> expected = {"Tmrtick"};
    for (int c = 4; c <= 12; ++c)
        if (m.spin.wildcell[static_cast<std::size_t>(c)] > 0)
            expected.insert("timerballflash");
    if (m.scatterpaid[1])
        expected.insert("Timerscatter");
    if (m.spinwin > 0)
        expected.insert({"Timerflash", "Timerwincounter"});
    if (bonusRunning)
        expected.insert({"Timerwincounter", "Timerrespin"});
    if (completedInAutoplay)
        expected.insert({"tmrautospin", "Timerwincounter"});
    if (m.autoplay > 0 && !bonusRunning)
        expected.insert("tmrautospin");
    if (testing_support::runningTimers(m) != expected) {
        std::string have, want;
        for (const auto &n : testing_support::runningTimers(m))
            have += n + " ";
        for (const auto &n : expected)
            want += n + " ";
        fail("timers running: " + have + "expected: " + want);
    }
    if (completedInAutoplay)
        ++w.bonuses;
    w.wasInBonus = m.freespins > 0;
}

TEST(Soak, TwoHundredThousandAutoplaySpinsKeepTheBooksBalanced)
{
    constexpr std::int32_t kCredit = 100'000'000;
    const std::int32_t kPaidSpins = testing_support::quickRun() ? 20'000 : 200'000;
    VirtualHost host(20261209);
    host.recordClips = false;
    Melvane m(host);
    m.coinbet = 1;
    m.waysmult = 25;
    m.g.machinepay = 5;
    m.g.reelspeed = 1;
    m.g.soundonoff = -1;
    m.g.winroll = 1;
    m.g.bank = kCredit;
    m.g.amountinvested = kCredit;
    Watch watch;
    m.onResolved = [&] { check(m, watch); };

    m.autoplayon.press();
    ASSERT_EQ(m.autoplay, 10);
    while (m.g.games < kPaidSpins && watch.failures == 0) {
        const std::int32_t before = m.g.games;
        host.advance(600'000);
        ASSERT_GT(m.g.games, before) << "autoplay stalled at game " << before;
        ASSERT_EQ(m.autoplay, 10) << "autoplay ended at game " << m.g.games;
    }
    EXPECT_EQ(watch.failures, 0u);
    EXPECT_GT(watch.bonuses, static_cast<std::uint64_t>(kPaidSpins / 200)); // about one bonus in 67 paid spins
    EXPECT_EQ(m.g.wager, static_cast<std::int64_t>(m.g.games) * 25);
    std::printf("soak: %d paid spins, %llu resolutions, %llu bonuses, %.1f virtual hours, return %.4f\n", m.g.games,
                static_cast<unsigned long long>(watch.resolutions), static_cast<unsigned long long>(watch.bonuses),
                static_cast<double>(host.now()) / 3.6e6, static_cast<double>(m.g.total) / m.g.wager);
}

} // namespace
} // namespace melvane
