// The gamble: a win staked on the colour or the suit of one card, again and again, until it is
// lost or taken.
#include <cstdint>
#include <string>

#include "game/machine/checked.h"
#include "rules/draw.h"
#include "game/machine/melvane.h"
#include "rules/money.h"
#include "game/machine/timing.h"

namespace melvane {

namespace {

constexpr std::int32_t kColourPays = 2;
constexpr std::int32_t kSuitPays = 4;

// The strip fills its five places with the first five cards of the run; after that the count
// cycles through 6..10 so that it always says which picture box takes the next card.
constexpr std::int16_t kLastCardCount = 10;
constexpr std::int16_t kCardCountCycleStart = 6;

constexpr const char *kAtRisk = GameText::tr("At Risk  %1");
constexpr const char *kColourWin = GameText::tr("Black/Red Win = %1");
constexpr const char *kSuitWin = GameText::tr("Suit Win = %1");
constexpr const char *kLostRisk = GameText::tr("No Win  ");
constexpr const char *kNoWin = GameText::tr("No Win");
constexpr const char *kBlankWin = " ";

enum class BetOn { Red, Black, Suit };

struct Bet {
    BetOn on;
    int suit = 0; // the card whose suit is bet on
};

bool isRed(int card) { return card == Hearts || card == Diamonds; }

// Whether the card drawn wins the bet.
bool wins(const Bet &bet, int card)
{
    switch (bet.on) {
    case BetOn::Red:
        return isRed(card);
    case BetOn::Black:
        return !isRed(card);
    case BetOn::Suit:
        return card == bet.suit;
    }
    return false;
}

std::int32_t pays(const Bet &bet) { return bet.on == BetOn::Suit ? kSuitPays : kColourPays; }

Clip winClip(const Bet &bet) { return bet.on == BetOn::Black ? Clip::GambleWonBlack : Clip::GambleWon; }

// A label that would show a sum beyond 32 bits keeps what it showed.
void showMultiple(Label &label, const char *text, std::int32_t amount, std::int32_t times)
{
    std::int32_t value = 0;
    if (assignChecked(value, static_cast<std::int64_t>(amount) * times))
        label.setCaption(Wording(text, {Wording::number(value)}));
}

// Shows the amount at risk and what a colour or a suit would make of it.
void showOdds(Melvane &m)
{
    GamblePanel &p = m.gamble;
    p.risklab.setCaption(Wording(kAtRisk, {Wording::number(m.gambleamount)}));
    p.lblblackred.show();
    p.lblsuit.show();
    showMultiple(p.lblblackred, kColourWin, m.gambleamount, kColourPays);
    showMultiple(p.lblsuit, kSuitWin, m.gambleamount, kSuitPays);
}

// Offers or withdraws the colour bets and the collect.
void setBetButtons(GamblePanel &p, bool enabled)
{
    p.betred.setEnabled(enabled);
    p.betblack.setEnabled(enabled);
    p.cancelbet.setEnabled(enabled);
}

// The player gets the machine back, as after any finished game.
void leaveGamble(Melvane &m)
{
    for (int i = 1; i <= 5; ++i) {
        m.payline[static_cast<std::size_t>(i)].setEnabled(true);
        m.play[static_cast<std::size_t>(i)].setEnabled(true);
    }
    m.COINSIN.setEnabled(true);
    m.focus.clear();
    m.keyPreview = true;
}

// Shows a banner and slides it down to its resting place.
void slideBanner(PictureBox &banner)
{
    using namespace gamblelayout;
    banner.show();
    for (int top = kBannerSlideFirstTop; top <= kBannerSlideLastTop; ++top)
        banner.setGeometry({kBannerLeft, top, kBannerWidth, kBannerHeight});
}

// Puts the tile of the newest card at the right end of the strip of the last five cards.
void addToStrip(GamblePanel &p, int count, int card)
{
    using namespace gamblelayout;
    if (count <= kStripPlaces) {
        PictureBox &box = p.historypic[static_cast<std::size_t>(count)];
        box.setPicture(tilePicture(card));
        box.show();
        return;
    }
    // Box k held the oldest card; each other box moves one place left and k goes to the end.
    const int k = count - kStripPlaces;
    for (int place = 0; place < kStripPlaces; ++place)
        p.historypic[static_cast<std::size_t>(((k + place) % kStripPlaces) + 1)].setGeometry(stripPlace(place));
    p.historypic[static_cast<std::size_t>(k)].setPicture(tilePicture(card));
}

// The journal's step of one card: the bet, the card and the amount at risk after it.
JournalStep cardStep(const Melvane &m, const Bet &bet, bool won)
{
    JournalStep s;
    s.kind = StepKind::GambleCard;
    s.bet = bet.on == BetOn::Red     ? GambleBet::Red
            : bet.on == BetOn::Black ? GambleBet::Black
                                     : static_cast<GambleBet>(static_cast<int>(GambleBet::Hearts) + bet.suit - 1);
    s.card = m.gamble.lastCard;
    s.won = won;
    s.amount = won ? m.gambleamount : 0;
    s.creditBefore = m.g.bank;
    return s;
}

// Multiplies the amount at risk and offers the next bet.
void win(Melvane &m, const Bet &bet)
{
    GamblePanel &p = m.gamble;
    m.sound(winClip(bet));
    // A doubling past 32 bits is skipped: the amount at risk stays as it was. So is one that the
    // credit could not take back: the amount is out of the credit while it is at risk, and a
    // collect that did not fit would lose all of it.
    // Likewise the gain must fit in `total`, where a collect counts it.
    const std::int64_t multiplied = static_cast<std::int64_t>(m.gambleamount) * pays(bet);
    std::int32_t collectedCredit = 0;
    std::int32_t countedTotal = 0;
    if (assignChecked(collectedCredit, static_cast<std::int64_t>(m.g.bank) + multiplied) &&
        assignChecked(countedTotal, static_cast<std::int64_t>(m.g.total) + multiplied - m.gamble.stakedAmount))
        assignChecked(m.gambleamount, multiplied);
    setBetButtons(p, true);
    showOdds(m);
    slideBanner(p.gamblewin);
    m.journalStep(cardStep(m, bet, true));
}

// Settles the loss at once, then holds it on screen and closes the gamble: a game ended during
// the hold cannot give the stake back.
void lose(Melvane &m, const Bet &bet)
{
    GamblePanel &p = m.gamble;
    m.journalStep(cardStep(m, bet, false));
    p.lost = true;
    addChecked(m.g.gamblelost, m.gamble.stakedAmount);
    JournalStep lost;
    lost.kind = StepKind::GambleLost;
    lost.creditBefore = m.g.bank;
    lost.amount = m.gamble.stakedAmount;
    m.journalStep(lost);
    m.saveSettled();
    m.doublebutton.setEnabled(false);
    m.sound(Clip::GambleLost);
    slideBanner(p.gamblelose);
    p.lblblackred.hide();
    p.lblsuit.hide();
    p.risklab.setCaption(kLostRisk);
    setBetButtons(p, false);
    m.host().processEvents();
    // The lost card and its banner stay on screen, and the machine takes no input meanwhile.
    m.host().sleep(timing::kGambleLossHoldMs);
    m.pandouble.hide();
    // The stake left the credit when the gamble opened; the meters only need showing again.
    m.showBank();
    m.LABWIN.setCaption(kNoWin);
    m.lblwin.setCaption(kBlankWin);
    leaveGamble(m);
}

// A click on a gamble button while a card is being resolved waits for that card; true if it
// was put aside.
bool waitForCard(Melvane &m, Button &clicked)
{
    if (!m.gamble.resolvingCard)
        return false;
    m.gamble.waitingClicks.push_back(&clicked);
    return true;
}

// Clicks that waited for a card are handled now, in the order they came. A lost card has
// closed the panel by then, and a click on a panel that is no longer shown reaches nothing.
void handleWaitingClicks(Melvane &m)
{
    while (!m.gamble.waitingClicks.empty() && !m.gamble.resolvingCard) {
        Button *clicked = m.gamble.waitingClicks.front();
        m.gamble.waitingClicks.pop_front();
        if (m.pandouble.visible())
            clicked->press();
    }
}

// Draws one card, adds it to the strip and settles the bet on it.
void placeBet(Melvane &m, const Bet &bet)
{
    GamblePanel &p = m.gamble;
    const Melvane::Busy busy(m);
    p.resolvingCard = true;
    m.sound(Clip::Click);
    p.gamblewin.hide();
    addChecked(m.cardcount, 1);
    p.risklab.setCaption(Wording(kAtRisk, {Wording::number(m.gambleamount)}));
    const int card = drawIndex(m.host().uniform(), kCards);
    if (m.cardcount > kLastCardCount)
        m.cardcount = kCardCountCycleStart;
    addToStrip(p, m.cardcount, card);
    p.piccardholder.setPicture(cardPicture(card));
    p.lastCard = card;
    m.host().processEvents();
    if (wins(bet, card))
        win(m, bet);
    else
        lose(m, bet);
    p.resolvingCard = false;
    handleWaitingClicks(m);
}

} // namespace

// Opens the gamble on the last win, or on the free-spin total just collected, and takes that
// amount out of the credit while it is at risk.
void Melvane::doublebuttonClick()
{
    // The gamble takes the win out of the credit: never while autoplay could spin under the
    // panel, never in the middle of a spin (the win is not settled yet), never a second time,
    // never once the game is closing.
    if (autoplay > 0 || spinRunning() || pandouble.visible() || closeRequested_)
        return;
    // A round total still waits for a collect that the credit could take: the last win belongs
    // to that total, not to the credit, and the gamble has nothing of its own to stake.
    if (freespins > 0 || freespinwin > 0)
        return;
    // A stake the tally of gamble losses could not count is not taken.
    std::int32_t lost = g.gamblelost;
    if (!addChecked(lost, freespincollected > 0 ? freespincollected : spinwin))
        return;
    const Busy busy(*this);
    GamblePanel &p = gamble;
    sound(Clip::Click);
    p.piccardholder.setPicture(jokerPicture());
    for (int i = 1; i <= kCards; ++i)
        p.suitbet[static_cast<std::size_t>(i)].setPicture(tilePicture(i));
    for (int c = 1; c <= kCells; ++c)
        flasher[static_cast<std::size_t>(c)].hide();
    Timerwincounter.stop();

    doublebutton.setEnabled(false);
    COINSIN.setEnabled(false);
    setBetButtons(p, true);
    pandouble.show();
    p.gamblewin.hide();
    p.gamblelose.hide();
    for (int i = 1; i <= 5; ++i) {
        payline[static_cast<std::size_t>(i)].setEnabled(false);
        play[static_cast<std::size_t>(i)].setEnabled(false);
    }

    gambleamount = spinwin;
    if (freespincollected > 0)
        gambleamount = freespincollected;
    freespincollected = 0;
    p.stakedAmount = gambleamount;
    p.lost = false;

    LABWIN.setCaption(std::to_string(gambleamount));
    lblwin.setCaption(moneyCaption(gambleamount));
    showOdds(*this);

    JournalStep open;
    open.kind = StepKind::GambleOpen;
    open.creditBefore = g.bank;
    open.amount = gambleamount;
    addChecked(g.bank, -static_cast<std::int64_t>(gambleamount));
    journalStep(open);
    showBank();

    keyPreview = false;
    host().processEvents();
}

void Melvane::betredClick()
{
    if (!waitForCard(*this, gamble.betred))
        placeBet(*this, {BetOn::Red});
}

void Melvane::betblackClick()
{
    if (!waitForCard(*this, gamble.betblack))
        placeBet(*this, {BetOn::Black});
}

// Stakes the amount at risk on the suit of card `index` (1..4), for four times.
void Melvane::suitbetClick(int index)
{
    if (index < 1 || index > kCards)
        return;
    if (!waitForCard(*this, gamble.suitbet[static_cast<std::size_t>(index)]))
        placeBet(*this, {BetOn::Suit, index});
}

// Takes the amount at risk into the credit and closes the gamble.
void Melvane::cancelbetClick()
{
    if (waitForCard(*this, gamble.cancelbet))
        return;
    pandouble.hide();
    doublebutton.setEnabled(false);
    JournalStep taken;
    taken.kind = StepKind::GambleCollect;
    taken.creditBefore = g.bank;
    taken.amount = gambleamount;
    addChecked(g.bank, gambleamount);
    // Only what the cards added counts as newly won: the stake was counted when it was won.
    assignChecked(g.total, static_cast<std::int64_t>(g.total) + gambleamount - gamble.stakedAmount);
    sound(Clip::GambleTaken);
    showBank();
    LABWIN.setCaption(std::to_string(gambleamount));
    lblwin.setCaption(moneyCaption(gambleamount));
    leaveGamble(*this);
    journalStep(taken);
    saveSettled();
}

} // namespace melvane
