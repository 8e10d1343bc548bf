#include "platform/qt/accessibletexts.h"

#include "platform/qt/gametexts.h"

#include <array>

#include <QStringList>

namespace melvane {

namespace {

constexpr const char *kContext = "melvane::AccessibleTexts";

// In the order of the game's symbols; the card letters are said as the cards they are.
constexpr std::array<const char *, kSymbolCount> kSymbolNames = {
    QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Composer"), QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Piano"),
    QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Tuba"),     QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Cello"),
    QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Harp"),     QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Drum"),
    QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "King"),     QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Queen"),
    QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Jack"),     QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Scatter"),
    QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Wild")};

// By card number: 1 hearts, 2 clubs, 3 diamonds, 4 spades.
constexpr std::array<const char *, 5> kSuitNames = {
    "", QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Hearts"), QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Clubs"),
    QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Diamonds"), QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "Spades")};

constexpr std::array<const char *, 3> kRowNames = {QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "top"),
                                                   QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "middle"),
                                                   QT_TRANSLATE_NOOP("melvane::AccessibleTexts", "bottom")};

QString translated(const char *text) { return QCoreApplication::translate(kContext, text); }

// The count a caption ends with ("At Risk  40" has 40), or nothing.
std::optional<qlonglong> trailingCount(const QString &caption)
{
    const QString words = caption.trimmed();
    qsizetype start = words.size();
    while (start > 0 && words.at(start - 1).isDigit())
        --start;
    if (start == words.size())
        return std::nullopt;
    if (start > 0 && words.at(start - 1) == '-')
        --start;
    bool ok = false;
    const qlonglong count = words.mid(start).toLongLong(&ok);
    return ok ? std::optional<qlonglong>(count) : std::nullopt;
}

} // namespace

QString AccessibleTexts::coins(qlonglong count) { return count == 1 ? tr("1 coin") : tr("%1 coins").arg(count); }

QString AccessibleTexts::fastMoney() { return tr("Fast money, 50 dollars"); }
QString AccessibleTexts::autoplayOn() { return tr("Auto play"); }
QString AccessibleTexts::autoplayOff() { return tr("Stop auto play"); }
QString AccessibleTexts::collect() { return tr("Collect"); }
QString AccessibleTexts::inForce() { return tr("In force"); }
QString AccessibleTexts::profile(int n, const QString &caption)
{
    return tr("Player %1: %2").arg(n).arg(caption.simplified());
}
QString AccessibleTexts::sound(bool on) { return on ? tr("Sound on") : tr("Sound off"); }
QString AccessibleTexts::reelSpeed(int speed) { return tr("Reel speed %1").arg(speed); }
QString AccessibleTexts::winCounter(bool on) { return on ? tr("Win counter on") : tr("Win counter off"); }
QString AccessibleTexts::playerName() { return tr("Player name"); }

QString AccessibleTexts::suit(int card)
{
    return card >= 1 && card <= 4 ? translated(kSuitNames[static_cast<std::size_t>(card)]) : QString();
}

QString AccessibleTexts::caption(const std::string &caption) { return QString::fromStdString(caption).simplified(); }

QString AccessibleTexts::meter(const QString &title, const std::string &shown, const std::string &money)
{
    // The words and the money as the player's language shows them.
    const QString value = GameTexts::text(shown).simplified();
    bool numeric = false;
    const qlonglong count = value.toLongLong(&numeric);
    const QString cash = GameTexts::money(money).simplified();
    if (numeric && !cash.isEmpty())
        return tr("%1: %2, %3").arg(title, coins(count), cash);
    if (numeric)
        return tr("%1: %2").arg(title, coins(count));
    if (!value.isEmpty())
        return tr("%1: %2").arg(title, value);
    return title;
}

QString AccessibleTexts::credit() { return tr("Credit"); }
QString AccessibleTexts::lastBet() { return tr("Last bet"); }
QString AccessibleTexts::thisWin() { return tr("This win"); }
QString AccessibleTexts::win() { return tr("Win"); }
QString AccessibleTexts::stake() { return tr("Stake"); }

QString AccessibleTexts::countLine(const QString &title, const std::string &shown)
{
    const QString value = caption(shown);
    if (const auto count = trailingCount(value))
        return tr("%1: %2").arg(title, coins(*count));
    return GameTexts::text(shown).simplified();
}

QString AccessibleTexts::atRisk() { return tr("At risk"); }
QString AccessibleTexts::colourWin() { return tr("Red or black wins"); }
QString AccessibleTexts::suitWin() { return tr("Suit wins"); }

QString AccessibleTexts::spinsLeft(const std::string &shown)
{
    const QString value = caption(shown);
    if (const auto count = trailingCount(value))
        return tr("Free spins remaining: %1").arg(*count);
    return GameTexts::text(shown).simplified();
}

QString AccessibleTexts::drawnCard(int card)
{
    const QString name = suit(card);
    return name.isEmpty() ? tr("Card not drawn yet") : tr("Card drawn: %1").arg(name);
}

QString AccessibleTexts::pastCard(int card)
{
    const QString name = suit(card);
    return name.isEmpty() ? tr("No past card") : tr("Past card: %1").arg(name);
}
QString AccessibleTexts::gambleWon() { return tr("You win!"); }
QString AccessibleTexts::gambleLost() { return tr("You lose"); }
QString AccessibleTexts::gamble() { return tr("Gamble"); }

QString AccessibleTexts::title(const QString &title)
{
    return QString(title).replace(QLatin1Char('_'), QLatin1Char(' ')).simplified();
}

QString AccessibleTexts::payTable() { return tr("Pay table"); }
QString AccessibleTexts::closePayTable() { return tr("Close the pay table"); }

QString AccessibleTexts::pays(Symbol symbol, const std::vector<std::pair<int, int>> &runs)
{
    QStringList each;
    for (const auto &[run, pay] : runs)
        each << tr("%1 of a kind %2").arg(run).arg(pay);
    return tr("%1: %2").arg(AccessibleTexts::symbol(symbol), each.join(QStringLiteral(", ")));
}

QString AccessibleTexts::rule(Symbol symbol, const QString &rule)
{
    return tr("%1: %2").arg(AccessibleTexts::symbol(symbol), rule);
}

QString AccessibleTexts::scatterPays(int count, int stakes, int freeSpins)
{
    return tr("%1 Scatters: %2 times the stake and %3 free spins").arg(count).arg(stakes).arg(freeSpins);
}

QString AccessibleTexts::payoutReturn(const std::string &setting, const QString &figure, bool inForce)
{
    const QString name = GameTexts::text(setting).simplified();
    const QString line = figure.isEmpty() ? name : tr("%1: %2").arg(name, figure);
    return inForce ? tr("%1, in force").arg(line) : line;
}

QString AccessibleTexts::makerLinkDoes() { return tr("Opens the maker's web page"); }
QString AccessibleTexts::wildMultiplier(int multiplier) { return tr("Wild multiplier, times %1").arg(multiplier); }

QString AccessibleTexts::reel(int reel) { return tr("Reel %1").arg(reel); }

QString AccessibleTexts::reelShows(int reel, const std::vector<Symbol> &symbols)
{
    QStringList names;
    for (const Symbol shown : symbols)
        names << symbol(shown);
    return tr("%1: %2").arg(AccessibleTexts::reel(reel), names.join(QStringLiteral(", ")));
}

QString AccessibleTexts::symbol(Symbol symbol)
{
    return translated(kSymbolNames[static_cast<std::size_t>(index(symbol))]);
}

QString AccessibleTexts::cell(int reel, Row row, std::optional<Symbol> shows, int multiplier, bool covered)
{
    const QString place = tr("Reel %1, %2").arg(reel).arg(translated(kRowNames[static_cast<std::size_t>(row)]));
    if (!shows)
        return tr("%1: turning").arg(place);
    QString name = tr("%1: %2").arg(place, symbol(*shows));
    if (multiplier > 0)
        name = tr("%1, times %2").arg(name).arg(multiplier);
    if (covered)
        name = tr("%1, not in play").arg(name);
    return name;
}

} // namespace melvane
