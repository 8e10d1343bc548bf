// The game is killed (SIGKILL, no chance to save) at a random moment while autoplay plays, over
// and over on the same settings store. Every time, the profile on disk must be whole: its credit
// and statistics balance, the games played never go back, and every game the player saw settle
// is on disk.
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
    std::int64_t bank = 0, wager = 0, total = 0, amountinvested = 0, games = 0;
    std::string problem; // a value on disk that is not a number
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
    return p;
}

TEST(Crash, AGameKilledAtRandomMomentsAlwaysLeavesAWholeProfileOnDisk)
{
    constexpr int kRuns = 24;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString store = folder.path() + "/store";
    std::random_device device;
    const unsigned seed = device();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> lifetimeMs(300, 1500);
    SCOPED_TRACE("kill times drawn with seed " + std::to_string(seed));

    // Generous: only a player that never gets going at all runs into it.
    constexpr auto kStartLimit = std::chrono::seconds(60);
    std::int64_t gamesBefore = 0;
    int runsThatSettledAGame = 0;
    for (int run = 1; run <= kRuns + 1; ++run) {
        const bool last = run > kRuns;
        SCOPED_TRACE(last ? "the run after the kills" : "run " + std::to_string(run));
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
            player.readUntil(Clock::now() + std::chrono::milliseconds(lifetimeMs(random)));
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
        EXPECT_EQ(p.bank + p.wager - p.total - p.amountinvested, 0)
            << "bank " << p.bank << ", wager " << p.wager << ", total " << p.total << ", invested "
            << p.amountinvested;
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
    std::printf("crash: %d kills at random, %lld games on disk, %d runs settled at least one game\n", kRuns + 1,
                static_cast<long long>(gamesBefore), runsThatSettledAGame);
}

} // namespace
} // namespace melvane
