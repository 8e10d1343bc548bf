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
#include "rules/scatters.h"

namespace melvane {

namespace {

constexpr const char *kNameTitle = GameText::tr("Slot_Melvane");
constexpr const char *kNothingEntered = GameText::tr("Nothing Entered");
constexpr const char *kNameTooLong = GameText::tr("Name Too Long");
constexpr const char *kClearTitle = GameText::tr("Slots_Melvane");
constexpr const char *kClearQuestion = GameText::tr("Are you sure you want to Delete Current Player's Details ?");
constexpr const char *kSelectedLabel = GameText::tr("Current Player   %1");
constexpr const char *kNamedLabel = GameText::tr("Current Player  %1");
constexpr const char *kVacant = GameText::tr("Vacant");
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
// The journal's serial of the last step the profile holds; newer still, and missing alike in a
// profile written before it.
const std::string kJournalSerialKey = "journalserial";

// The round stored beside the profile's values.
const std::string kRoundSpinsKey = "roundspins";
const std::string kRoundDoneKey = "rounddone";
const std::string kRoundWinKey = "roundwin";
const std::string kRoundCoinbetKey = "roundcoinbet";
const std::string kRoundWaysmultKey = "roundwaysmult";
const std::string kRoundTuneKey = "roundtune";
const std::string kRoundWildmultKey = "roundwildmult";
const std::string kRoundStopsKey = "roundstops";

constexpr const char *kRefusedRoundTitle = GameText::tr("Slots Melvane");
constexpr const char *kProfileTitle = GameText::tr("Slots Melvane");

// The books of a profile: what was put in, staked, won and lost, and the credit.
void clearBooks(Globals &g)
{
    g.amountinvested = 0;
    g.wager = 0;
    g.total = 0;
    g.bank = 0;
    g.games = 0;
    g.gamblelost = 0;
}

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

bool isMoneyKey(const std::string &key)
{
    const NumberKeys &k = kNumberKeys;
    return key == k.amountinvested || key == k.wager || key == k.total || key == k.bank || key == kGambleLostKey ||
           key == kRoundWinKey;
}

// Reads the values of profile n in their stored order into `g`; `afterFailure` runs after each
// number that is missing or unusable, whose variable keeps its value. Returns the first money
// value that is stored but unreadable, which refuses the profile.
std::optional<std::string> readRecord(const SettingsStore &store, int n, Globals &g,
                                      const std::function<void()> &afterFailure)
{
    const std::string &section = sectionOf(n);
    std::optional<std::string> unreadable;
    // The newer values may be missing from an older profile, which is no failure.
    const auto read = [&](const std::string &key, auto &target, bool newer) {
        const auto text = store.value(kApplication, section, key);
        if (readStored(target, text))
            return;
        if (afterFailure && !newer)
            afterFailure();
        if (text && !unreadable && isMoneyKey(key))
            unreadable = key;
    };
    forEachNumber(g, [&](const std::string &key, auto &target) { read(key, target, false); });
    read(kGambleLostKey, g.gamblelost, true);
    // A text always reads; only a missing key leaves the name as it was.
    if (const auto name = store.value(kApplication, section, kNameKey))
        g.currentplayer = firstCharacters(*name, kNameLimit);
    std::int32_t roundTotal = 0;
    read(kRoundWinKey, roundTotal, true);
    return unreadable;
}

// Reads profile n over `candidate` into the machine unless one of its money values is
// unreadable: then the machine is left as it was and the key is returned. With `fastestOnFailure`
// any unusable value sends the reels back to their fastest pace, even one read before it.
std::optional<std::string> takeProfile(Melvane &m, int n, Globals candidate, bool fastestOnFailure = false)
{
    const auto fastest = [&candidate] { candidate.reelspeed = 1; };
    if (auto unreadable = readRecord(m.host().settings(), n, candidate,
                                     fastestOnFailure ? std::function<void()>(fastest) : std::function<void()>()))
        return unreadable;
    candidate.playernumber = std::to_string(n);
    m.g = std::move(candidate);
    m.journalSerial = storedJournalSerial(m.host().settings(), n).value_or(0);
    return std::nullopt;
}

// The round total of the newly chosen profile replaces the machine's: a total waiting for a
// collect belongs to the player who won it.
void takeWaitingTotal(Melvane &m, int n)
{
    const RoundReading reading = readRound(m, n);
    // A round that does not carry on (only at start-up does one) still leaves its total to collect.
    m.freespinwin = reading.round.win;
    if (reading.status == RoundOnRecord::Refused || (reading.status == RoundOnRecord::Found && reading.round.running()))
        reportRefusedRound(m, n);
}

// The player's message that profile n holds a money value that is not a number.
void reportUnreadableProfile(Melvane &m, int n, const std::string &key)
{
    const std::string where = m.host().settings().location();
    const Wording player = Wording::number(n);
    const Wording value = Wording::verbatim(key);
    m.host().showMessage(
        {kProfileTitle,
         where.empty()
             ? Wording(GameText::tr("Player %1's profile cannot be played: its value \"%2\" is not a number the game "
                                    "can read. The profile has been left as it is, so that it can be mended; the "
                                    "other players' profiles play as before."),
                       {player, value})
             : Wording(GameText::tr("Player %1's profile cannot be played: its value \"%2\" is not a number the game "
                                    "can read (in %3). The profile has been left as it is, so that it can be "
                                    "mended; the other players' profiles play as before."),
                       {player, value, Wording::verbatim(where)}),
         MessageIcon::Critical});
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
    // Whatever else is wrong with the round, a total that reads is kept: it is the player's.
    std::int32_t total = 0;
    const StoredRound kept{0, 0, readStored(total, text(kRoundWinKey)) && total > 0 ? total : 0, 0, 0, 0, 0, {}};
    const bool numbers = readStored(r.spins, text(kRoundSpinsKey)) && readStored(r.done, text(kRoundDoneKey)) &&
                         readStored(r.win, text(kRoundWinKey)) && readStored(r.coinbet, text(kRoundCoinbetKey)) &&
                         readStored(r.waysmult, text(kRoundWaysmultKey)) && readStored(r.tune, text(kRoundTuneKey)) &&
                         readStored(r.wildmult, text(kRoundWildmultKey));
    const auto stopsStored = text(kRoundStopsKey);
    const std::optional<Stops> stops = stopsStored ? parseStops(*stopsStored) : std::nullopt;
    if (!numbers || !stops || r.win < 0 || r.spins < 0)
        return {RoundOnRecord::Refused, kept};
    r.stops = *stops;
    if (!r.running()) {
        if (r.done != 0)
            return {RoundOnRecord::Refused, kept};
        return r.win > 0 ? RoundReading{RoundOnRecord::Found, StoredRound{0, 0, r.win, 0, 0, 0, 0, {}}} : RoundReading{};
    }
    // A running round is stored where it waits for its next free spin, its first spin counted.
    const bool agrees = r.done >= 1 && r.done <= r.spins && isValidCoinbet(r.coinbet) && isValidWaysmult(r.waysmult) &&
                        r.tune >= 0 && r.tune <= 2 && (r.wildmult == 0 || isWildMultiplier(r.wildmult));
    if (!agrees)
        return {RoundOnRecord::Refused, kept};
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
                          Wording(GameText::tr("The free-spin round stored for player %1 could not be read, so it "
                                               "has not been restored."),
                                  {Wording::number(n)}),
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

Wording profileButtonCaption(const std::string &name)
{
    return name.empty() ? Wording(kVacant) : Wording::verbatim(inCapitals(name));
}

std::string storedName(Melvane &m, int n)
{
    const auto name = m.host().settings().value(kProfileApplication, profileSection(n), kNameKey);
    return name ? firstCharacters(*name, kNameLimit) : std::string();
}

std::optional<std::string> unreadableMoneyKey(const SettingsStore &store, int n)
{
    Globals scratch;
    return readRecord(store, n, scratch, {});
}

std::optional<std::int64_t> storedJournalSerial(const SettingsStore &store, int n)
{
    std::int64_t serial = 0;
    if (!readStored(serial, store.value(kApplication, sectionOf(n), kJournalSerialKey)) || serial < 0)
        return std::nullopt;
    return serial;
}

void nameJournalStep(Melvane &m)
{
    const int n = profileNumber(m.g.playernumber);
    SettingsStore &store = m.host().settings();
    if (n == 0 || m.journal == nullptr || storedJournalSerial(store, n))
        return;
    store.setValue(kApplication, sectionOf(n), kJournalSerialKey, std::to_string(m.journalSerial));
    // A failure is not told here: the next save writes the serial again and tells it.
    store.flush();
}

Globals readProfile(const SettingsStore &store, int n)
{
    Globals g;
    readRecord(store, n, g, {});
    return g;
}

std::optional<StoredRound> loadStartupProfile(Melvane &m)
{
    const SettingsStore &store = m.host().settings();
    int n = m.startupPlayer >= 1 && m.startupPlayer <= kProfiles ? m.startupPlayer : 1;
    for (int k = 1; k <= kProfiles; ++k) {
        const RoundReading reading = readRound(m, k);
        if (reading.status == RoundOnRecord::Found && reading.round.running()) {
            n = k;
            break;
        }
    }
    // A profile whose money cannot be read is never played, so never saved over: the game
    // starts with the first one that reads, or not at all.
    if (const auto key = takeProfile(m, n, m.g)) {
        reportUnreadableProfile(m, n, *key);
        n = 0;
        for (int k = 1; k <= kProfiles && n == 0; ++k)
            if (!takeProfile(m, k, m.g))
                n = k;
        if (n == 0)
            return std::nullopt;
    }
    m.autoplayLimits = readAutoplayLimits(store, n);
    const RoundReading reading = readRound(m, n);
    if (reading.status == RoundOnRecord::Refused)
        reportRefusedRound(m, n);
    m.freespinwin = reading.round.win;
    if (reading.status != RoundOnRecord::Found || !reading.round.running())
        return std::nullopt;
    m.freespinwin = 0;
    return reading.round;
}

void saveprofile(Melvane &m) { saveprofile(m, m.g, roundOf(m)); }

void saveprofile(Melvane &m, const Globals &meters, const StoredRound &round)
{
    const int n = profileNumber(m.g.playernumber);
    if (n == 0)
        return;
    m.noteSave(writeProfile(m.host().settings(), n, meters, round, m.journalSerial));
}

bool writeProfile(SettingsStore &store, int n, const Globals &meters, const StoredRound &round,
                  std::int64_t journalSerial)
{
    const std::string &section = sectionOf(n);
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
    putNumber(kJournalSerialKey, journalSerial);
    return store.flush();
}

void selectProfile(Melvane &m, OptionsWindow &w, int n)
{
    if (n < 1 || n > kProfiles)
        return;
    // The sound, payout and award count are not cleared: a profile without them takes over
    // the ones of the profile used before.
    Globals fresh = m.g;
    clearBooks(fresh);
    fresh.winroll = 0;
    fresh.reelspeed = 0;
    fresh.currentplayer.clear();
    if (const auto key = takeProfile(m, n, fresh, true)) {
        reportUnreadableProfile(m, n, *key);
        return;
    }
    Globals &g = m.g;
    takeWaitingTotal(m, n);
    m.autoplayLimits = readAutoplayLimits(m.host().settings(), n);
    // The session goes on with this player's meters; what the last one played stays counted.
    m.session.rebase(m.sessionMeters());
    m.journalAdjustment();
    nameJournalStep(m);
    m.host().processEvents();

    const std::string capitals = inCapitals(g.currentplayer);
    w.lblcurrentplayer.setCaption(Wording(kSelectedLabel, {Wording::verbatim(capitals)}));
    m.showBank();
    m.setWindowCaption(Wording(kMainCaption, {Wording::verbatim(capitals)}));
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
        w.lblcurrentplayer.setCaption(Wording(kNamedLabel, {Wording::verbatim(inCapitals(g.currentplayer))}));
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
    w.lblcurrentplayer.setCaption(Wording(kNamedLabel, {Wording::verbatim(capitals)}));
    m.showBank();
    m.setWindowCaption(Wording(kMainCaption, {Wording::verbatim(capitals)}));
    if (const int n = profileNumber(g.playernumber); n != 0)
        w.machine[static_cast<std::size_t>(n)].setCaption(Wording::verbatim(capitals));
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
    // The books start again from nothing: no round total waits, no gamble loss stands.
    clearBooks(g);
    g.howmanyspins = 0;
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
