// A profile that a kill left behind its journal is brought up to the journal's last step.
//
// Every settled step is committed to the journal before the profile is saved. A game killed
// between the two leaves a profile one step behind, with the journal's serial of the step it
// does hold; at the next start the journal's last step, which carries the whole books and the
// round, is written into the profile. A gamble the kill left open is settled on the way as
// closing the game settles it: the amount at risk is collected (or, after a lost card, lost).
#include <vector>

#include "game/machine/checked.h"
#include "game/machine/melvane.h"
#include "game/ports/journal.h"
#include "game/ports/settingsstore.h"
#include "game/profiles/profiles.h"

namespace melvane {

namespace {

// The amount the player's latest game staked on its open gamble.
std::optional<std::int64_t> stakedOnOpenGamble(Journal &journal, int player)
{
    const std::vector<JournalGame> games = journal.lastGames(player, 1);
    if (games.empty())
        return std::nullopt;
    for (auto it = games.front().steps.rbegin(); it != games.front().steps.rend(); ++it)
        if (it->kind == StepKind::GambleOpen)
            return it->amount;
    return std::nullopt;
}

// The step that settles a gamble `last` left open, with the books after it.
std::optional<JournalStep> settlingStep(Journal &journal, const JournalStep &last)
{
    const std::optional<std::int64_t> staked = stakedOnOpenGamble(journal, last.player);
    if (!staked)
        return std::nullopt;
    JournalStep s = last;
    s.atMs = 0;
    s.serial = 0;
    s.bet = GambleBet::None;
    s.card = 0;
    s.won = false;
    s.creditBefore = last.creditAfter;
    if (last.kind == StepKind::GambleCard && !last.won) {
        s.kind = StepKind::GambleLost;
        s.amount = *staked;
        s.books->gamblelost += *staked;
    } else {
        s.kind = StepKind::GambleCollect;
        s.amount = last.amount;
        s.creditAfter = last.creditAfter + last.amount;
        s.books->total += last.amount - *staked;
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
    if (!step || step->serial <= *held || !step->books)
        return;
    if (step->kind == StepKind::GambleOpen || step->kind == StepKind::GambleCard) {
        step = settlingStep(*journal, *step);
        if (!step)
            return;
        step->serial = journal->record(*step);
        if (step->serial == 0)
            return;
    }
    Globals meters = readProfile(store, n);
    StoredRound round;
    if (takeStep(*step, meters, round))
        writeProfile(store, n, meters, round, step->serial);
}

} // namespace melvane
