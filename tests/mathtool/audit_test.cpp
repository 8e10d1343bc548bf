// `melvane-math audit` on a real journal file written by a scripted session of the game.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "mathtool/arguments.h"
#include "mathtool/audit.h"
#include "platform/sqlite/sqlitejournal.h"
#include "support/gamefixture.h"

namespace melvane::mathtool {
namespace {

using testing_support::kK40Stops;
using testing_support::kLosingStops;
using testing_support::kThreeScattersStops;

class AuditCommand : public testing_support::GameFixture {
protected:
    QTemporaryDir dir;
    std::string path = (dir.path() + "/journal.sqlite").toStdString();

    // Credit, a win gambled and collected, a losing spin, a bonus and its collect, journaled.
    void playSession()
    {
        SqliteJournal journal(QString::fromStdString(path));
        ASSERT_TRUE(journal.open());
        m.journal = &journal;
        m.g.amountinvested = 1000;
        m.COINSIN.press();
        spinWith(kK40Stops);
        m.doublebutton.press();
        host.queueDraw(4, 1);
        m.gamble.betred.press();
        m.gamble.cancelbet.press();
        spinWith(kLosingStops);
        spinWith(kThreeScattersStops);
        host.queueDraw(2, 1);
        for (int i = 0; i < 10; ++i)
            queueSpin(kLosingStops, 1, 15);
        ASSERT_TRUE(host.advanceUntil([&] { return m.freespinsover == 1; }, 3'600'000));
        m.takewin.press();
        m.journal = nullptr;
    }
    void alter(const QString &sql)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("alter"));
        db.setDatabaseName(QString::fromStdString(path));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(sql));
        q.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("alter"));
    }
};

TEST_F(AuditCommand, PassesARealSessionAndNamesTheGameWhoseWinWasAltered)
{
    playSession();
    const AuditReport clean = auditJournalFile(path);
    EXPECT_EQ(clean.games, 4); // the credit entry, two spins, the bonus
    EXPECT_EQ(clean.steps, 1 + 4 + 1 + 12); // the credit; spin, gamble open, card, collect; a loss; 11 spins and the collect
    EXPECT_TRUE(clean.mismatches.empty()) << clean.mismatches.front().what;

    alter(QStringLiteral("UPDATE steps SET win = win + 5 WHERE game_id = 2 AND seq = 0"));
    const AuditReport altered = auditJournalFile(path);
    ASSERT_FALSE(altered.mismatches.empty());
    EXPECT_EQ(altered.mismatches.front().game, 2);
    EXPECT_NE(auditText(path, altered).find("game 2, step 1"), std::string::npos);
}

// Altered files that the reader alone could hide: a step of a kind it does not know, a game
// moved to a player no profile has.
TEST_F(AuditCommand, NamesTheGameOfAStepOfNoKnownKindOrOfNoPlayer)
{
    playSession();
    const struct {
        const char *sql;
        std::int64_t game;
        int step;
    } cases[] = {
        {"INSERT INTO steps SELECT game_id, 1, 42, at_ms, 0, 0, credit_after, credit_after, '', serial FROM steps "
         "WHERE game_id = 1",
         1, 2},
        {"UPDATE games SET player = 0 WHERE id = 4", 4, 1},
        {"UPDATE games SET player = 7 WHERE id = 4", 4, 1},
    };
    const std::string honest = path + ".honest";
    ASSERT_TRUE(QFile::copy(QString::fromStdString(path), QString::fromStdString(honest)));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.sql);
        QFile::remove(QString::fromStdString(path));
        ASSERT_TRUE(QFile::copy(QString::fromStdString(honest), QString::fromStdString(path)));
        alter(QString::fromUtf8(c.sql));
        const AuditReport report = auditJournalFile(path);
        if (report.mismatches.empty()) {
            ADD_FAILURE() << "the audit passed it";
            continue;
        }
        EXPECT_EQ(report.mismatches.front().game, c.game) << report.mismatches.front().what;
        EXPECT_EQ(report.mismatches.front().step, c.step);
    }
}

TEST_F(AuditCommand, AFileThatIsNoJournalIsOneClearLine)
{
    EXPECT_THROW(auditJournalFile((dir.path() + "/missing.sqlite").toStdString()), UsageError);
}

} // namespace
} // namespace melvane::mathtool
