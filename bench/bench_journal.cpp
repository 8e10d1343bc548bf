// The game journal's speed in a real file: one settled step written, the last games of a player
// and every game read with 100,000 games in the file, and opening such a file. Prints figures;
// never fails.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "journalfill.h"
#include "platform/sqlite/sqlitejournal.h"

namespace {

using namespace melvane;
using namespace melvane::bench;
using Clock = std::chrono::steady_clock;

// The processor time of this process: the machine may be busy with other work.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void printSpread(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double share) { return ms[static_cast<std::size_t>(share * static_cast<double>(ms.size() - 1))]; };
    std::printf("%-44s median %7.3f ms   p99 %7.3f ms   max %7.3f ms   (%zu calls)\n", what, at(0.5), at(0.99),
                ms.back(), ms.size());
}

// One insert in a transaction of its own at a synchronous level, on a scratch file: what the
// level costs on this disk.
void compareSynchronousLevels(const QString &folder)
{
    for (const char *level : {"FULL", "NORMAL"}) {
        const QString name = QStringLiteral("sync-%1").arg(QString::fromLatin1(level));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(folder + '/' + name + QStringLiteral(".sqlite"));
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            q.exec(QStringLiteral("PRAGMA synchronous=") + QString::fromLatin1(level));
            q.exec(QStringLiteral("CREATE TABLE t (a INTEGER, b TEXT)"));
            std::vector<double> ms;
            for (int i = 0; i < 1000; ++i) {
                const auto start = Clock::now();
                q.exec(QStringLiteral("BEGIN IMMEDIATE"));
                q.exec(QStringLiteral("INSERT INTO t VALUES (%1, 'step')").arg(i));
                q.exec(QStringLiteral("COMMIT"));
                ms.push_back(msSince(start));
            }
            printSpread(QStringLiteral("  bare SQLite commit, synchronous=%1").arg(QString::fromLatin1(level)).toUtf8().constData(), ms);
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // A folder on the command line keeps the journal there to look at; otherwise a temporary one.
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString path = folder + QStringLiteral("/journal.sqlite");
    QFile::remove(path);
    std::printf("journal in %s\n", qPrintable(path));
    std::mt19937 random(14);

    // Writing: 10,000 games of three players, every step timed.
    std::vector<double> recordMs;
    std::int64_t steps = 0;
    {
        SqliteJournal journal(path);
        const auto openStart = Clock::now();
        journal.open();
        std::printf("%-44s %7.3f ms\n", "open() of a new file", msSince(openStart));
        for (int game = 0; game < 10'000; ++game)
            for (const JournalStep &s : typicalGame(random, 1 + game % 3)) {
                const auto start = Clock::now();
                journal.record(s);
                recordMs.push_back(msSince(start));
                ++steps;
            }
        if (!journal.writing())
            std::printf("the journal stopped writing: the figures are not valid\n");
    }
    printSpread("record() of one settled step, 10,000 games", recordMs);

    // Reading with 100,000 games in the file.
    growTo(path, 100'000);
    QSqlDatabase::removeDatabase(QStringLiteral("grow"));
    {
        SqliteJournal journal(path);
        const auto openStart = Clock::now();
        journal.open();
        std::printf("%-44s %7.3f ms\n", "open() with 100,000 games (quick check)", msSince(openStart));
        std::vector<double> lastMs;
        std::size_t listed = 0;
        for (int i = 0; i < 20; ++i) {
            const auto start = Clock::now();
            listed = journal.lastGames(1 + i % 3, 100).size();
            lastMs.push_back(msSince(start));
        }
        printSpread("lastGames(player, 100), 100,000 games", lastMs);
        std::printf("  (%zu games listed)\n", listed);
    }
    {
        std::string error;
        const auto reader = SqliteJournal::openForReading(path, error);
        if (!reader) {
            std::printf("cannot read the journal back: %s\n", error.c_str());
            return 0;
        }
        for (int pass = 1; pass <= 2; ++pass) {
            const auto start = Clock::now();
            const double cpuStart = cpuMs();
            const auto games = reader->allGames();
            const double wall = msSince(start);
            const double cpu = cpuMs() - cpuStart;
            std::size_t read = 0;
            for (const JournalGame &g : games)
                read += g.steps.size();
            std::printf("%-44s %7.3f ms   (processor %.0f ms; %zu games, %zu steps)\n",
                        pass == 1 ? "allGames(), 100,000 games, first read" : "allGames(), 100,000 games, again", wall,
                        cpu, games.size(), read);
        }
    }
    std::printf("what the synchronous level costs on this disk:\n");
    compareSynchronousLevels(folder);
    return 0;
}
