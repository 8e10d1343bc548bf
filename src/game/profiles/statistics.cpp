// The statistics labels of the options window. Their texts differ by the moment they are
// written, blanks included; players know the screens by these texts, so they stay as they are.
#include "game/profiles/statistics.h"

#include <limits>
#include <utility>

#include "game/profiles/optionswindow.h"
#include "game/profiles/profiles.h"

namespace melvane {

namespace {

struct LabelTexts {
    const char *currentplayer;
    const char *games;
    const char *wager;
    const char *totalwon;
    const char *winlose;
    const char *returned;
    const char *invested;
    const char *freespins;
};

// Before the first game: texts without figures, but the player's name.
constexpr LabelTexts kShortOnOpening = {
    GameText::tr("Current Player    %1"), GameText::tr("Games Played      "),
    GameText::tr("Total Wagered     "),   GameText::tr("Total Won      "),
    GameText::tr("Winning/Losing     "),  GameText::tr("Returned To Player     "),
    GameText::tr("Total Invested      "), GameText::tr("Freespins Won     "),
};
constexpr LabelTexts kShortOnSelecting = {
    GameText::tr("Current Player    %1"), GameText::tr("Games Played          "),
    GameText::tr("Total Wagered         "), GameText::tr("Total Won          "),
    GameText::tr("Winning/Losing      "), GameText::tr("Returned To Player "),
    GameText::tr("Total Invested     "),  GameText::tr("Freespins Won     "),
};

// After the first game: each text is followed by its figure.
constexpr LabelTexts kLongOnOpening = {
    GameText::tr("Current Player    %1"),           GameText::tr("Games Played            %1"),
    GameText::tr("Total Wagered           %1"),     GameText::tr("Total Won                   %1"),
    GameText::tr("Winning/Losing           %1"),    GameText::tr("Returned To Player     % %1"),
    GameText::tr("Total Invested             %1"),  GameText::tr("Freespins Won            %1"),
};
constexpr LabelTexts kLongOnSelecting = {
    GameText::tr("Current Player   %1"),            GameText::tr("Games Played            %1"),
    GameText::tr("Total Wagered           %1"),     GameText::tr("Total Won                   %1"),
    GameText::tr("Winning/Losing           %1"),    GameText::tr("Returned To Player     % %1"),
    GameText::tr("Total Invested             %1"),  GameText::tr("Freespins Won     %1"),
};
// After clearing, whatever the games: figures everywhere but the returned-to-player label.
constexpr LabelTexts kOnClearing = {
    GameText::tr("Current Player   %1"),            GameText::tr("Games Played            %1"),
    GameText::tr("Total Wagered           %1"),     GameText::tr("Total Won                   %1"),
    GameText::tr("Winning/Losing           %1"),    GameText::tr("Returned To Player     % "),
    GameText::tr("Total Invested             %1"),  GameText::tr("Freespins Won     %1"),
};

// Floor division: a negative quotient rounds down, as the whole part of a percentage does.
std::int64_t floorDivide(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// bank - amountinvested, which like all money must fit a 32-bit meter; otherwise nothing.
std::optional<std::int64_t> winningLosing(const Globals &g)
{
    const std::int64_t difference = static_cast<std::int64_t>(g.bank) - g.amountinvested;
    if (difference < std::numeric_limits<std::int32_t>::min() || difference > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return difference;
}

std::optional<Wording> withFigure(const char *text, std::optional<std::int64_t> figure)
{
    if (!figure)
        return std::nullopt;
    return Wording(text, {Wording::number(*figure)});
}

} // namespace

std::optional<std::int64_t> returnedToPlayer(std::int32_t total, std::int32_t wager)
{
    if (wager == 0)
        return std::nullopt;
    // Whole numbers throughout: a floating-point percentage of 57 on 100 comes out as 56.99...
    return floorDivide(static_cast<std::int64_t>(total) * 100, wager);
}

StatisticsTexts statisticsTexts(const Globals &g, StatisticsOccasion occasion)
{
    const bool clearing = occasion == StatisticsOccasion::Clearing;
    const bool opening = occasion == StatisticsOccasion::Opening;
    // Before the first game the texts stand alone; after it (and after clearing, whatever the
    // games) each is followed by its figure. A figure that cannot be worked out leaves its label
    // as it was.
    const bool figures = clearing || g.games != 0;
    const LabelTexts &l = clearing ? kOnClearing
                          : figures ? (opening ? kLongOnOpening : kLongOnSelecting)
                                    : (opening ? kShortOnOpening : kShortOnSelecting);
    const auto labelled = [figures](const char *text, std::optional<std::int64_t> figure) {
        return figures ? withFigure(text, figure) : std::optional<Wording>(text);
    };
    StatisticsTexts t;
    t.lblcurrentplayer = Wording(l.currentplayer, {Wording::verbatim(inCapitals(g.currentplayer))});
    t.lblgames = labelled(l.games, g.games);
    t.lblwager = labelled(l.wager, g.wager);
    t.lbltotalwon = labelled(l.totalwon, g.total);
    t.lblwinlose = labelled(l.winlose, winningLosing(g));
    t.lblreturned = clearing ? Wording(l.returned) : labelled(l.returned, returnedToPlayer(g.total, g.wager));
    t.lblinvested = labelled(l.invested, g.amountinvested);
    t.lblfreespins = labelled(l.freespins, g.howmanyspins);
    return t;
}

void showStatistics(OptionsWindow &w, const Globals &g, StatisticsOccasion occasion)
{
    const StatisticsTexts t = statisticsTexts(g, occasion);
    const std::pair<Label &, const std::optional<Wording> &> labels[] = {
        {w.lblcurrentplayer, t.lblcurrentplayer}, {w.lblgames, t.lblgames},       {w.lblwager, t.lblwager},
        {w.lbltotalwon, t.lbltotalwon},           {w.lblwinlose, t.lblwinlose},   {w.lblreturned, t.lblreturned},
        {w.lblinvested, t.lblinvested},           {w.lblfreespins, t.lblfreespins},
    };
    for (const auto &[label, text] : labels)
        if (text)
            label.setCaption(*text);
}

} // namespace melvane
