// A writer for the journal's crash test: records steps into the journal file given on the
// command line, numbered from START in their stakes, until it is killed. After each record()
// it prints "recorded <number>": that step has been committed by then.
#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>

#include "platform/sqlite/sqlitejournal.h"

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: melvane-journalcrash JOURNAL START\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    melvane::SqliteJournal journal(QString::fromLocal8Bit(argv[1]));
    journal.onTrouble = [](const melvane::Wording &message) { std::printf("trouble %s\n", message.english().c_str()); };
    journal.open();
    // A paid spin, now and then a round of free spins and its collect, or a gamble.
    const melvane::StepKind cycle[] = {melvane::StepKind::Spin,       melvane::StepKind::FreeSpin,
                                       melvane::StepKind::FreeSpin,   melvane::StepKind::Collect,
                                       melvane::StepKind::Spin,       melvane::StepKind::GambleOpen,
                                       melvane::StepKind::GambleCard, melvane::StepKind::Credit};
    for (long long n = std::atoll(argv[2]);; ++n) {
        melvane::JournalStep step;
        step.kind = cycle[n % 8];
        step.player = static_cast<int>(n % 3) + 1;
        step.stake = n;
        journal.record(step);
        std::printf("recorded %lld\n", n);
        std::fflush(stdout);
    }
}
