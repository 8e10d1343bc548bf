// A profile that a kill left behind its journal is brought up to the journal's last step.
//
// Every settled step is committed to the journal before the profile is saved. A game killed
// between the two leaves a profile one step behind, with the journal's serial of the step it
// does hold; at the next start the journal's last step, which carries the whole books and the
// round, is written into the profile. A gamble the kill left open is settled on the way as
// closing the game settles it: the amount at risk is collected (or, after a lost card, lost).
#include <utility>
#include <vector>

#include "game/machine/checked.h"
#include "game/machine/melvane.h"
#include "game/ports/journal.h"
#include "game/ports/settingsstore.h"
#include "game/profiles/profiles.h"

namespace melvane {

namespace {

// The player's latest game that is not an entry of credit: credit may be put on while a gamble
// is open, so the gamble's game is not always the latest entry.
std::optional<JournalGame> latestGame(Journal &journal, int player)
{
    for (int count = 8;; count *= 8) {
        std::vector<JournalGame> games = journal.lastGames(player, count);
        for (JournalGame &g : games)
            if (!g.steps.empty() && !isEntry(g.steps.front().kind))
                return std::move(g);
        if (static_cast<int>(games.size()) < count)
            return std::nullopt;
    }
}

// The step that settles the gamble a kill left open in the player's latest game, as closing the
// game settles it: the amount at risk collected, or after a lost card the stake lost. It follows
// `last`, the player's last step, and carries the books after it. None when no gamble is open.
std::optional<JournalStep> settlingStep(Journal &journal, const JournalStep &last)
{
    const std::optional<JournalGame> game = latestGame(journal, last.player);
    if (!game)
        return std::nullopt;
    const JournalStep &end = game->steps.back();
    if (end.kind != StepKind::GambleOpen && end.kind != StepKind::GambleCard)
        return std::nullopt;
    std::optional<std::int64_t> staked;
    for (const JournalStep &s : game->steps)
        if (s.kind == StepKind::GambleOpen)
            staked = s.amount;
    if (!staked)
        return std::nullopt;
    JournalStep s = last;
    s.atMs = 0;
    s.serial = 0;
    s.bet = GambleBet::None;
    s.card = 0;
    s.won = false;
    s.stops = end.stops;
    s.parts.clear();
    s.creditBefore = last.creditAfter;
    if (end.kind == StepKind::GambleCard && !end.won) {
        s.kind = StepKind::GambleLost;
        s.amount = *staked;
        s.books->gamblelost += *staked;
    } else {
        s.kind = StepKind::GambleCollect;
        s.amount = end.amount;
        s.creditAfter = last.creditAfter + end.amount;
        s.books->total += end.amount - *staked;
    }
    return s;
}

// The meters and the round after `step`, over the profile's own settings; false when a value
// does not fit where the profile keeps it.
bool takeStep(const JournalStep &step, Globals &g, StoredRound &round)
{
    const JournalBooks &b = *step.books;
    bool fits = assignChecked(g.bank, step.creditAfter) && assignChecked(g.amountinvested, b.amountinvested) &&
                assignChecked(g.wager, b.wager) && assignChecked(g.total, b.total) &&
                assignChecked(g.games, b.games) && assignChecked(g.gamblelost, b.gamblelost) &&
                assignChecked(g.howmanyspins, b.howmanyspins) && assignChecked(round.win, step.roundTotal);
    if (step.freespins <= 0)
        return fits;
    // A round stands where it waits for its next free spin; its tune is chosen again.
    fits = fits && assignChecked(round.spins, step.freespins) && assignChecked(round.done, step.freespinsdone) &&
           assignChecked(round.coinbet, step.coinbet) && assignChecked(round.waysmult, step.waysmult) &&
           assignChecked(round.wildmult, step.wildmult);
    round.stops = step.stops;
    return fits;
}

} // namespace

void bringProfileUpToJournal(Melvane &m, int n)
{
    Journal *journal = m.journal;
    SettingsStore &store = m.host().settings();
    const std::optional<std::int64_t> held = storedJournalSerial(store, n);
    // A profile that never named a step, or whose money cannot be read, is left to the
    // adjustment and the refusal that wait for it.
    if (journal == nullptr || !held || unreadableMoneyKey(store, n))
        return;
    std::optional<JournalStep> step = journal->lastStep(n);
    if (!step || !step->books)
        return;
    // A gamble left open is settled even when the profile was saved after it opened.
    if (std::optional<JournalStep> settling = settlingStep(*journal, *step)) {
        settling->serial = journal->record(*settling);
        if (settling->serial == 0)
            return;
        step = settling;
    } else if (step->serial <= *held) {
        return;
    }
    Globals meters = readProfile(store, n);
    StoredRound round;
    if (takeStep(*step, meters, round))
        writeProfile(store, n, meters, round, step->serial);
}

} // namespace melvane
