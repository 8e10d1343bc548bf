// A writer of the journal killed (SIGKILL) at random moments, over and over on the same file:
// every step it reported recorded is in the file, and the file opens cleanly each time.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <set>
#include <string>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/sqlite/sqlitejournal.h"
#include "support/quick.h"

namespace melvane {
namespace {

// Starts the writer, lets it run for `runFor`, kills it and returns the last number it reported.
long long runAndKill(const QString &journal, long long start, std::chrono::milliseconds runFor)
{
    int out[2];
    if (::pipe(out) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        const std::string path = journal.toStdString();
        const std::string first = std::to_string(start);
        ::execl(MELVANE_JOURNALCRASH_BINARY, MELVANE_JOURNALCRASH_BINARY, path.c_str(), first.c_str(),
                static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    std::string text;
    char buffer[4096];
    const auto deadline = std::chrono::steady_clock::now() + runFor;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        pollfd p{out[0], POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0)
            break;
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(out[0]);
    EXPECT_EQ(text.find("trouble"), std::string::npos) << text.substr(0, 400);
    long long last = start - 1;
    const std::string mark = "recorded ";
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1)) {
        const std::size_t end = text.find('\n', at);
        if (end != std::string::npos) // a line cut short by the kill was not reported
            last = std::stoll(text.substr(at + mark.size(), end - at - mark.size()));
    }
    return last;
}

TEST(JournalCrash, EveryReportedStepSurvivesAKillAndTheFileOpensCleanly)
{
    const int runs = testing_support::quickRun() ? 4 : 16;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.path() + "/journal.sqlite";
    std::mt19937 random(20261209);
    long long next = 1;
    for (int run = 0; run < runs; ++run) {
        SCOPED_TRACE(run);
        const auto runFor = std::chrono::milliseconds(std::uniform_int_distribution<int>(30, 400)(random));
        const long long last = runAndKill(file, next, runFor);
        ASSERT_GE(last, next - 1);

        std::string error;
        auto reader = SqliteJournal::openForReading(file, error);
        ASSERT_NE(reader, nullptr) << error;
        std::set<long long> stakes;
        std::size_t steps = 0;
        for (const JournalGame &g : reader->allGames())
            for (const JournalStep &s : g.steps) {
                stakes.insert(s.stake);
                ++steps;
            }
        ASSERT_EQ(reader->readError(), "");
        reader.reset();
        EXPECT_EQ(stakes.size(), steps) << "no step written twice";
        for (long long n = 1; n <= last; ++n)
            ASSERT_TRUE(stakes.count(n)) << "step " << n << " was reported recorded";
        // The step being written when the kill came may have been committed unreported.
        next = std::max(last, stakes.empty() ? 0 : *stakes.rbegin()) + 1;

        SqliteJournal journal(file);
        std::string trouble;
        journal.onTrouble = [&trouble](const Wording &m) { trouble = m.english(); };
        EXPECT_TRUE(journal.open());
        EXPECT_EQ(trouble, "");
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"*corrupt*"}, QDir::Files), QStringList());
    EXPECT_GT(next, runs) << "the writer got to write";
}

} // namespace
} // namespace melvane
