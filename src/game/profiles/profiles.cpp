// The six player profiles in the settings store: load, save, select, name and clear.
#include "game/profiles/profiles.h"

#include <cstdint>
#include <functional>

#include "game/machine/melvane.h"
#include "game/profiles/optionswindow.h"
#include "game/ports/settingsstore.h"
#include "game/profiles/statistics.h"
#include "game/profiles/storedvalue.h"

namespace melvane {

namespace {

constexpr const char *kNameTitle = "Slot_Melvane";
constexpr const char *kNothingEntered = "Nothing Entered";
constexpr const char *kNameTooLong = "Name Too Long";
constexpr const char *kClearTitle = "Slots_Melvane";
constexpr const char *kClearQuestion = "Are you sure you want to Delete Current Player's Details ?";
constexpr const char *kSelectedLabelPrefix = "Current Player   ";
constexpr const char *kNamedLabelPrefix = "Current Player  ";
constexpr const char *kVacant = "Vacant";
constexpr const char *kNameKey = "currentplayer";

// The ten numbers of the record with their keys, in the order they are stored; reading and
// writing share this one list so the two can never disagree.
template <typename Visit>
void forEachNumber(Globals &g, Visit &&visit)
{
    visit("howmanyspins", g.howmanyspins);
    visit("soundonoff", g.soundonoff);
    visit("machinepay", g.machinepay);
    visit("winroll", g.winroll);
    visit("reelspeed", g.reelspeed);
    visit("amountinvested", g.amountinvested);
    visit("wager", g.wager);
    visit("total", g.total);
    visit("bank", g.bank);
    visit("games", g.games);
}

// Reads the eleven values of profile n in their stored order; `afterFailure` runs after each
// number that is missing or unusable, whose variable keeps its value.
void readRecord(Melvane &m, int n, const std::function<void()> &afterFailure)
{
    const std::string section = profileSection(n);
    const SettingsStore &store = m.host().settings();
    forEachNumber(m.g, [&](const char *key, auto &target) {
        if (!readStored(target, store.value(kProfileApplication, section, key)) && afterFailure)
            afterFailure();
    });
    // A text always reads; only a missing key leaves the name as it was.
    if (const auto name = store.value(kProfileApplication, section, kNameKey))
        m.g.currentplayer = firstCharacters(*name, kNameLimit);
}

bool isContinuationByte(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

// The capital of a code point below U+0800, or the code point itself when it has none here.
char32_t capitalOf(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) // Latin-1 letters
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x17F) { // Latin Extended-A: capital and small letters alternate
        const bool smallIsOdd = (c <= 0x137) || (c >= 0x14A && c <= 0x177);
        const bool smallIsEven = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if ((smallIsOdd && (c % 2) == 1) || (smallIsEven && (c % 2) == 0))
            return c - 1;
        return c;
    }
    if (c == 0x3C2) // final sigma
        return 0x3A3;
    if (c >= 0x3B1 && c <= 0x3C9) // Greek
        return c - 0x20;
    if (c >= 0x430 && c <= 0x44F) // Cyrillic
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    return c;
}

} // namespace

std::string profileSection(int n) { return "player" + std::to_string(n); }

int profileNumber(const std::string &playernumber)
{
    for (int n = 1; n <= kProfiles; ++n)
        if (playernumber == std::to_string(n))
            return n;
    return 0;
}

std::size_t characterCount(const std::string &text)
{
    std::size_t count = 0;
    for (const char c : text)
        if (!isContinuationByte(static_cast<unsigned char>(c)))
            ++count;
    return count;
}

std::string firstCharacters(const std::string &text, std::size_t limit)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(static_cast<unsigned char>(text[i])))
            continue;
        if (count == limit)
            return text.substr(0, i);
        ++count;
    }
    return text;
}

std::string inCapitals(const std::string &name)
{
    std::string capitals;
    capitals.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto lead = static_cast<unsigned char>(name[i]);
        if (lead < 0x80) {
            capitals += static_cast<char>(capitalOf(lead));
            continue;
        }
        // Every letter with a capital here is a two-byte sequence; anything else, including
        // bytes that are not UTF-8, passes through untouched.
        const bool twoBytes = lead >= 0xC2 && lead <= 0xDF && i + 1 < name.size() &&
                              isContinuationByte(static_cast<unsigned char>(name[i + 1]));
        if (!twoBytes) {
            capitals += name[i];
            continue;
        }
        const auto trail = static_cast<unsigned char>(name[i + 1]);
        const char32_t upper = capitalOf(static_cast<char32_t>(((lead & 0x1FU) << 6) | (trail & 0x3FU)));
        capitals += static_cast<char>(0xC0U | (upper >> 6));
        capitals += static_cast<char>(0x80U | (upper & 0x3FU));
        ++i;
    }
    return capitals;
}

std::string profileButtonCaption(const std::string &name) { return name.empty() ? kVacant : inCapitals(name); }

std::string storedName(Melvane &m, int n)
{
    const auto name = m.host().settings().value(kProfileApplication, profileSection(n), kNameKey);
    return name ? firstCharacters(*name, kNameLimit) : std::string();
}

void loadStartupProfile(Melvane &m)
{
    m.g.playernumber = "1";
    readRecord(m, 1, {});
}

void saveprofile(Melvane &m)
{
    const int n = profileNumber(m.g.playernumber);
    if (n == 0)
        return;
    const std::string section = profileSection(n);
    SettingsStore &store = m.host().settings();
    forEachNumber(m.g, [&](const char *key, const auto &value) {
        store.setValue(kProfileApplication, section, key, std::to_string(value));
    });
    store.setValue(kProfileApplication, section, kNameKey, m.g.currentplayer);
    store.flush();
}

void selectProfile(Melvane &m, OptionsWindow &w, int n)
{
    if (n < 1 || n > kProfiles)
        return;
    Globals &g = m.g;
    g.playernumber = std::to_string(n);
    // The sound, payout and award count are not cleared: a profile without them takes over
    // the ones of the profile used before.
    g.winroll = 0;
    g.reelspeed = 0;
    g.amountinvested = 0;
    g.wager = 0;
    g.total = 0;
    g.bank = 0;
    g.games = 0;
    g.currentplayer.clear();
    // Any unusable value sends the reels back to their fastest pace, even one read before it.
    readRecord(m, n, [&g] { g.reelspeed = 1; });
    m.host().processEvents();

    const std::string capitals = inCapitals(g.currentplayer);
    w.lblcurrentplayer.setCaption(kSelectedLabelPrefix + capitals);
    m.showBank();
    m.caption = kMainCaptionPrefix + capitals;
    w.machine[static_cast<std::size_t>(n)].setCaption(profileButtonCaption(g.currentplayer));
    showStatistics(w, g, StatisticsOccasion::Selecting);
    w.selectWinCounterAndSpeed();
}

void nameProfile(Melvane &m, OptionsWindow &w)
{
    Globals &g = m.g;
    const std::string typed = w.player1.caption();
    const auto refuse = [&](const char *message) {
        m.host().showMessage({kNameTitle, message, MessageIcon::Information});
        w.player1.setCaption("");
        w.lblcurrentplayer.setCaption(kNamedLabelPrefix + inCapitals(g.currentplayer));
    };
    if (typed.empty()) {
        refuse(kNothingEntered);
        return;
    }
    if (characterCount(typed) > kNameLimit) {
        refuse(kNameTooLong);
        return;
    }
    g.currentplayer = typed;
    w.player1.setCaption("");
    const std::string capitals = inCapitals(g.currentplayer);
    w.lblcurrentplayer.setCaption(kNamedLabelPrefix + capitals);
    m.showBank();
    m.caption = kMainCaptionPrefix + capitals;
    if (const int n = profileNumber(g.playernumber); n != 0)
        w.machine[static_cast<std::size_t>(n)].setCaption(capitals);
    saveprofile(m);
}

void clearDetails(Melvane &m, OptionsWindow &w)
{
    const MessageAnswer answer = m.host().showMessage(
        {kClearTitle, kClearQuestion, MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        w.close();
        return;
    }
    Globals &g = m.g;
    g.amountinvested = 0;
    g.games = 0;
    g.wager = 0;
    g.total = 0;
    g.bank = 0;
    g.howmanyspins = 0;
    saveprofile(m);
    showStatistics(w, g, StatisticsOccasion::Clearing);
    m.Lblcredit.setCaption("");
    m.PANELBANK.setCaption("");
    w.close();
}

} // namespace melvane
