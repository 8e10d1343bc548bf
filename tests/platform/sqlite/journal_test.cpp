// The journal in its SQLite file: every field read back, games put together as the port says,
// the latest games of each player kept, and a file that cannot be read or written never
// stopping the game.
#include "platform/sqlite/sqlitejournal.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace melvane {
namespace {

// A step of `kind` whose every field differs from its default and from the other steps'.
JournalStep fullStep(StepKind kind, int player, int n)
{
    JournalStep s;
    s.kind = kind;
    s.player = player;
    s.coinbet = 5;
    s.waysmult = 25;
    s.stake = 125 + n;
    s.stops = {1 + n % 22, 22, 3, 14, 9};
    s.discarded = n % 3;
    s.parts = {{Symbol::Composer, 5, 8, 12000 + n}, {Symbol::J, 3, 1, 25}};
    s.scatterPay = 250;
    s.wildmult = 10;
    s.win = 12275 + n;
    s.freeSpinsAdded = 11;
    s.freespins = 21;
    s.freespinsdone = 4;
    s.bet = GambleBet::Spades;
    s.card = 4;
    s.won = true;
    s.amount = -(1LL << 40) - n; // wider than 32 bits
    s.creditBefore = 5000;
    s.creditAfter = 17275;
    s.roundTotal = 800;
    return s;
}

JournalStep step(StepKind kind, int player, std::int64_t stake = 0)
{
    JournalStep s;
    s.kind = kind;
    s.player = player;
    s.stake = stake;
    return s;
}

// The kinds of a game's steps, as "Spin FreeSpin Collect".
std::string kindsOf(const JournalGame &g)
{
    static const char *const names[] = {"", "Spin", "FreeSpin", "Collect", "GambleOpen", "GambleCard",
                                        "GambleCollect", "GambleLost", "Credit", "FastMoney"};
    std::string text;
    for (const JournalStep &s : g.steps)
        text += (text.empty() ? "" : " ") + std::string(names[static_cast<int>(s.kind)]);
    return text;
}

std::vector<std::string> kindsOf(const std::vector<JournalGame> &games)
{
    std::vector<std::string> all;
    for (const JournalGame &g : games)
        all.push_back(std::to_string(g.player) + ": " + kindsOf(g));
    return all;
}

QByteArray digest(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : "";
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class JournalTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // A journal on the test's file that notes every message it gives.
    std::unique_ptr<SqliteJournal> openJournal(std::int64_t kept = SqliteJournal::kKeptGames)
    {
        auto j = std::make_unique<SqliteJournal>(file(), kept);
        j->onTrouble = [this](const Wording &message) { messages.push_back(message.english()); };
        j->open();
        return j;
    }
    QString file() const { return dir.path() + "/journal.sqlite"; }

    QTemporaryDir dir;
    std::vector<std::string> messages;
};

TEST_F(JournalTest, EveryFieldOfEveryKindOfStepReadsBackFromTheFile)
{
    const StepKind kinds[] = {StepKind::Spin,          StepKind::FreeSpin,   StepKind::Collect,
                              StepKind::GambleOpen,    StepKind::GambleCard, StepKind::GambleCollect,
                              StepKind::GambleLost,    StepKind::Credit,     StepKind::FastMoney};
    std::vector<JournalStep> written;
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    {
        auto j = openJournal();
        for (const StepKind kind : kinds) {
            written.push_back(fullStep(kind, 3, static_cast<int>(written.size())));
            j->record(written.back());
        }
    }
    const qint64 after = QDateTime::currentMSecsSinceEpoch();

    std::string error;
    const auto reader = SqliteJournal::openForReading(file(), error);
    ASSERT_NE(reader, nullptr) << error;
    const std::vector<JournalGame> games = reader->allGames();
    EXPECT_EQ(reader->readError(), "");
    ASSERT_EQ(kindsOf(games), (std::vector<std::string>{
                                  "3: Spin FreeSpin Collect GambleOpen GambleCard GambleCollect GambleLost",
                                  "3: Credit", "3: FastMoney"}));
    std::vector<JournalStep> read;
    for (const JournalGame &g : games)
        read.insert(read.end(), g.steps.begin(), g.steps.end());
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(read[i].atMs, before);
        EXPECT_LE(read[i].atMs, after);
        JournalStep expected = written[i];
        expected.atMs = read[i].atMs; // stamped by the journal
        expected.serial = read[i].serial;
        EXPECT_EQ(read[i].serial, i == 0 ? 1 : read[i - 1].serial + 1) << "recorded in order";
        EXPECT_EQ(read[i], expected);
    }
    EXPECT_EQ(games[0].startedMs(), read[0].atMs);
    EXPECT_TRUE(messages.empty());
}

TEST_F(JournalTest, GamesArePutTogetherAsInTheMemoryJournalAcrossARestart)
{
    // Player 1 spins, puts credit on in the middle of a free-spin round and the game restarts
    // inside the round; player 2 plays beside.
    const std::vector<std::vector<JournalStep>> runs = {
        {step(StepKind::Credit, 1), step(StepKind::Spin, 1), step(StepKind::GambleOpen, 1),
         step(StepKind::GambleLost, 1), step(StepKind::Spin, 2), step(StepKind::Spin, 1),
         step(StepKind::FreeSpin, 1), step(StepKind::FastMoney, 1), step(StepKind::FreeSpin, 2)},
        {step(StepKind::FreeSpin, 1), step(StepKind::Collect, 1), step(StepKind::Spin, 2), step(StepKind::Credit, 2)},
    };
    InMemoryJournal memory;
    for (const auto &steps : runs) {
        auto j = openJournal();
        for (const JournalStep &s : steps) {
            j->record(s);
            memory.record(s);
        }
    }
    auto j = openJournal();
    for (const int player : {1, 2}) {
        SCOPED_TRACE(player);
        EXPECT_EQ(kindsOf(j->lastGames(player, 10)), kindsOf(memory.lastGames(player, 10)));
        EXPECT_EQ(kindsOf(j->lastGames(player, 2)), kindsOf(memory.lastGames(player, 2)));
    }
    EXPECT_EQ(kindsOf(j->lastGames(1, 10)),
              (std::vector<std::string>{"1: FastMoney", "1: Spin FreeSpin FreeSpin Collect", "1: Spin GambleOpen GambleLost",
                                        "1: Credit"}));
    EXPECT_TRUE(j->lastGames(3, 10).empty());
}

TEST_F(JournalTest, AFileThatIsNoReadableJournalIsSetAsideOnceAndAFreshOneWorks)
{
    const auto foreignDatabase = [this] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
        db.setDatabaseName(file());
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE games (name TEXT)"));
        db.close();
    };
    const auto truncatedJournal = [this] {
        {
            auto j = openJournal();
            for (int i = 0; i < 2000; ++i)
                j->record(fullStep(StepKind::Spin, 1, i));
        }
        QFile f(file());
        ASSERT_TRUE(f.resize(f.size() / 2));
    };
    const struct {
        const char *what;
        std::function<void()> make;
        bool log;
    } cases[] = {
        {"garbage bytes with a log beside", [this] {
             writeBytes(file(), QByteArray(9000, '\x5a'));
             writeBytes(file() + "-wal", QByteArray(500, '\x13'));
         }, true},
        {"another program's database", foreignDatabase, false},
        {"a journal cut in half", truncatedJournal, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        c.make();
        QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
        const QByteArray original = digest(file());
        messages.clear();

        auto j = openJournal();
        j->record(step(StepKind::Spin, 1, 7));

        EXPECT_TRUE(j->writing());
        ASSERT_EQ(messages.size(), 1u);
        const QString aside = j->setAsidePath();
        EXPECT_TRUE(aside.contains(QRegularExpression("/journal-corrupt-\\d{8}-\\d{6}\\.sqlite$"))) << aside.toStdString();
        EXPECT_EQ(messages[0], "The game journal could not be read, so it was set aside as " +
                                   QFileInfo(aside).fileName().toStdString() + " and a new one was started.");
        EXPECT_EQ(digest(aside), original) << "set aside as it was";
        EXPECT_EQ(QFile::exists(aside + "-wal"), c.log) << "the log goes with its file";
        const auto games = j->lastGames(1, 5);
        ASSERT_EQ(games.size(), 1u);
        EXPECT_EQ(games[0].steps.at(0).stake, 7);
    }
}

TEST_F(JournalTest, AJournalThatCannotBeWrittenSaysSoOnceAndThePlayGoesOn)
{
    const std::string text =
        "The game journal cannot be written (the disk may be full or the folder read-only). The game goes on without it.";
    // The folder cannot be made: a file stands where it should be.
    {
        writeBytes(dir.path() + "/notafolder", "x");
        SqliteJournal j(dir.path() + "/notafolder/journal.sqlite");
        j.onTrouble = [this](const Wording &m) { messages.push_back(m.english()); };
        EXPECT_FALSE(j.open());
        for (int i = 0; i < 3; ++i)
            j.record(step(StepKind::Spin, 1));
        EXPECT_EQ(messages, std::vector<std::string>{text});
        EXPECT_TRUE(j.lastGames(1, 5).empty());
    }
    // The log cannot be opened.
    messages.clear();
    openJournal()->record(step(StepKind::Spin, 1));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), file() + "-wal"));
    {
        auto j = openJournal();
        j->record(step(StepKind::Spin, 1));
        EXPECT_FALSE(j->writing());
        EXPECT_EQ(messages, std::vector<std::string>{text});
        EXPECT_TRUE(j->setAsidePath().isEmpty()) << "a file that cannot be written is not corrupt";
    }
    // The disk fills up while the game plays: the file may grow no further.
    messages.clear();
    QFile::remove(file() + "-wal");
    int recorded = 0;
    {
        auto j = openJournal();
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit full{1'000'000, limit.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
        for (int i = 0; i < 3000; ++i) {
            j->record(fullStep(StepKind::Spin, 1, i));
            recorded += j->writing() ? 1 : 0;
        }
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previous);
        EXPECT_EQ(messages, std::vector<std::string>{text});
        EXPECT_GT(recorded, 0);
        EXPECT_LT(recorded, 3000);
    }
    std::string error;
    const auto reader = SqliteJournal::openForReading(file(), error);
    ASSERT_NE(reader, nullptr) << error;
    EXPECT_EQ(static_cast<int>(reader->allGames().size()), 1 + recorded) << "every step before the disk filled";
}

TEST_F(JournalTest, PruningKeepsTheLatestGamesOfEachPlayerWithTheirSteps)
{
    constexpr int kKept = 4;
    auto j = openJournal(kKept);
    std::int64_t stake = 0;
    for (int round = 0; round < 9; ++round)
        for (const int player : {1, 2, 5}) {
            j->record(step(StepKind::Spin, player, ++stake));
            if (round % 2 == 0)
                j->record(step(StepKind::GambleOpen, player, stake));
        }
    j->prune();
    j->waitForPruning();

    const std::vector<JournalGame> all = j->allGames();
    ASSERT_EQ(all.size(), 3u * kKept);
    for (const int player : {1, 2, 5}) {
        SCOPED_TRACE(player);
        const auto latest = j->lastGames(player, 100);
        ASSERT_EQ(latest.size(), static_cast<std::size_t>(kKept));
        // The last four rounds, newest first; the even rounds kept their gamble.
        for (int k = 0; k < kKept; ++k) {
            const int round = 8 - k;
            EXPECT_EQ(latest[static_cast<std::size_t>(k)].steps.size(), round % 2 == 0 ? 2u : 1u);
            EXPECT_EQ(latest[static_cast<std::size_t>(k)].steps[0].stake, round * 3 + (player == 1 ? 1 : player == 2 ? 2 : 3));
        }
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
        db.setDatabaseName(file());
        ASSERT_TRUE(db.open());
        QSqlQuery orphans(db);
        ASSERT_TRUE(orphans.exec("SELECT count(*) FROM steps WHERE game_id NOT IN (SELECT id FROM games)"));
        ASSERT_TRUE(orphans.next());
        EXPECT_EQ(orphans.value(0).toInt(), 0) << "the steps of a pruned game go with it";
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
}

TEST_F(JournalTest, ReadingChangesNothingAndRefusesWhatIsNoJournal)
{
    {
        auto j = openJournal();
        j->record(step(StepKind::Spin, 2, 40));
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    const QByteArray bytes = digest(file());
    {
        std::string error;
        const auto reader = SqliteJournal::openForReading(file(), error);
        ASSERT_NE(reader, nullptr) << error;
        EXPECT_EQ(reader->allGames().size(), 1u);
        reader->record(step(StepKind::Spin, 2, 41));
        EXPECT_EQ(reader->lastGames(2, 5).size(), 1u);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    EXPECT_EQ(digest(file()), bytes);

    writeBytes(dir.path() + "/garbage.sqlite", QByteArray(4096, '\x01'));
    for (const char *name : {"/missing.sqlite", "/garbage.sqlite"}) {
        std::string error;
        EXPECT_EQ(SqliteJournal::openForReading(dir.path() + name, error), nullptr);
        EXPECT_NE(error, "") << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"garbage.sqlite", "journal.sqlite"}));
}

} // namespace
} // namespace melvane
