#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QString>

#include "game/machine/wording.h"
#include "game/ports/journal.h"

class QSqlDatabase;
class QSqlQuery;

namespace melvane {

class JournalPruner;

// The game journal in an SQLite file (Qt SQL, QSQLITE, WAL): every settled step is committed in
// a transaction of its own, so a crash keeps every step that settled. It keeps the latest games
// of each player and prunes the older ones on a thread of its own. A file it cannot read is set
// aside under a new name and a fresh one is started; a journal it cannot write goes quiet. Each
// of the two is told once through `onTrouble`; the game never stops for the journal.
//
// Use it from one thread: the one that opened it.
class SqliteJournal : public Journal {
public:
    // The games kept per player when the constructor is not told otherwise.
    static constexpr std::int64_t kKeptGames = 100'000;
    // The schema this journal writes (PRAGMA user_version).
    static constexpr int kSchemaVersion = 1;

    // The player's journal: "journal.sqlite" in the application-data folder of the organisation
    // and application the program has set. Nothing is created before open().
    static QString defaultPath();

    // A journal at `path`, keeping the latest `keptGames` games (Credit entries included) of each
    // player. Nothing happens on disk before open().
    explicit SqliteJournal(QString path, std::int64_t keptGames = kKeptGames);
    ~SqliteJournal() override;
    SqliteJournal(const SqliteJournal &) = delete;
    SqliteJournal &operator=(const SqliteJournal &) = delete;

    // Opens or creates the file. A file that is not a journal of this game, or fails its quick
    // check, is renamed to journal-corrupt-<yyyyMMdd-hhmmss>.sqlite (with its -wal and -shm) and
    // a fresh journal takes its place. Returns whether the journal can write; when it cannot, it
    // has said so through onTrouble. Called again, it does nothing and returns the same answer.
    bool open() override;

    // Opens an existing journal for reading only: nothing is created, set aside or changed.
    // Null, with `error` saying why, when the file is missing or not a readable journal.
    static std::unique_ptr<SqliteJournal> openForReading(const QString &path, std::string &error);

    std::int64_t record(const JournalStep &step) override;
    std::vector<JournalGame> lastGames(int player, int count) override;
    std::optional<JournalStep> lastStep(int player) override;

    // Called with (games read, games in the file) while the games are read.
    using Progress = std::function<void(std::int64_t done, std::int64_t total)>;
    // Hands every game to `visit`, oldest first, each with its steps in order, one game at a
    // time; a step of a kind this version does not know comes with that kind's number, for the
    // audit to tell. False, with `error` saying why, when the file could not be read to its end.
    bool forEachGame(const std::function<void(JournalGame &&)> &visit, std::string &error,
                     const Progress &progress = {});
    // Every game, oldest first, as forEachGame gives them; what could be read when the file
    // fails part way (readError()).
    std::vector<JournalGame> allGames(const Progress &progress = {});
    // Why the last allGames() stopped early; empty when it read everything.
    const std::string &readError() const { return readError_; }

    // Whether steps are being written (open, and no write has failed).
    bool writing() const { return writing_; }
    // The file the journal reads and writes.
    const QString &path() const { return path_; }
    // Where a file that could not be read was put, when open() set one aside.
    const QString &setAsidePath() const { return setAside_; }

    // Asks the background thread to prune now, as it does every thousand games.
    void prune();
    // Waits until the pruning asked for so far is done.
    void waitForPruning();

    // Tells the player, in one message, about a journal that was set aside or cannot be
    // written. Each message is given once per journal.
    std::function<void(const Wording &message)> onTrouble;

private:
    struct Statements;
    struct Latest {
        std::int64_t game = 0; // 0: the player has no spin game
        int nextSeq = 0;
    };
    enum class Opened { Ok, Unreadable, Unwritable };

    Opened openConnection(bool readOnly, std::string &why);
    bool setAsideFile();
    void closeConnection();
    bool prepareStatements();
    Latest &latestOf(int player);
    // The serial of the next step: one past the file's last, read once.
    std::int64_t nextSerial();
    std::int64_t serial_ = 0;
    bool writeStep(const JournalStep &step);
    void stopWriting();
    void tell(const Wording &message, bool &told);

    QString path_;
    QString connection_;
    std::int64_t keptGames_;
    std::unique_ptr<Statements> statements_;
    std::unique_ptr<JournalPruner> pruner_;
    std::map<int, Latest> latest_;
    std::int64_t gamesSincePrune_ = 0;
    bool opened_ = false;
    bool readOnly_ = false;
    bool writing_ = false;
    bool toldSetAside_ = false;
    bool toldUnwritable_ = false;
    QString setAside_;
    std::string readError_;
};

} // namespace melvane
