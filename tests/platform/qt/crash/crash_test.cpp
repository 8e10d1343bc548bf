// The game is killed (SIGKILL, no chance to save) at a random moment while autoplay plays, over
// and over on the same settings store; some runs start inside a stored free-spin round and are
// killed while it plays. Every time, the profile on disk must be whole: its credit, round and
// statistics balance, a round is either still there to carry on or collected, the games played
// never go back, and every game the player saw settle is on disk. Other runs are killed where a
// kill costs most: in a lost card's hold, in the wait after an award of free spins, while a
// gamble is open, and between the journal's commit of a step and the save of the profile that
// names it. After every kill the game is started once more, as the player would start it, and
// what that start leaves must agree: the profile with the journal's last step, and the journal
// with the rules.
#include <gtest/gtest.h>

#include <array>
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

#include "game/audit/audit.h"
#include "game/profiles/storedvalue.h"
#include "platform/qt/qsettingsstore.h"
#include "platform/sqlite/sqlitejournal.h"

namespace melvane {
namespace {

// The seed of the kill times: a fresh one each run, or MELVANE_CRASH_SEED to replay a failure.
unsigned killSeed()
{
    bool given = false;
    const unsigned seed = qEnvironmentVariable("MELVANE_CRASH_SEED").toUInt(&given);
    return given ? seed : std::random_device{}();
}

using Clock = std::chrono::steady_clock;

// A running melvane-crashplay whose standard output we read.
class Player {
public:
    explicit Player(const std::string &storeFolder, std::vector<std::string> options = {})
    {
        options.insert(options.begin(), storeFolder);
        options.insert(options.begin(), MELVANE_CRASHPLAY_BINARY);
        std::vector<char *> arguments;
        for (std::string &option : options)
            arguments.push_back(option.data());
        arguments.push_back(nullptr);
        int out[2];
        if (::pipe(out) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::execv(arguments[0], arguments.data());
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

    // Waits until the player ends by itself, or kills it at `deadline`. Returns how it ended.
    int waitForEnd(Clock::time_point deadline)
    {
        if (readUntil(deadline, [this] { return ended_; }) && pid_ > 0 && ::waitpid(pid_, &status_, 0) == pid_)
            pid_ = -1;
        return kill();
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

    // The number that ends the last line starting with `word`: the games played at the last
    // game reported settled, the serial of the last step, award or lost card.
    std::optional<std::int64_t> last(const std::string &word) const
    {
        std::optional<std::int64_t> number;
        for (const std::string &line : lines())
            if (line.rfind(word + ' ', 0) == 0)
                number = parseStoredWhole(line.substr(line.rfind(' ') + 1));
        return number;
    }
    std::optional<std::int64_t> lastSettled() const { return last("settled"); }

    std::string printed() const { return text_; }

private:
    bool readSome()
    {
        char buffer[4096];
        const ssize_t n = ::read(output_, buffer, sizeof buffer);
        ended_ = ended_ || n <= 0; // its output closes as it ends
        if (n <= 0)
            return false;
        text_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int output_ = -1;
    int status_ = 0;
    bool ended_ = false;
    std::string text_;
};

struct StoredProfile {
    std::int64_t bank = 0, wager = 0, total = 0, amountinvested = 0, games = 0, gamblelost = 0, howmanyspins = 0;
    std::int64_t roundspins = 0, rounddone = 0, roundwin = 0, journalserial = 0;
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
    read("howmanyspins", p.howmanyspins);
    read("journalserial", p.journalserial);
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

// Where the kills fell, told once the tests have run.
struct KillTally {
    int random = 0, randomInRounds = 0, lostHold = 0, awardWait = 0, betweenJournalAndProfile = 0, openGamble = 0;
};
KillTally tally;

class TellKillTally : public ::testing::Environment {
public:
    void TearDown() override
    {
        std::string told;
        const auto tell = [&told](int count, const std::string &where) {
            if (count > 0)
                told += (told.empty() ? "" : ", ") + std::to_string(count) + where;
        };
        tell(tally.random, " at random (" + std::to_string(tally.randomInRounds) + " inside rounds)");
        tell(tally.lostHold, " in a lost card's hold");
        tell(tally.awardWait, " in an award's wait");
        tell(tally.betweenJournalAndProfile, " between journal and profile");
        tell(tally.openGamble, " while a gamble was open");
        if (!told.empty())
            std::printf("crash: %s\n", told.c_str());
    }
};
[[maybe_unused]] const auto *const kTellKillTally = ::testing::AddGlobalTestEnvironment(new TellKillTally);

// The last step the journal holds for player 1, and whether the rules explain every step.
std::optional<JournalStep> auditJournal(const QString &storeFolder)
{
    std::string error;
    const auto journal = SqliteJournal::openForReading(storeFolder + "/Melvane/journal.sqlite", error);
    if (!journal) {
        ADD_FAILURE() << "the journal cannot be read: " << error;
        return std::nullopt;
    }
    JournalAudit audit;
    std::optional<JournalStep> last;
    EXPECT_TRUE(journal->forEachGame(
        [&](JournalGame &&game) {
            for (const JournalStep &step : game.steps)
                if (step.player == 1 && (!last || step.serial > last->serial))
                    last = step;
            audit.add(std::move(game));
        },
        error))
        << error;
    const AuditReport report = audit.finish();
    std::string mismatches;
    for (const AuditMismatch &m : report.mismatches)
        mismatches += "game " + std::to_string(m.game) + ", step " + std::to_string(m.step) + ": " + m.what + "\n";
    EXPECT_TRUE(report.mismatches.empty()) << "steps the rules do not explain:\n" << mismatches;
    return last;
}

// What a kill left on disk, and what the next start made of it.
struct AfterKill {
    StoredProfile left;              // the profile as the kill left it
    StoredProfile restarted;         // after the next start
    std::optional<JournalStep> last; // the journal's last step of player 1 after that start
    bool settledGamble = false;      // the start settled a gamble the kill left open
};

// Starts the game once more after a kill, as the player would, and ends it as soon as it has
// started; then the profile on disk must balance and hold the journal's last step, all of it,
// and the journal must audit clean. The profile the kill left must balance too: at worst it
// misses the journal's last step.
AfterKill restartAndCheck(const QString &store, const QString &scratch)
{
    AfterKill after;
    after.left = readProfile(store, scratch + "-left");
    EXPECT_EQ(after.left.imbalance(), 0) << "the profile as the kill left it";
    Player restart(store.toStdString(), {"--check"});
    EXPECT_TRUE(restart.started());
    const int status = restart.waitForEnd(Clock::now() + std::chrono::seconds(60));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0 && restart.last("started"))
        << "the restart did not start and end; it printed:\n" << restart.printed();
    // All a start may add to the journal is the end of a gamble a kill left open; any other step
    // (an adjustment) means the profile did not agree with the journal.
    for (const std::string &line : restart.lines()) {
        const bool gambleEnd = line.rfind("step 6 ", 0) == 0 || line.rfind("step 7 ", 0) == 0;
        EXPECT_TRUE(gambleEnd || line.rfind("step ", 0) != 0) << "the restart journaled \"" << line << "\"";
        after.settledGamble = after.settledGamble || gambleEnd;
    }

    const StoredProfile &p = after.restarted = readProfile(store, scratch);
    EXPECT_TRUE(p.problem.empty()) << p.problem;
    EXPECT_EQ(p.imbalance(), 0) << "bank " << p.bank << ", round " << p.roundwin << ", wager " << p.wager
                                << ", total " << p.total << ", invested " << p.amountinvested << ", gamble lost "
                                << p.gamblelost;
    if (p.roundspins > 0)
        EXPECT_TRUE(p.rounddone >= 1 && p.rounddone <= p.roundspins) << "a round that cannot carry on";
    else
        EXPECT_EQ(p.roundwin, 0) << "a round neither on disk to carry on nor collected";

    const std::optional<JournalStep> &last = after.last = auditJournal(store);
    if (!last || !last->books) {
        ADD_FAILURE() << "the journal holds no step with the books of player 1";
        return after;
    }
    // A gamble a kill left open is settled by the restart, which journals how.
    EXPECT_NE(last->kind, StepKind::GambleOpen);
    EXPECT_NE(last->kind, StepKind::GambleCard);
    const JournalBooks &b = *last->books;
    EXPECT_EQ((std::vector<std::int64_t>{p.bank, p.roundwin, p.amountinvested, p.wager, p.total, p.games,
                                         p.gamblelost, p.howmanyspins, p.roundspins, p.rounddone, p.journalserial}),
              (std::vector<std::int64_t>{last->creditAfter, last->roundTotal, b.amountinvested, b.wager, b.total,
                                         b.games, b.gamblelost, b.howmanyspins, last->freespins,
                                         last->freespinsdone, last->serial}))
        << "the profile (left) is not the journal's last step (right), a step of kind "
        << static_cast<int>(last->kind) << "; in order: bank, round total, invested, wager, total, games, gamble "
        << "lost, awards, round spins, spins done, serial";
    return after;
}

TEST(Crash, AGameKilledAtRandomMomentsAlwaysLeavesAWholeProfileOnDisk)
{
    constexpr int kRuns = 24;
    constexpr int kRoundEvery = 3; // every third run starts inside a stored round
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString store = folder.path() + "/store";
    const unsigned seed = killSeed();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> lifetimeMs(300, 1500);
    // A carried-on round waits about three seconds before its first free spin.
    std::uniform_int_distribution<int> roundLifetimeMs(3500, 6000);
    int killsInsideRounds = 0;
    SCOPED_TRACE("kill times drawn with seed " + std::to_string(seed) + " (MELVANE_CRASH_SEED replays them)");

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
            << player.printed();

        const StoredProfile p = restartAndCheck(store, folder.path() + "/check" + QString::number(run)).restarted;
        if (p.roundspins > 0)
            ++killsInsideRounds;
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
    tally.random += kRuns + 1;
    tally.randomInRounds += killsInsideRounds;
    std::printf("crash: %d kills at random, %d inside free-spin rounds, %lld games on disk, %d runs settled at least "
                "one game\n",
                kRuns + 1, killsInsideRounds, static_cast<long long>(gamesBefore), runsThatSettledAGame);
}

// Kills the player `runs` times, each time a random moment up to `maxDelayMs` after it printed
// a line starting with `word`. Each run has a store of its own when `freshStore`, else all share
// one. Returns how many kills `fellThere` (given the player and what the restart found); the
// others still leave a whole profile.
int killAfter(const std::string &option, const std::string &word, int maxDelayMs, int runs, bool freshStore,
              const std::function<bool(const Player &, const AfterKill &)> &fellThere)
{
    QTemporaryDir folder;
    EXPECT_TRUE(folder.isValid());
    const unsigned seed = killSeed();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMs(0, maxDelayMs);
    SCOPED_TRACE("kill times drawn with seed " + std::to_string(seed) + " (MELVANE_CRASH_SEED replays them)");
    int there = 0;
    for (int run = 1; run <= runs; ++run) {
        SCOPED_TRACE(option + " run " + std::to_string(run));
        const QString store = folder.path() + "/store" + (freshStore ? QString::number(run) : QString());
        Player player(store.toStdString(), {option});
        EXPECT_TRUE(player.started());
        // Generous: a free-spin round the player wins by chance plays out first, and may be long.
        if (!player.readUntil(Clock::now() + std::chrono::minutes(4), [&] { return player.last(word).has_value(); })) {
            ADD_FAILURE() << "the player never printed \"" << word << "\"; it printed:\n" << player.printed();
            return there;
        }
        player.readUntil(Clock::now() + std::chrono::milliseconds(delayMs(random)));
        const int status = player.kill();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the player ended by itself";
        there += fellThere(player, restartAndCheck(store, folder.path() + "/check" + QString::number(run)));
    }
    return there;
}

// A kill in the hold after the step printed as `word`: no step came after it, and after the
// restart it is the last one, in the profile with all it settled.
bool inHoldAfter(const std::string &word, const Player &player, const AfterKill &after)
{
    const std::optional<std::int64_t> serial = player.last(word);
    if (player.last("step") != serial)
        return false;
    EXPECT_EQ(after.last ? after.last->serial : 0, *serial) << "the step before the hold is not the last";
    return true;
}

TEST(Crash, AKillInALostCardsHoldLeavesTheLossOnDisk)
{
    constexpr int kRuns = 6;
    // The card is held for three seconds.
    const int inside = killAfter("--gamble", "lost", 2500, kRuns, false, [](const Player &p, const AfterKill &a) {
        return inHoldAfter("lost", p, a);
    });
    EXPECT_GE(inside, kRuns - 1);
    tally.lostHold += inside;
}

TEST(Crash, AKillInTheWaitAfterAnAwardLeavesTheRoundOnDisk)
{
    constexpr int kRuns = 4;
    // The award holds the machine for eleven to twelve seconds. A fresh store each time: a
    // round the kill left would be played out first, and the random kills carry rounds on.
    const int inside = killAfter("--awards", "award", 11'000, kRuns, true, [](const Player &p, const AfterKill &a) {
        return inHoldAfter("award", p, a);
    });
    EXPECT_GE(inside, kRuns - 1);
    tally.awardWait += inside;
}

TEST(Crash, AKillWhileAGambleIsOpenIsSettledByTheNextStart)
{
    constexpr int kRuns = 4;
    // Killed just after the gamble opened (step 4), mostly before its first card or just after
    // a won one: the amount at risk is out of the credit, and the restart must collect it.
    const int open = killAfter("--gamble", "step 4", 60, kRuns, false,
                               [](const Player &, const AfterKill &a) { return a.settledGamble; });
    EXPECT_GE(open, 1) << "no kill fell while a gamble was open";
    tally.openGamble += open;
}

TEST(Crash, AKillBetweenTheJournalAndTheProfileIsMadeGoodByTheNextStart)
{
    // The player kills itself at a save drawn from `first`..`last`: while it gambles (after a
    // spin, a lost card or a collect), at an award's own save, then inside the round it left.
    struct Run {
        const char *option;
        int first, last;
    };
    constexpr std::array<Run, 8> kRuns = {{{"--gamble", 3, 8},
                                           {"--gamble", 3, 8},
                                           {"--gamble", 3, 8},
                                           {"--gamble", 3, 8},
                                           {"--gamble", 3, 8},
                                           {"--gamble", 3, 8},
                                           {"--awards", 1, 1},
                                           {"--awards", 3, 13}}};
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString store = folder.path() + "/store";
    const unsigned seed = killSeed();
    std::mt19937 random(seed);
    SCOPED_TRACE("saves drawn with seed " + std::to_string(seed));
    int between = 0;
    for (std::size_t run = 0; run < kRuns.size(); ++run) {
        const int k = std::uniform_int_distribution<int>(kRuns[run].first, kRuns[run].last)(random);
        SCOPED_TRACE(std::string(kRuns[run].option) + ", killed at save " + std::to_string(k));
        Player player(store.toStdString(), {kRuns[run].option, "--kill-at-save", std::to_string(k)});
        ASSERT_TRUE(player.started());
        const int status = player.waitForEnd(Clock::now() + std::chrono::minutes(4));
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "it printed:\n" << player.printed();
        const AfterKill after = restartAndCheck(store, folder.path() + "/check" + QString::number(run));
        // The journal took a step the profile the kill left does not hold.
        if (after.left.journalserial < player.last("step").value_or(0))
            ++between;
    }
    EXPECT_GE(between, static_cast<int>(kRuns.size()) / 2);
    tally.betweenJournalAndProfile += between;
}

} // namespace
} // namespace melvane
