// The game is killed (SIGKILL, no chance to save) at a random moment while autoplay plays, over
// and over on the same settings store; some runs start inside a stored free-spin round and are
// killed while it plays. Every time, the profile on disk must be whole: its credit, round and
// statistics balance, a round is either still there to carry on or collected, the games played
// never go back, and every game the player saw settle is on disk.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/qsettingsstore.h"
#include "game/profiles/storedvalue.h"

namespace melvane {
namespace {

using Clock = std::chrono::steady_clock;

// A running melvane-crashplay whose standard output we read.
class Player {
public:
    explicit Player(const std::string &storeFolder)
    {
        int out[2];
        if (::pipe(out) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            const char *binary = MELVANE_CRASHPLAY_BINARY;
            ::execl(binary, binary, storeFolder.c_str(), static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        output_ = out[0];
    }
    ~Player()
    {
        kill();
        if (output_ >= 0)
            ::close(output_);
    }
    Player(const Player &) = delete;
    Player &operator=(const Player &) = delete;

    bool started() const { return pid_ > 0 && output_ >= 0; }

    // Reads what the player prints until `deadline`, or until `enough` holds; returns whether
    // it held.
    bool readUntil(Clock::time_point deadline, const std::function<bool()> &enough = [] { return false; })
    {
        for (;;) {
            if (enough())
                return true;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                return false;
            pollfd p{output_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left)) > 0 && !readSome())
                return enough(); // the player ended by itself
        }
    }

    // SIGKILL: no handler runs, nothing is saved on the way out. Returns how it ended.
    int kill()
    {
        if (pid_ <= 0)
            return status_;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status_, 0);
        pid_ = -1;
        // What it printed before it died is still in the pipe.
        while (readSome()) {
        }
        return status_;
    }

    // The complete lines printed so far.
    std::vector<std::string> lines() const
    {
        std::vector<std::string> all;
        std::size_t start = 0;
        for (std::size_t end = text_.find('\n'); end != std::string::npos; end = text_.find('\n', start)) {
            all.push_back(text_.substr(start, end - start));
            start = end + 1;
        }
        return all;
    }

    // The games played at the last game it reported settled, if any.
    std::optional<std::int64_t> lastSettled() const
    {
        std::optional<std::int64_t> last;
        for (const std::string &line : lines())
            if (line.rfind("settled ", 0) == 0)
                last = parseStoredWhole(line.substr(8));
        return last;
    }

private:
    bool readSome()
    {
        char buffer[4096];
        const ssize_t n = ::read(output_, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        text_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int output_ = -1;
    int status_ = 0;
    std::string text_;
};

struct StoredProfile {
    std::int64_t bank = 0, wager = 0, total = 0, amountinvested = 0, games = 0, gamblelost = 0;
    std::int64_t roundspins = 0, rounddone = 0, roundwin = 0;
    std::string problem; // a value on disk that is not a number

    std::int64_t imbalance() const { return bank + roundwin + wager - total - amountinvested + gamblelost; }
};

// Reads player 1's profile from a copy of the file, so that no cache of an earlier reading
// can answer for what is on disk now.
StoredProfile readProfile(const QString &storeFolder, const QString &scratch)
{
    QDir().mkpath(scratch + "/Melvane");
    QFile::remove(scratch + "/Melvane/keys.conf");
    QFile::copy(storeFolder + "/Melvane/keys.conf", scratch + "/Melvane/keys.conf");
    const QSettingsStore store(scratch.toStdString());
    StoredProfile p;
    const auto read = [&](const char *key, std::int64_t &into) {
        const auto text = store.value("keys", "player1", key);
        if (text && !readStored(into, text))
            p.problem += std::string(key) + "=\"" + *text + "\" ";
    };
    read("bank", p.bank);
    read("wager", p.wager);
    read("total", p.total);
    read("amountinvested", p.amountinvested);
    read("games", p.games);
    read("gamblelost", p.gamblelost);
    read("roundspins", p.roundspins);
    read("rounddone", p.rounddone);
    read("roundwin", p.roundwin);
    return p;
}

// Leaves a free-spin round on disk as a game closed in the middle of one would: eleven spins,
// the first counted, a total of 250 already in the statistics.
void storeRunningRound(const QString &storeFolder)
{
    QSettingsStore store(storeFolder.toStdString());
    const auto number = [&](const char *key) {
        std::int64_t n = 0;
        readStored(n, store.value("keys", "player1", key));
        return n;
    };
    const auto put = [&](const char *key, std::int64_t value) {
        store.setValue("keys", "player1", key, std::to_string(value));
    };
    if (number("roundspins") > 0 || number("roundwin") > 0)
        return; // the last kill already left one to carry on
    put("total", number("total") + 250);
    put("roundspins", 11);
    put("rounddone", 1);
    put("roundwin", 250);
    put("roundcoinbet", 1);
    put("roundwaysmult", 25);
    put("roundtune", 1);
    put("roundwildmult", 0);
    store.setValue("keys", "player1", "roundstops", "2,10,3,2,2");
    store.flush();
}

TEST(Crash, AGameKilledAtRandomMomentsAlwaysLeavesAWholeProfileOnDisk)
{
    constexpr int kRuns = 24;
    constexpr int kRoundEvery = 3; // every third run starts inside a stored round
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString store = folder.path() + "/store";
    std::random_device device;
    const unsigned seed = device();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> lifetimeMs(300, 1500);
    // A carried-on round waits about three seconds before its first free spin.
    std::uniform_int_distribution<int> roundLifetimeMs(3500, 6000);
    int killsInsideRounds = 0;
    SCOPED_TRACE("kill times drawn with seed " + std::to_string(seed));

    // Generous: only a player that never gets going at all runs into it.
    constexpr auto kStartLimit = std::chrono::seconds(60);
    std::int64_t gamesBefore = 0;
    int runsThatSettledAGame = 0;
    for (int run = 1; run <= kRuns + 1; ++run) {
        const bool last = run > kRuns;
        SCOPED_TRACE(last ? "the run after the kills" : "run " + std::to_string(run));
        if (!last && run % kRoundEvery == 0)
            storeRunningRound(store);
        // A run that starts inside a round, stored here or left by the last kill, lives long
        // enough for the round to move on.
        const bool inRound =
            !last && readProfile(store, folder.path() + "/before" + QString::number(run)).roundspins > 0;
        Player player(store.toStdString());
        ASSERT_TRUE(player.started());
        ASSERT_TRUE(player.readUntil(Clock::now() + kStartLimit, [&] { return !player.lines().empty(); }))
            << "the player did not start";
        if (last) {
            // However many kills came before, the game still plays and still saves.
            EXPECT_TRUE(player.readUntil(Clock::now() + kStartLimit, [&] {
                return player.lastSettled().value_or(-1) > gamesBefore;
            })) << "no game settled after the kills";
        } else {
            const int lifetime = inRound ? roundLifetimeMs(random) : lifetimeMs(random);
            player.readUntil(Clock::now() + std::chrono::milliseconds(lifetime));
        }
        const int status = player.kill();
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the player ended by itself; it printed:\n"
            << [&] {
                   std::string all;
                   for (const std::string &line : player.lines())
                       all += line + "\n";
                   return all;
               }();

        const StoredProfile p = readProfile(store, folder.path() + "/check" + QString::number(run));
        EXPECT_TRUE(p.problem.empty()) << p.problem;
        EXPECT_EQ(p.imbalance(), 0) << "bank " << p.bank << ", round " << p.roundwin << ", wager " << p.wager
                                    << ", total " << p.total << ", invested " << p.amountinvested;
        if (p.roundspins > 0) {
            ++killsInsideRounds;
            EXPECT_TRUE(p.rounddone >= 1 && p.rounddone <= p.roundspins) << "a round that cannot carry on";
        } else {
            EXPECT_EQ(p.roundwin, 0) << "a round neither on disk to carry on nor collected";
        }
        EXPECT_GE(p.games, gamesBefore) << "the games played went back";
        const std::optional<std::int64_t> settled = player.lastSettled();
        if (settled) {
            ++runsThatSettledAGame;
            EXPECT_GE(p.games, *settled) << "a game reported settled is not on disk";
            EXPECT_LE(p.games, *settled + 1) << "more than one game beyond the last one reported";
        } else {
            EXPECT_LE(p.games, gamesBefore + 1);
        }
        gamesBefore = p.games;
    }
    EXPECT_GE(killsInsideRounds, 1) << "no kill landed inside a free-spin round";
    std::printf("crash: %d kills at random, %d inside free-spin rounds, %lld games on disk, %d runs settled at least "
                "one game\n",
                kRuns + 1, killsInsideRounds, static_cast<long long>(gamesBefore), runsThatSettledAGame);
}

} // namespace
} // namespace melvane
