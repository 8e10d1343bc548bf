#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/ports/journal.h"

namespace melvane {

// One step the rules do not explain.
struct AuditMismatch {
    std::int64_t game = 0;
    int step = 0; // 1-based, in the game
    int player = 0;
    std::string what;
};

struct AuditReport {
    std::int64_t games = 0;
    std::int64_t steps = 0;
    std::int64_t adjustments = 0; // credit changed outside play: a clear, a crash, an edited store
    std::int64_t uncredited = 0;  // wins no meter could take, at the 32-bit limits
    std::vector<AuditMismatch> mismatches;
};

// Replays journaled steps through the rules: each spin's bet, win, parts and the free spins it
// adds from its stops, each free spin's multiplier, each gamble's stake and card against its
// bet, the flags of the 32-bit limits, the count of a round's spins, and the chain of credit
// and round total from step to step of each player.
//
// Games are handed over one at a time, in the order they began, as a journal file yields them;
// the audit keeps only each player's books and the steps not yet due (a round carried on after
// an entry of credit ends later than that entry began), so its memory does not grow with the
// journal. Steps are replayed in the order they were recorded.
class JournalAudit {
public:
    JournalAudit();
    ~JournalAudit();
    JournalAudit(const JournalAudit &) = delete;
    JournalAudit &operator=(const JournalAudit &) = delete;

    void add(JournalGame &&game);
    // Replays the steps still waiting and gives the report.
    AuditReport finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Audits games held in memory, in any order.
AuditReport auditJournal(const std::vector<JournalGame> &games);

} // namespace melvane
