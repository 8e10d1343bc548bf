#pragma once
// Games for the journal benchmarks: what play brings, and a file grown to a size fast.
#include <random>
#include <vector>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include "game/ports/journal.h"

namespace melvane::bench {

inline JournalStep spinStep(std::mt19937 &random, int player, StepKind kind)
{
    JournalStep s;
    s.kind = kind;
    s.player = player;
    s.coinbet = 1;
    s.waysmult = 25;
    s.stake = kind == StepKind::Spin ? 25 : 0;
    std::uniform_int_distribution<int> stop(1, 22);
    for (int &st : s.stops)
        st = stop(random);
    s.parts = {{Symbol::K, 3, 4, 20}};
    s.win = 20;
    s.creditBefore = 5000;
    s.creditAfter = 4995;
    return s;
}

inline JournalStep otherStep(int player, StepKind kind)
{
    JournalStep s;
    s.kind = kind;
    s.player = player;
    s.amount = 40;
    s.creditBefore = 4995;
    s.creditAfter = 5035;
    return s;
}

// One game as play brings them: mostly a spin; often a gamble of a card or two; now and then a
// round of eleven free spins and its collect, or credit. About three steps a game.
inline std::vector<JournalStep> typicalGame(std::mt19937 &random, int player)
{
    std::vector<JournalStep> steps{spinStep(random, player, StepKind::Spin)};
    const int roll = std::uniform_int_distribution<int>(1, 100)(random);
    if (roll <= 12) {
        steps.front().freeSpinsAdded = 11;
        for (int i = 0; i < 11; ++i)
            steps.push_back(spinStep(random, player, StepKind::FreeSpin));
        steps.push_back(otherStep(player, StepKind::Collect));
    } else if (roll <= 40) {
        steps.push_back(otherStep(player, StepKind::GambleOpen));
        for (int card = 0; card <= roll % 2; ++card)
            steps.push_back(otherStep(player, StepKind::GambleCard));
        steps.push_back(otherStep(player, roll % 3 == 0 ? StepKind::GambleLost : StepKind::GambleCollect));
    } else if (roll <= 42) {
        steps = {otherStep(player, StepKind::Credit)};
    }
    return steps;
}

// Copies the games of the file until it holds `games`: the same play, repeated, written the fast
// way (one transaction) since only the reading is measured.
inline void growTo(const QString &path, std::int64_t games)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grow"));
    db.setDatabaseName(path);
    db.open();
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT max(id), count(*), (SELECT max(serial) FROM steps) FROM games"));
    q.next();
    const qlonglong block = q.value(0).toLongLong();
    const qlonglong have = q.value(1).toLongLong();
    const qlonglong serials = q.value(2).toLongLong();
    q.finish();
    q.exec(QStringLiteral("BEGIN"));
    for (qlonglong copy = 1; copy * have < games; ++copy) {
        const QString shift = QString::number(copy * block);
        q.exec(QStringLiteral("INSERT INTO games SELECT id + %1, player, started_ms, kind FROM games WHERE id <= %2")
                   .arg(shift)
                   .arg(block));
        // Every column, the serial included: an insert short of one inserts nothing.
        q.exec(QStringLiteral("INSERT INTO steps SELECT game_id + %1, seq, kind, at_ms, stake, win, credit_before, "
                              "credit_after, detail, serial + %2 FROM steps WHERE game_id <= %3")
                   .arg(shift)
                   .arg(copy * serials)
                   .arg(block));
    }
    q.exec(QStringLiteral("COMMIT"));
    q.finish();
    db.close();
}

} // namespace melvane::bench
