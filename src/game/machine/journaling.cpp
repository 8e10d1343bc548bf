// What the machine writes to the game journal: each settled step with the books after it.
#include "game/machine/melvane.h"
#include "game/profiles/profiles.h"
#include "rules/scatters.h"

namespace melvane {

void Melvane::journalStep(JournalStep step)
{
    noteSettledStep();
    recordStep(std::move(step), g, freespinsdone);
}

void Melvane::noteSettledStep()
{
    // Every settled step passes here, so the session counts each one as it settles.
    session.note(sessionMeters());
    showSessionLine();
}

JournalBooks booksOf(const Globals &meters)
{
    return {meters.amountinvested, meters.wager, meters.total, meters.games, meters.gamblelost, meters.howmanyspins};
}

void Melvane::recordStep(JournalStep step, const Globals &meters, int done)
{
    const int player = profileNumber(g.playernumber);
    if (journal == nullptr || closed_ || player == 0)
        return;
    step.player = player;
    step.coinbet = coinbet;
    step.waysmult = waysmult;
    step.stake = stake();
    step.creditAfter = meters.bank;
    step.roundTotal = freespinwin;
    step.freespins = freespins;
    step.freespinsdone = done;
    step.books = booksOf(meters);
    // The profile saved next names this step as the last one it holds; a profile left behind
    // by a kill before that save is brought up to the journal at the next start.
    if (const std::int64_t serial = journal->record(step); serial > 0)
        journalSerial = serial;
}

JournalStep Melvane::spinStep(StepKind kind) const
{
    JournalStep s;
    s.kind = kind;
    for (int reel = 1; reel <= kReels; ++reel)
        s.stops[static_cast<std::size_t>(reel - 1)] = reelstop[static_cast<std::size_t>(reel)];
    s.discarded = discards_;
    for (const SymbolPay &pay : lastWays_.list())
        s.parts.push_back({pay.symbol, pay.run, pay.ways, static_cast<std::int64_t>(pay.pay) * coinbet});
    s.scatterPay = scatterwin;
    s.wildmult = kind == StepKind::FreeSpin ? wildmult : 0;
    s.win = spinwin;
    s.uncredited = !winCredited_;
    s.stakeCharged = charged_.bank;
    s.freeSpinsAdded = freeSpinsAdded(spin.scattercode);
    s.creditBefore = creditBefore_;
    return s;
}

void Melvane::journalAdjustment()
{
    const int player = profileNumber(g.playernumber);
    if (journal == nullptr || player == 0)
        return;
    const std::optional<JournalStep> last = journal->lastStep(player);
    const std::int64_t before = last ? last->creditAfter : 0;
    const std::int64_t roundBefore = last ? last->roundTotal : 0;
    // Steps recorded before the books were kept with them tell only the credit and the round.
    const bool booksAgree = !last || !last->books || *last->books == booksOf(g);
    if (before == g.bank && roundBefore == freespinwin && booksAgree)
        return;
    JournalStep s;
    s.kind = StepKind::Adjustment;
    s.creditBefore = before;
    journalStep(s);
}

} // namespace melvane
