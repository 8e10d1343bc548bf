// The six player profiles in the settings store: load, save, select, name and clear.
#include "game/profiles/profiles.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <functional>

#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

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
// The store's texts are made once, not at each use: the profile is saved after every settled
// step, and building its keys and section name anew each time cost more than storing them.
const std::string kApplication = kProfileApplication;
const std::string kNameKey = "currentplayer";

// The section of profile n (1..kProfiles).
const std::string &sectionOf(int n)
{
    static const auto sections = [] {
        std::array<std::string, kProfiles + 1> names;
        for (int k = 1; k <= kProfiles; ++k)
            names[static_cast<std::size_t>(k)] = profileSection(k);
        return names;
    }();
    return sections[static_cast<std::size_t>(n)];
}

struct NumberKeys {
    std::string howmanyspins = "howmanyspins", soundonoff = "soundonoff", machinepay = "machinepay",
                winroll = "winroll", reelspeed = "reelspeed", amountinvested = "amountinvested", wager = "wager",
                total = "total", bank = "bank", games = "games";
};
const NumberKeys kNumberKeys;

// The ten numbers of the record with their keys, in the order they are stored; reading and
// writing share this one list so the two can never disagree.
template <typename G, typename Visit>
void forEachNumber(G &g, Visit &&visit)
{
    const NumberKeys &k = kNumberKeys;
    visit(k.howmanyspins, g.howmanyspins);
    visit(k.soundonoff, g.soundonoff);
    visit(k.machinepay, g.machinepay);
    visit(k.winroll, g.winroll);
    visit(k.reelspeed, g.reelspeed);
    visit(k.amountinvested, g.amountinvested);
    visit(k.wager, g.wager);
    visit(k.total, g.total);
    visit(k.bank, g.bank);
    visit(k.games, g.games);
}

// Newer than the ten numbers above, so a profile written before it has none: a missing value
// leaves the tally at 0 and, unlike the ten, does not count as an unusable one.
const std::string kGambleLostKey = "gamblelost";

// The round stored beside the profile's values.
const std::string kRoundSpinsKey = "roundspins";
const std::string kRoundDoneKey = "rounddone";
const std::string kRoundWinKey = "roundwin";
const std::string kRoundCoinbetKey = "roundcoinbet";
const std::string kRoundWaysmultKey = "roundwaysmult";
const std::string kRoundTuneKey = "roundtune";
const std::string kRoundWildmultKey = "roundwildmult";
const std::string kRoundStopsKey = "roundstops";

constexpr const char *kRefusedRoundTitle = "Slots Melvane";

bool isCoinbet(int c) { return c == 1 || c == 2 || c == 5 || c == 10 || c == 20; }
bool isWildmult(int w) { return w == 0 || w == 2 || w == 3 || w == 5 || w == 10; }

// "12,2,9,1,5", or "" when no stops are on show, written into `text`.
void setStopsText(std::string &text, const Stops &stops)
{
    text.clear();
    if (stops == Stops{})
        return;
    std::string number;
    for (int s : stops) {
        if (!text.empty())
            text += ',';
        setWholeText(number, s);
        text += number;
    }
}

std::optional<Stops> parseStops(const std::string &text)
{
    Stops stops{};
    if (text.empty())
        return stops;
    std::size_t start = 0;
    for (std::size_t r = 0; r < stops.size(); ++r) {
        const std::size_t comma = text.find(',', start);
        const bool last = r + 1 == stops.size();
        if (last != (comma == std::string::npos))
            return std::nullopt;
        // The store joins a list it reads back with a blank after each comma; so may a person.
        std::string item = text.substr(start, last ? std::string::npos : comma - start);
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        const auto value = parseStoredWhole(item);
        if (!value || *value < 1 || *value > kStops)
            return std::nullopt;
        stops[r] = static_cast<int>(*value);
        start = comma + 1;
    }
    return stops;
}

// Reads the values of profile n in their stored order; `afterFailure` runs after each
// number that is missing or unusable, whose variable keeps its value.
void readRecord(Melvane &m, int n, const std::function<void()> &afterFailure)
{
    const std::string section = profileSection(n);
    const SettingsStore &store = m.host().settings();
    forEachNumber(m.g, [&](const std::string &key, auto &target) {
        if (!readStored(target, store.value(kProfileApplication, section, key)) && afterFailure)
            afterFailure();
    });
    readStored(m.g.gamblelost, store.value(kProfileApplication, section, kGambleLostKey));
    // A text always reads; only a missing key leaves the name as it was.
    if (const auto name = store.value(kProfileApplication, section, kNameKey))
        m.g.currentplayer = firstCharacters(*name, kNameLimit);
}

// The round total of the newly chosen profile replaces the machine's: a total waiting for a
// collect belongs to the player who won it.
void takeWaitingTotal(Melvane &m, int n)
{
    m.freespinwin = 0;
    const RoundReading reading = readRound(m, n);
    if (reading.status == RoundOnRecord::Found && !reading.round.running())
        m.freespinwin = reading.round.win;
    else if (reading.status != RoundOnRecord::None)
        reportRefusedRound(m, n); // a running round carries on only at start-up
}

bool isContinuationByte(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }


} // namespace

std::string profileSection(int n) { return "player" + std::to_string(n); }

RoundReading readRound(Melvane &m, int n)
{
    const SettingsStore &store = m.host().settings();
    const std::string section = profileSection(n);
    const auto text = [&](const std::string &key) { return store.value(kProfileApplication, section, key); };
    if (!text(kRoundSpinsKey))
        return {}; // written before rounds were stored
    StoredRound r;
    const bool numbers = readStored(r.spins, text(kRoundSpinsKey)) && readStored(r.done, text(kRoundDoneKey)) &&
                         readStored(r.win, text(kRoundWinKey)) && readStored(r.coinbet, text(kRoundCoinbetKey)) &&
                         readStored(r.waysmult, text(kRoundWaysmultKey)) && readStored(r.tune, text(kRoundTuneKey)) &&
                         readStored(r.wildmult, text(kRoundWildmultKey));
    const auto stopsStored = text(kRoundStopsKey);
    const std::optional<Stops> stops = stopsStored ? parseStops(*stopsStored) : std::nullopt;
    if (!numbers || !stops || r.win < 0 || r.spins < 0)
        return {RoundOnRecord::Refused, {}};
    r.stops = *stops;
    if (!r.running()) {
        if (r.done != 0)
            return {RoundOnRecord::Refused, {}};
        return r.win > 0 ? RoundReading{RoundOnRecord::Found, StoredRound{0, 0, r.win, 0, 0, 0, 0, {}}} : RoundReading{};
    }
    // A running round is stored where it waits for its next free spin, its first spin counted.
    const bool agrees = r.done >= 1 && r.done <= r.spins && isCoinbet(r.coinbet) && isValidWaysmult(r.waysmult) &&
                        r.tune >= 0 && r.tune <= 2 && isWildmult(r.wildmult);
    if (!agrees)
        return {RoundOnRecord::Refused, {}};
    return {RoundOnRecord::Found, r};
}

StoredRound roundOf(const Melvane &m)
{
    if (m.freespins <= 0)
        return {0, 0, m.freespinwin, 0, 0, 0, 0, {}};
    StoredRound r{m.freespins, m.freespinsdone, m.freespinwin, m.coinbet, m.waysmult, m.respinroll, m.wildmult, {}};
    for (int reel = 1; reel <= kReels; ++reel)
        r.stops[static_cast<std::size_t>(reel - 1)] = m.reelstop[static_cast<std::size_t>(reel)];
    return r;
}

void reportRefusedRound(Melvane &m, int n)
{
    m.host().showMessage({kRefusedRoundTitle,
                          "The free-spin round stored for player " + std::to_string(n) +
                              " could not be read, so it has not been restored.",
                          MessageIcon::Information});
}

int profileNumber(const std::string &playernumber)
{
    // "1" .. "6": one digit, compared without making the six texts at every save.
    if (playernumber.size() != 1 || playernumber[0] < '1' || playernumber[0] > '0' + kProfiles)
        return 0;
    return playernumber[0] - '0';
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
    // Unicode's own upper-casing, letter by letter as the language-neutral rules give it
    // (accented Greek, Romanian, Vietnamese, Armenian... and ß as SS). A byte that is not
    // UTF-8 passes through as it is, between the runs of text around it.
    std::string capitals;
    capitals.reserve(name.size());
    icu::UnicodeString run;
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        run.toUpper(icu::Locale::getRoot());
        run.toUTF8String(capitals);
        run.remove();
    };
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(name.data());
    const auto length = static_cast<std::int32_t>(std::min<std::size_t>(name.size(), INT32_MAX));
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            flush();
            capitals.append(name, static_cast<std::size_t>(start), static_cast<std::size_t>(i - start));
        } else {
            run.append(c);
        }
    }
    flush();
    return capitals;
}

std::string profileButtonCaption(const std::string &name) { return name.empty() ? kVacant : inCapitals(name); }

std::string storedName(Melvane &m, int n)
{
    const auto name = m.host().settings().value(kProfileApplication, profileSection(n), kNameKey);
    return name ? firstCharacters(*name, kNameLimit) : std::string();
}

std::optional<StoredRound> loadStartupProfile(Melvane &m)
{
    int n = m.startupPlayer >= 1 && m.startupPlayer <= kProfiles ? m.startupPlayer : 1;
    for (int k = 1; k <= kProfiles; ++k) {
        const RoundReading reading = readRound(m, k);
        if (reading.status == RoundOnRecord::Found && reading.round.running()) {
            n = k;
            break;
        }
    }
    m.g.playernumber = std::to_string(n);
    readRecord(m, n, {});
    m.autoplayLimits = readAutoplayLimits(m.host().settings(), n);
    const RoundReading reading = readRound(m, n);
    if (reading.status == RoundOnRecord::Refused)
        reportRefusedRound(m, n);
    if (reading.status != RoundOnRecord::Found)
        return std::nullopt;
    if (!reading.round.running()) {
        m.freespinwin = reading.round.win;
        return std::nullopt;
    }
    return reading.round;
}

void saveprofile(Melvane &m) { saveprofile(m, m.g, roundOf(m)); }

void saveprofile(Melvane &m, const Globals &meters, const StoredRound &round)
{
    const int n = profileNumber(m.g.playernumber);
    if (n == 0)
        return;
    const std::string &section = sectionOf(n);
    SettingsStore &store = m.host().settings();
    // One text reused for every value: a number's digits never outgrow its inline storage.
    std::string text;
    const auto put = [&](const std::string &key, const std::string &value) {
        store.setValue(kApplication, section, key, value);
    };
    const auto putNumber = [&](const std::string &key, std::int64_t value) {
        setWholeText(text, value);
        put(key, text);
    };
    forEachNumber(meters, putNumber);
    put(kNameKey, meters.currentplayer);
    putNumber(kGambleLostKey, meters.gamblelost);
    putNumber(kRoundSpinsKey, round.spins);
    putNumber(kRoundDoneKey, round.done);
    putNumber(kRoundWinKey, round.win);
    putNumber(kRoundCoinbetKey, round.coinbet);
    putNumber(kRoundWaysmultKey, round.waysmult);
    putNumber(kRoundTuneKey, round.tune);
    putNumber(kRoundWildmultKey, round.wildmult);
    setStopsText(text, round.stops);
    put(kRoundStopsKey, text);
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
    g.gamblelost = 0;
    g.currentplayer.clear();
    // Any unusable value sends the reels back to their fastest pace, even one read before it.
    readRecord(m, n, [&g] { g.reelspeed = 1; });
    takeWaitingTotal(m, n);
    m.autoplayLimits = readAutoplayLimits(m.host().settings(), n);
    // The session goes on with this player's meters; what the last one played stays counted.
    m.session.rebase(m.sessionMeters());
    m.journalAdjustment();
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
    // The books start again from nothing: no round total waits, no gamble loss stands.
    g.gamblelost = 0;
    m.freespinwin = 0;
    m.session.rebase(m.sessionMeters());
    m.journalAdjustment();
    saveprofile(m);
    showStatistics(w, g, StatisticsOccasion::Clearing);
    m.Lblcredit.setCaption("");
    m.PANELBANK.setCaption("");
    w.close();
}

} // namespace melvane
