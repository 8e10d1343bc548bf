// The credit, fast-money and collect buttons.
#include <algorithm>

#include "game/machine/checked.h"
#include "game/machine/melvane.h"
#include "rules/money.h"

namespace melvane {

namespace {
constexpr std::int32_t kCreditCoins = 10;
constexpr std::int32_t kFastMoneyCoins = 5000;
} // namespace

// Whether `coins` more credit fits beside what the credit must still take back: the amount at
// risk in an open gamble returns to the credit when it is taken.
bool Melvane::creditHasRoom(std::int32_t coins) const
{
    const std::int64_t atRisk = pandouble.visible() ? gambleamount : 0;
    std::int32_t bank = 0;
    std::int32_t invested = g.amountinvested;
    return assignChecked(bank, std::int64_t{g.bank} + coins + atRisk) && addChecked(invested, coins);
}

// Credit goes on between spins, never into one that is charged and not yet paid (switching
// autoplay off unlocks the buttons while its last spin still runs); the buttons show it.
bool Melvane::coinsinTakes() const { return !spinRunning() && creditHasRoom(kCreditCoins); }

bool Melvane::fastmoneyTakes() const
{
    return freespins < 1 && !spinRunning() && creditHasRoom(kFastMoneyCoins);
}

// Credit and what was paid for it move together or not at all: a full meter must neither
// swallow coins that were paid for nor hand out coins that were not.
void Melvane::putCredit(std::int32_t coins)
{
    std::int32_t bank = g.bank;
    std::int32_t invested = g.amountinvested;
    if (!addChecked(bank, coins) || !addChecked(invested, coins))
        return;
    JournalStep s;
    s.kind = coins == kFastMoneyCoins ? StepKind::FastMoney : StepKind::Credit;
    s.creditBefore = g.bank;
    s.amount = coins;
    g.bank = bank;
    g.amountinvested = invested;
    journalStep(s);
}

// Puts 10 coins on the machine and hands the keyboard back to the window.
void Melvane::coinsinClick()
{
    if (!coinsinTakes())
        return;
    COINSIN.setEnabled(true);
    pannomoney.hide();
    putCredit(kCreditCoins);
    showBank();
    // Credit is what revives autoplay after it stopped for want of it.
    autoplayon.setEnabled(true);
    focus.clear();
    keyPreview = true;
}

// Puts 5000 coins on the machine, except during a free-spin round; during a gamble too, as
// long as the credit keeps room to take back the amount at risk.
void Melvane::fastmoneyClick()
{
    if (!fastmoneyTakes())
        return;
    putCredit(kFastMoneyCoins);
    pannomoney.hide();
    showBank();
}

// Moves the total of a completed free-spin round into the credit and returns to normal play;
// in autoplay the machine goes on spinning by its timer.
void Melvane::takewinClick()
{
    // One collect per round, however many clicks arrive: a second one that reaches the button
    // at this collect's yield finds it locked.
    takewin.setEnabled(false);
    const Busy busy(*this);
    sound(Clip::Collect);
    keycount = 0;
    freespinsdone = 0;
    freespins = 0;
    freespinsover = 0;
    respinroll = 0;
    autoticks = 0;
    wincountvalue = 0;
    winstep = 0;
    respinflag = 0;

    piclastbet.show();
    lbllast.show();
    LABLAST.show();
    picthiswin.hide();
    lblcurrentwin.hide();
    LABWIN.setCaption(std::to_string(freespinwin));
    lblwin.setCaption(moneyCaption(freespinwin));
    // A total that would take the credit past its 32-bit limit is not added; it is not thrown
    // away either: it stays in `freespinwin` (the win meter shows it) until a later collect can
    // take it whole. Only what reached the credit may be staked by the gamble.
    JournalStep collect;
    collect.kind = StepKind::Collect;
    collect.creditBefore = g.bank;
    collect.amount = freespinwin;
    const bool credited = addChecked(g.bank, freespinwin);
    showBank();
    freespincollected = credited ? freespinwin : 0;
    if (autoplay > 0)
        autoRun_.biggestWin = std::max(autoRun_.biggestWin, freespincollected);
    // The total leaves the round as it enters the credit, so the books are whole at the yield.
    if (credited)
        freespinwin = 0;
    host_.processEvents();

    spinsleft.hide();
    journalStep(collect);
    saveSettled();
    for (int i = 1; i <= 5; ++i) {
        play[static_cast<std::size_t>(i)].setEnabled(true);
        play[static_cast<std::size_t>(i)].show();
        payline[static_cast<std::size_t>(i)].show();
        payline[static_cast<std::size_t>(i)].setEnabled(true);
    }
    COINSIN.show();
    doublebutton.show();
    // The gamble stakes only what reached the credit, and never while autoplay runs.
    const bool gambleOffered = credited && autoplay == 0;
    doublebutton.setEnabled(gambleOffered);
    takewin.hide();
    cmdfastmoney.setEnabled(true);
    cmdfastmoney.show();
    keyPreview = true;

    // A coin bet outside the five buttons has no button to take the focus; it stays put.
    const int index = playIndexFor(coinbet);
    const auto focusBetButton = [this, index] {
        if (index != 0) {
            playindex = static_cast<std::int16_t>(index);
            focus = play[static_cast<std::size_t>(index)].name();
        }
    };
    if (autoplay > 0) {
        // Still in autoplay: the player's side windows stay locked and only "off" is offered.
        mnuplayer.setEnabled(false);
        mnuabout.setEnabled(false);
        mnuptble.setEnabled(false);
        autoplayoff.show();
        autoplayoff.setEnabled(true);
        autoplayon.hide();
        focusBetButton();
        Timerrespin.stop();
        host_.processEvents();
        return;
    }
    mnuplayer.setEnabled(true);
    mnuabout.setEnabled(true);
    mnuptble.setEnabled(true);
    autoplayon.show();
    autoplayon.setEnabled(true);
    autoplayoff.hide();
    COINSIN.setEnabled(true);
    tmrautospin.stop();
    focusBetButton();
}

} // namespace melvane
