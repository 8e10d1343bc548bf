// The statistics labels of the options window. Their texts differ by the moment they are
// written, blanks included; players know the screens by these texts, so they stay as they are.
#include "game/profiles/statistics.h"

#include <limits>

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

// Before the first game: texts without figures.
constexpr LabelTexts kShortOnOpening = {
    "Current Player    ", "Games Played      ",      "Total Wagered     ", "Total Won      ",
    "Winning/Losing     ", "Returned To Player     ", "Total Invested      ", "Freespins Won     ",
};
constexpr LabelTexts kShortOnSelecting = {
    "Current Player    ", "Games Played          ", "Total Wagered         ", "Total Won          ",
    "Winning/Losing      ", "Returned To Player ",  "Total Invested     ",    "Freespins Won     ",
};

// After the first game: each text is followed by its figure.
constexpr LabelTexts kLongOnOpening = {
    "Current Player    ",        "Games Played            ",    "Total Wagered           ",
    "Total Won                   ", "Winning/Losing           ", "Returned To Player     % ",
    "Total Invested             ",  "Freespins Won            ",
};
constexpr LabelTexts kLongOnSelecting = {
    "Current Player   ",         "Games Played            ",    "Total Wagered           ",
    "Total Won                   ", "Winning/Losing           ", "Returned To Player     % ",
    "Total Invested             ",  "Freespins Won     ",
};
// After clearing, whatever the games: figures everywhere but the returned-to-player label.
constexpr LabelTexts kOnClearing = {
    "Current Player   ",         "Games Played            ",    "Total Wagered           ",
    "Total Won                   ", "Winning/Losing           ", "Returned To Player     % ",
    "Total Invested             ",  "Freespins Won     ",
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

std::optional<std::string> withFigure(const char *text, std::optional<std::int64_t> figure)
{
    if (!figure)
        return std::nullopt;
    return text + std::to_string(*figure);
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
    const std::string name = inCapitals(g.currentplayer);
    StatisticsTexts t;
    if (occasion == StatisticsOccasion::Clearing) {
        const LabelTexts &l = kOnClearing;
        t.lblcurrentplayer = l.currentplayer + name;
        t.lblgames = l.games + std::to_string(g.games);
        t.lblwager = l.wager + std::to_string(g.wager);
        t.lbltotalwon = l.totalwon + std::to_string(g.total);
        t.lblwinlose = withFigure(l.winlose, winningLosing(g));
        t.lblreturned = l.returned;
        t.lblinvested = l.invested + std::to_string(g.amountinvested);
        t.lblfreespins = l.freespins + std::to_string(g.howmanyspins);
        return t;
    }
    const bool opening = occasion == StatisticsOccasion::Opening;
    if (g.games == 0) {
        const LabelTexts &l = opening ? kShortOnOpening : kShortOnSelecting;
        t.lblcurrentplayer = l.currentplayer + name;
        t.lblgames = l.games;
        t.lblwager = l.wager;
        t.lbltotalwon = l.totalwon;
        t.lblwinlose = l.winlose;
        t.lblreturned = l.returned;
        t.lblinvested = l.invested;
        t.lblfreespins = l.freespins;
        return t;
    }
    const LabelTexts &l = opening ? kLongOnOpening : kLongOnSelecting;
    t.lblcurrentplayer = l.currentplayer + name;
    t.lblgames = l.games + std::to_string(g.games);
    t.lblwager = l.wager + std::to_string(g.wager);
    t.lbltotalwon = l.totalwon + std::to_string(g.total);
    t.lblwinlose = withFigure(l.winlose, winningLosing(g));
    t.lblreturned = withFigure(l.returned, returnedToPlayer(g.total, g.wager));
    t.lblinvested = l.invested + std::to_string(g.amountinvested);
    t.lblfreespins = l.freespins + std::to_string(g.howmanyspins);
    return t;
}

void showStatistics(OptionsWindow &w, const Globals &g, StatisticsOccasion occasion)
{
    const StatisticsTexts t = statisticsTexts(g, occasion);
    const auto write = [](Label &label, const std::optional<std::string> &text) {
        if (text)
            label.setCaption(*text);
    };
    write(w.lblcurrentplayer, t.lblcurrentplayer);
    write(w.lblgames, t.lblgames);
    write(w.lblwager, t.lblwager);
    write(w.lbltotalwon, t.lbltotalwon);
    write(w.lblwinlose, t.lblwinlose);
    write(w.lblreturned, t.lblreturned);
    write(w.lblinvested, t.lblinvested);
    write(w.lblfreespins, t.lblfreespins);
}

} // namespace melvane
