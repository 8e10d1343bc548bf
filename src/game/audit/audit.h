#pragma once

#include <cstdint>
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

// Replays every journaled step through the rules: each spin's win, its parts and the free
// spins it adds from its stops, each free spin's multiplier, each gamble card against its bet,
// the count of a round's spins, and the chain of credit and round total from step to step of
// each player. Games may come in any order; the steps are taken in the order they were recorded.
AuditReport auditJournal(const std::vector<JournalGame> &games);

} // namespace melvane
