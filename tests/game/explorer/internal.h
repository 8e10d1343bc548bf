#pragma once

// What the parts of the explorer share with each other and with its own tests.
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "game/explorer/explorer.h"
#include "game/ports/settingsstore.h"

namespace melvane::explorer {

// The names a player types into the options window's name box.
const std::vector<std::string> &typedNames();
char keyOf(const Input &input);

// A ScriptSpin's argument: the outcome and the Wild multiplier (0..3: x10, x5, x3, x2) of a free spin.
constexpr int scriptArg(ScriptedSpin s, int multiplierChoice) { return static_cast<int>(s) * 4 + multiplierChoice; }
constexpr ScriptedSpin scriptedSpinOf(int arg) { return static_cast<ScriptedSpin>(arg / 4); }
constexpr int multiplierChoiceOf(int arg) { return arg % 4; }
// A ScriptCards argument above this queues a streak of one card.
inline constexpr int kCardStreak = 10;
inline constexpr int kStreakLength = 8;

// A replay that notes, for every step, when and where its input was delivered.
struct Journal {
    std::vector<std::string> notes;
    std::optional<Failure> failure;
};
// With meters, each note ends with the current player's meters after the step.
Journal journalOf(const Settings &settings, const std::vector<Step> &steps, bool withMeters = false);

// "12.345 s"
std::string seconds(std::int64_t ms);

// The values of the store before the first load of a run, made from its seed.
struct StartProfile {
    std::string description;
};
StartProfile writeStartProfile(std::uint64_t seed, InMemorySettingsStore &store);

std::uint64_t splitmix(std::uint64_t x);

} // namespace melvane::explorer
