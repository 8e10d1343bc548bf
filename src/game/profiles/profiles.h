#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "game/machine/globals.h"
#include "game/machine/wording.h"
#include "rules/reelstrips.h"

namespace melvane {

class Melvane;
class OptionsWindow;
class SettingsStore;

// Where the six profiles live in the settings store, and what each one holds.
inline constexpr const char *kProfileApplication = "keys";
inline constexpr int kProfiles = 6;
inline constexpr std::size_t kNameLimit = 12; // characters, not bytes

// The main window's caption is this followed by the player's name.
inline constexpr const char *kMainCaption = GameText::tr("Current Player       %1");

// "player1" .. "player6".
std::string profileSection(int n);
// The profile number 1..6 that `playernumber` names, or 0 when it names none.
int profileNumber(const std::string &playernumber);

// ---- names: UTF-8 text counted and cut by characters (code points), never by bytes
std::size_t characterCount(const std::string &text);
// The first `limit` characters of `text`.
std::string firstCharacters(const std::string &text, std::size_t limit);
// The name as the player sees it: in capitals, by Unicode's full upper-casing. The stored name
// keeps what was typed.
std::string inCapitals(const std::string &name);
// A profile button's caption: the name in capitals, or "Vacant" for a profile without one.
Wording profileButtonCaption(const std::string &name);
// The stored name of profile n, cut to the name limit (a hand-edited store may hold more).
std::string storedName(Melvane &m, int n);

// ---- the free-spin round stored with its player

// A round as it is stored beside the profile's values: running (spins > 0, stored where the
// machine waits for its next free spin), or only a round total that a full credit could not
// take yet (spins 0, win > 0), which waits for the player's next collect.
struct StoredRound {
    std::int16_t spins = 0;    // `freespins`
    std::int16_t done = 0;     // `freespinsdone`
    std::int32_t win = 0;      // `freespinwin`
    std::int16_t coinbet = 0;  // the bet the round is played at
    std::int16_t waysmult = 0;
    std::int16_t tune = 0;     // `respinroll`: the round's music, 0 before it was chosen
    std::int16_t wildmult = 0; // the multiplier of the free spin on show, 0 before the first
    Stops stops{};             // the stops on show, all 0 when none were stored

    bool running() const { return spins > 0; }
    friend bool operator==(const StoredRound &, const StoredRound &) = default;
};

// What a profile holds of a round: nothing, a round, or a round refused as a whole because
// one of its values is missing, unusable or does not agree with the others.
enum class RoundOnRecord { None, Found, Refused };
struct RoundReading {
    RoundOnRecord status = RoundOnRecord::None;
    StoredRound round;
};
RoundReading readRound(Melvane &m, int n);
// The round of the machine as it stands now, as it would be stored.
StoredRound roundOf(const Melvane &m);
// The message that tells the player a stored round could not be used.
void reportRefusedRound(Melvane &m, int n);

// ---- the operations on the profile in use

// Start-up: makes the machine's start-up player (profile 1 unless chosen) the one in use and
// reads it, or the profile that holds a running free-spin round (the game was closed during
// it), so that the round carries on. Values that are
// missing or not numbers that fit leave their variables as they were. Returns the round to
// carry on, if any; a round total waiting for a collect is taken into `freespinwin`.
std::optional<StoredRound> loadStartupProfile(Melvane &m);

// The first money value of profile n that is stored but cannot be read as a number that fits.
// Such a profile is refused for play and left on disk as it is: reading it as 0 would throw the
// player's credit away at the next save.
std::optional<std::string> unreadableMoneyKey(const SettingsStore &store, int n);
// The journal's serial of the last step profile n holds, when one is stored.
std::optional<std::int64_t> storedJournalSerial(const SettingsStore &store, int n);
// Gives the profile in use the journal's serial it stands at, when it names none (a new profile,
// or one saved before the journal began): then a kill between the journal's entry of its next
// step and the save of it leaves a profile the next start brings up to the journal, instead of
// one it must take as changed outside play, which would cost the player that step.
void nameJournalStep(Melvane &m);
// The values of profile n over a fresh set of meters.
Globals readProfile(const SettingsStore &store, int n);
// Writes every value of profile n in their fixed order, as clean text, with the round and the
// journal's serial, and puts them on disk; false when they did not reach it.
bool writeProfile(SettingsStore &store, int n, const Globals &meters, const StoredRound &round,
                  std::int64_t journalSerial);

// Start-up, before any profile is read: when the journal holds a step of player n newer than
// the one profile n was saved at (the game was killed between the two writes), the profile is
// written as that step left the books and the round.
void bringProfileUpToJournal(Melvane &m, int n);

// Writes every value of the profile in use, in their fixed order, as clean text, with the
// machine's free-spin round. A save that fails stops paid play until one succeeds.
void saveprofile(Melvane &m);
// The same, with the meters and the round given rather than those of the machine.
void saveprofile(Melvane &m, const Globals &meters, const StoredRound &round);

// Makes profile n (1..6) the one in use, loads it and refreshes both windows.
void selectProfile(Melvane &m, OptionsWindow &w, int n);

// Enter in the name box: names the profile in use, or refuses an empty or too long name.
void nameProfile(Melvane &m, OptionsWindow &w);

// Asks before clearing the credit and statistics of the profile in use; closes the window.
void clearDetails(Melvane &m, OptionsWindow &w);

} // namespace melvane
