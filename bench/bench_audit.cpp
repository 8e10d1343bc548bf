// `melvane-math audit` on a journal of millions of games: the game itself plays into a journal
// file, the file grows by copies of that play, each joined to the one before by an adjustment
// of credit so the books run on unbroken, and the audit reads it in a process of its own. Prints
// the audit's time and peak memory; never fails.
//
// bench_audit [GAMES [PLAYED [FILE]]]: GAMES in the file (3,000,000), PLAYED by the game
// (100,000); FILE keeps the journal (a new one) for a second look, else it goes with the run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/resource.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "game/machine/melvane.h"
#include "platform/sqlite/sqlitejournal.h"
#include "platform/virtual/virtualhost.h"

namespace {

using namespace melvane;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Plays `games` paid spins (with the rounds they start) at 243 ways and 1 coin in autoplay.
void play(const QString &path, std::int64_t games)
{
    SqliteJournal journal(path, games + 1);
    journal.open();
    VirtualHost host(7);
    host.recordClips = false;
    Melvane m(host);
    m.journal = &journal;
    m.coinbet = 1;
    m.waysmult = 25;
    m.g.machinepay = 5;
    m.g.reelspeed = 1;
    m.g.soundonoff = 0;
    m.g.winroll = 0;
    m.g.bank = 1'000'000'000;
    m.g.playernumber = "1";
    std::int64_t played = 0;
    m.onResolved = [&] {
        if (m.freespins == 0 && ++played >= games)
            m.autoplayoff.press();
    };
    m.autoplayon.press();
    while (played < games && m.autoplay > 0)
        host.advance(600'000);
    m.journal = nullptr;
}

std::int64_t number(QSqlQuery &q, const QString &sql)
{
    q.exec(sql);
    q.next();
    const std::int64_t n = q.value(0).toLongLong();
    q.finish();
    return n;
}

// Copies the games played until the file holds `games`, each copy after an adjustment that takes
// the credit from where the play ended back to where it began.
void grow(const QString &path, std::int64_t games)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grow"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        const std::int64_t lastGame = number(q, QStringLiteral("SELECT max(id) FROM games"));
        const std::int64_t have = number(q, QStringLiteral("SELECT count(*) FROM games"));
        const std::int64_t lastSerial = number(q, QStringLiteral("SELECT max(serial) FROM steps"));
        const std::int64_t first = number(q, QStringLiteral("SELECT credit_before FROM steps ORDER BY serial LIMIT 1"));
        const std::int64_t last = number(q, QStringLiteral("SELECT credit_after FROM steps ORDER BY serial DESC LIMIT 1"));
        q.exec(QStringLiteral("BEGIN"));
        for (std::int64_t copy = 1; copy * (have + 1) < games; ++copy) {
            const QString games0 = QString::number(copy * (lastGame + 1));
            const QString serial0 = QString::number(copy * (lastSerial + 1));
            q.exec(QStringLiteral("INSERT INTO games VALUES (%1, 1, 0, %2)").arg(games0).arg(int(StepKind::Adjustment)));
            q.exec(QStringLiteral("INSERT INTO steps VALUES (%1, 0, %2, 0, 0, 0, %3, %4, '', %5)")
                       .arg(games0)
                       .arg(int(StepKind::Adjustment))
                       .arg(last)
                       .arg(first)
                       .arg(serial0));
            q.exec(QStringLiteral("INSERT INTO games SELECT id + %1, player, started_ms, kind FROM games WHERE id <= %2")
                       .arg(games0)
                       .arg(lastGame));
            q.exec(QStringLiteral("INSERT INTO steps SELECT game_id + %1, seq, kind, at_ms, stake, win, credit_before, "
                                  "credit_after, detail, serial + %2 FROM steps WHERE game_id <= %3")
                       .arg(games0)
                       .arg(serial0)
                       .arg(lastGame));
        }
        q.exec(QStringLiteral("COMMIT"));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("grow"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const std::int64_t games = argc > 1 ? std::atoll(argv[1]) : 3'000'000;
    const std::int64_t played = argc > 2 ? std::atoll(argv[2]) : 100'000;
    QTemporaryDir dir;
    const QString path = argc > 3 ? QString::fromLocal8Bit(argv[3]) : dir.path() + QStringLiteral("/journal.sqlite");

    auto start = Clock::now();
    play(path, played);
    std::printf("%-44s %8.1f s\n", "the game played into the journal", secondsSince(start));
    start = Clock::now();
    grow(path, games);
    std::printf("%-44s %8.1f s   (%.0f MB)\n", "the journal grown by copies", secondsSince(start),
                static_cast<double>(QFileInfo(path).size()) / 1e6);

    // In a process of its own, so that its peak memory is the audit's alone.
    const std::string command = std::string(MELVANE_MATH_BINARY) + " audit '" + path.toStdString() + "'";
    start = Clock::now();
    FILE *out = popen(command.c_str(), "r");
    char line[512] = "";
    if (out == nullptr || std::fgets(line, sizeof line, out) == nullptr)
        std::printf("the audit gave nothing\n");
    while (out != nullptr && std::fgetc(out) != EOF) {
    }
    const int status = out != nullptr ? pclose(out) : -1;
    const double seconds = secondsSince(start);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    std::printf("%s", line);
    std::printf("%-44s %8.1f s   peak resident %.0f MB   (exit status %d)\n", "melvane-math audit", seconds,
                static_cast<double>(usage.ru_maxrss) / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}
