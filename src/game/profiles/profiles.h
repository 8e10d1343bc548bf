#pragma once

#include <cstddef>
#include <string>

namespace melvane {

class Melvane;
class OptionsWindow;

// Where the six profiles live in the settings store, and what each one holds.
inline constexpr const char *kProfileApplication = "keys";
inline constexpr int kProfiles = 6;
inline constexpr std::size_t kNameLimit = 12; // characters, not bytes

// The main window's caption is this followed by the player's name.
inline constexpr const char *kMainCaptionPrefix = "Current Player       ";

// "player1" .. "player6".
std::string profileSection(int n);
// The profile number 1..6 that `playernumber` names, or 0 when it names none.
int profileNumber(const std::string &playernumber);

// ---- names: UTF-8 text counted and cut by characters (code points), never by bytes
std::size_t characterCount(const std::string &text);
// The first `limit` characters of `text`.
std::string firstCharacters(const std::string &text, std::size_t limit);
// The name as the player sees it: in capitals (ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic).
std::string inCapitals(const std::string &name);
// A profile button's caption: the name in capitals, or "Vacant" for a profile without one.
std::string profileButtonCaption(const std::string &name);
// The stored name of profile n, cut to the name limit (a hand-edited store may hold more).
std::string storedName(Melvane &m, int n);

// ---- the operations on the profile in use

// Start-up: makes profile 1 the one in use and reads it; values that are missing or not
// numbers that fit leave their variables as they were.
void loadStartupProfile(Melvane &m);

// Writes all eleven values of the profile in use, in their fixed order, as clean text.
void saveprofile(Melvane &m);

// Makes profile n (1..6) the one in use, loads it and refreshes both windows.
void selectProfile(Melvane &m, OptionsWindow &w, int n);

// Enter in the name box: names the profile in use, or refuses an empty or too long name.
void nameProfile(Melvane &m, OptionsWindow &w);

// Asks before clearing the credit and statistics of the profile in use; closes the window.
void clearDetails(Melvane &m, OptionsWindow &w);

} // namespace melvane
