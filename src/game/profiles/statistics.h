#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/machine/globals.h"
#include "game/machine/wording.h"

namespace melvane {

class OptionsWindow;

// The three moments the statistics labels are written; each has its own texts.
enum class StatisticsOccasion { Opening, Selecting, Clearing };

// Captions of the statistics labels; a label without a caption here keeps the one it shows.
struct StatisticsTexts {
    std::optional<Wording> lblcurrentplayer;
    std::optional<Wording> lblgames;
    std::optional<Wording> lblwager;
    std::optional<Wording> lbltotalwon;
    std::optional<Wording> lblwinlose;
    std::optional<Wording> lblreturned;
    std::optional<Wording> lblinvested;
    std::optional<Wording> lblfreespins;
};

// Whole per cent of the stakes paid back, fractions dropped; nothing when nothing was staked.
std::optional<std::int64_t> returnedToPlayer(std::int32_t total, std::int32_t wager);

// The label captions for the profile in `g` at the given moment.
StatisticsTexts statisticsTexts(const Globals &g, StatisticsOccasion occasion);

// Writes the label captions into the options window.
void showStatistics(OptionsWindow &w, const Globals &g, StatisticsOccasion occasion);

} // namespace melvane
