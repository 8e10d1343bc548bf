#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QString>

#include "rules/grid.h"
#include "rules/symbols.h"

namespace melvane {

// What a screen reader says for the cabinet: names of the picture buttons, the meters with
// their values and the cells of the reels. The visible captions stay the game's own; these
// texts only name them, in words a listener understands without seeing the cabinet.
class AccessibleTexts {
    Q_DECLARE_TR_FUNCTIONS(melvane::AccessibleTexts)

public:
    // The buttons drawn as pictures, which have no caption to be read.
    static QString fastMoney();
    static QString autoplayOn();
    static QString autoplayOff();
    static QString collect();
    // One of the four aces by its card number (1 hearts, 2 clubs, 3 diamonds, 4 spades).
    static QString suit(int card);
    // A caption as one line of words: the breaks and padding are only there to look right.
    static QString caption(const std::string &caption);
    // The bet or ways button in force, as its description.
    static QString inForce();
    // A count of coins in words ("1 coin", "40 coins").
    static QString coins(qlonglong count);

    // A meter: its title, then what it shows. A count of coins is read as coins, with the
    // money caption after it when there is one; a word ("No Win") as it stands.
    static QString meter(const QString &title, const std::string &shown, const std::string &money = {});
    static QString credit();
    static QString lastBet();
    static QString thisWin();
    static QString win();
    static QString stake();
    // A line whose caption ends in a count ("At Risk  40"): the title and the count as coins;
    // any other caption ("No Win") as it stands.
    static QString countLine(const QString &title, const std::string &caption);
    static QString atRisk();
    static QString colourWin();
    static QString suitWin();
    // The free spins still to come while the round runs; afterwards the caption as it stands.
    static QString spinsLeft(const std::string &caption);

    // The gamble's cards: the one drawn (the joker stands for a card not drawn yet), the past
    // ones on the strip, and the banners.
    static QString drawnCard(int card);
    static QString pastCard(int card);
    static QString gambleWon();
    static QString gambleLost();
    // The panel that holds them.
    static QString gamble();

    // The options window's choices, read with what they choose: a caption alone ("1", " ON", or
    // none for the counter's unchosen side) says little without its frame.
    static QString profile(int n, const QString &caption);
    static QString sound(bool on);
    static QString reelSpeed(int speed);
    static QString winCounter(bool on);
    static QString playerName();

    // A window's title or a caption as words: an underscore stands for a blank.
    static QString title(const QString &title);

    // The pay table, read line by line: a symbol's pays by the length of the run ({3, 10}: a run
    // of three pays 10), a symbol's rule, the Scatter's pays by their count, and the return
    // figure of a payout setting.
    static QString payTable();
    static QString closePayTable();
    static QString pays(Symbol symbol, const std::vector<std::pair<int, int>> &runs);
    static QString rule(Symbol symbol, const QString &rule);
    static QString scatterPays(int count, int stakes, int freeSpins);
    static QString payoutReturn(const std::string &setting, const QString &figure, bool inForce);

    // What the about window's link to the maker's page does.
    static QString makerLinkDoes();
    // A recalled free spin's Wild multiplier.
    static QString wildMultiplier(int multiplier);

    static QString reel(int reel);
    // A reel by what it shows, top to bottom: "Reel 1: Harp, Drum, Wild".
    static QString reelShows(int reel, const std::vector<Symbol> &symbols);
    static QString symbol(Symbol symbol);
    // A cell by its place. `shows` is the symbol at rest, or nothing while the reel turns;
    // `multiplier` is the Wild's badge in a free-spin round (0 for none); `covered` is a cell
    // out of play at fewer ways.
    static QString cell(int reel, Row row, std::optional<Symbol> shows, int multiplier, bool covered);
};

} // namespace melvane
