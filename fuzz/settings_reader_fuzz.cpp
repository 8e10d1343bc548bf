// Arbitrary bytes where the game reads its settings. The first byte chooses where the rest goes:
//  - even: texts for any of the keys of the six profiles and of the autoplay notice, in a store
//    in memory; the game starts on them, opens the options window, selects a profile, spins;
//  - odd: the rest is the settings file itself, read through the real QSettings store.
// Either way every number the game takes must be the whole decimal number that was stored (and
// fit its variable), everything else must leave the variable as it was, the name must be the
// stored text cut to twelve characters, and a profile saved and loaded again must come back the
// same. A broken promise aborts, as do a crash and every sanitizer report.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <stdlib.h>

#include <fuzzer/FuzzedDataProvider.h>

#include "game/machine/melvane.h"
#include "platform/qt/qsettingsstore.h"
#include "platform/virtual/virtualhost.h"
#include "game/profiles/optionswindow.h"
#include "game/profiles/profiles.h"
#include "game/ports/settingsstore.h"

namespace {

using namespace melvane;

[[noreturn]] void broken(const std::string &promise)
{
    std::fprintf(stderr, "broken promise: %s\n", promise.c_str());
    std::abort();
}

void expect(bool holds, const std::string &promise)
{
    if (!holds)
        broken(promise);
}

const char *const kNumberKeys[] = {"howmanyspins", "soundonoff", "machinepay", "winroll", "reelspeed",
                                   "amountinvested", "wager", "total", "bank", "games"};
constexpr const char *kNameKey = "currentplayer";

// What a stored text is worth, stated independently of the game's parser: an optional minus
// and one or more decimal digits (leading zeros allowed), nothing else; its value if it fits
// in 64 bits, with `tooLarge` set when it is a number but does not.
struct Reading {
    bool number = false;
    bool tooLarge = false;
    std::int64_t value = 0;
};

Reading readingOf(const std::optional<std::string> &text)
{
    Reading r;
    if (!text || text->empty())
        return r;
    const std::string &t = *text;
    const bool negative = t[0] == '-';
    const std::size_t first = negative ? 1 : 0;
    if (first == t.size())
        return r;
    for (std::size_t i = first; i < t.size(); ++i)
        if (t[i] < '0' || t[i] > '9')
            return r;
    r.number = true;
    std::size_t digits = first;
    while (digits + 1 < t.size() && t[digits] == '0')
        ++digits;
    if (t.size() - digits > 18) { // anything this long is far beyond 32 bits
        r.tooLarge = true;
        return r;
    }
    std::int64_t magnitude = 0;
    for (std::size_t i = digits; i < t.size(); ++i)
        magnitude = magnitude * 10 + (t[i] - '0');
    r.value = negative ? -magnitude : magnitude;
    return r;
}

template <typename T>
bool fits(const Reading &r)
{
    return r.number && !r.tooLarge && r.value >= std::numeric_limits<T>::min() &&
           r.value <= std::numeric_limits<T>::max();
}

// The ten numbers of a profile in stored order, as 64-bit values, and a way to write them back.
std::vector<std::int64_t> numbersOf(const Globals &g)
{
    return {g.howmanyspins, g.soundonoff, g.machinepay, g.winroll, g.reelspeed,
            g.amountinvested, g.wager, g.total, g.bank, g.games};
}

bool isSixteenBit(std::size_t key) { return key < 5; }

bool takes(std::size_t key, const Reading &r)
{
    return isSixteenBit(key) ? fits<std::int16_t>(r) : fits<std::int32_t>(r);
}

std::string section(int n) { return profileSection(n); }

// A stored text as it can be read in a report: printable ASCII as is, every other byte in hex.
std::string shown(const std::optional<std::string> &text)
{
    if (!text)
        return "(missing)";
    std::string out = "\"";
    for (const char c : *text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            out += hex;
        }
    }
    return out + "\"";
}

// A virtual host whose settings are a given store (the real QSettings one, for the file case).
class StoreHost : public VirtualHost {
public:
    explicit StoreHost(SettingsStore &store) : store_(store) {}
    SettingsStore &settings() override { return store_; }

private:
    SettingsStore &store_;
};

// Start-up on `host`: player 1's numbers are what was stored when it fits, else 0; then the
// payout and speed defaults; the name is the stored text cut to twelve characters. A money value
// that does not read refuses player 1 instead: another player plays, or, with none, no one.
// Returns whether the game started.
bool checkStartup(Host &host, Melvane &m)
{
    SettingsStore &store = host.settings();
    if (unreadableMoneyKey(store, 1)) {
        const bool started = m.load();
        expect(!started || m.g.playernumber != "1", "a profile whose money does not read is not played");
        return started;
    }
    expect(m.load(), "start-up goes on at 96 dots per inch");
    std::vector<std::int64_t> expected(10, 0);
    std::vector<std::string> texts(10);
    for (std::size_t k = 0; k < 10; ++k) {
        const auto text = store.value(kProfileApplication, section(1), kNumberKeys[k]);
        texts[k] = shown(text);
        const Reading r = readingOf(text);
        if (takes(k, r))
            expected[k] = r.value;
    }
    if (expected[2] == 0)
        expected[2] = 5;
    if (expected[4] < 1)
        expected[4] = 1;
    const std::vector<std::int64_t> loaded = numbersOf(m.g);
    for (std::size_t k = 0; k < 10; ++k)
        expect(loaded[k] == expected[k], std::string("start-up reads \"") + kNumberKeys[k] + "\" as stored: " +
                                             texts[k] + " gave " + std::to_string(loaded[k]));
    const auto name = store.value(kProfileApplication, section(1), kNameKey);
    expect(m.g.currentplayer == (name ? firstCharacters(*name, kNameLimit) : std::string()),
           "start-up reads the name cut to twelve characters");
    expect(characterCount(m.g.currentplayer) <= kNameLimit, "a name has at most twelve characters");
    expect(m.caption == Wording(kMainCaption, {Wording::verbatim(m.g.currentplayer)}).english(),
           "the caption shows the name as stored");
    return true;
}

// What saveprofile wrote as player 1, a fresh machine reads back at start-up unchanged (but for
// the start-up defaults of the payout and the speed).
void checkRoundTrip(Melvane &m, Host &reader)
{
    m.g.playernumber = "1";
    saveprofile(m);
    Melvane again(reader);
    expect(again.load(), "start-up goes on at 96 dots per inch");
    std::vector<std::int64_t> saved = numbersOf(m.g);
    if (saved[2] == 0)
        saved[2] = 5;
    if (saved[4] < 1)
        saved[4] = 1;
    const std::vector<std::int64_t> read = numbersOf(again.g);
    for (std::size_t k = 0; k < 10; ++k)
        expect(saved[k] == read[k], std::string("\"") + kNumberKeys[k] + "\" comes back as saved: " +
                                        std::to_string(saved[k]) + " came back as " + std::to_string(read[k]));
    expect(again.g.currentplayer == m.g.currentplayer, "the name comes back as saved");
}

// Selecting profile n: the money and counts are the stored ones or 0, the sound, payout and
// award count carry over from the profile before when missing.
void checkSelection(Melvane &m, int n)
{
    OptionsWindow w(m);
    w.open();
    const std::vector<std::int64_t> before = numbersOf(m.g);
    SettingsStore &store = m.host().settings();
    const std::string player = m.g.playernumber;
    const bool refused = unreadableMoneyKey(store, n).has_value();
    selectProfile(m, w, n);
    const std::vector<std::int64_t> after = numbersOf(m.g);
    if (refused) {
        expect(after == before && m.g.playernumber == player, "a profile whose money does not read is not selected");
        w.close();
        return;
    }
    for (std::size_t k = 0; k < 10; ++k) {
        if (k == 3 || k == 4)
            continue; // the win counter and the speed pass through their option buttons
        const auto text = store.value(kProfileApplication, section(n), kNumberKeys[k]);
        const Reading r = readingOf(text);
        const std::int64_t carried = k < 3 ? before[k] : 0;
        expect(after[k] == (takes(k, r) ? r.value : carried), std::string("selection reads \"") + kNumberKeys[k] +
                                                                    "\" as stored: " + shown(text) + " gave " +
                                                                    std::to_string(after[k]));
    }
    const auto name = store.value(kProfileApplication, section(n), kNameKey);
    expect(m.g.currentplayer == (name ? firstCharacters(*name, kNameLimit) : std::string()),
           "selection reads the name cut to twelve characters");
    expect(characterCount(inCapitals(m.g.currentplayer)) == characterCount(m.g.currentplayer),
           "the name in capitals has as many characters as the name");
    w.close();
}

void inMemory(FuzzedDataProvider &input)
{
    VirtualHost host;
    for (int n = 1; n <= kProfiles; ++n) {
        for (const char *key : kNumberKeys)
            if (input.ConsumeBool())
                host.store.setValue(kProfileApplication, section(n), key, input.ConsumeRandomLengthString(24));
        if (input.ConsumeBool())
            host.store.setValue(kProfileApplication, section(n), kNameKey, input.ConsumeRandomLengthString(48));
    }
    if (input.ConsumeBool())
        host.store.setValue("key", "notice", "autoplay", input.ConsumeRandomLengthString(8));
    const int selected = input.ConsumeIntegralInRange(1, kProfiles);

    Melvane m(host);
    if (!checkStartup(host, m))
        return;
    checkSelection(m, selected);
    // Whatever was loaded, the machine plays on it: one paid spin, its timers for a while, and
    // the autoplay button that reads the notice flag.
    m.play[1].press();
    host.advance(3'000);
    m.autoplayon.press();
    host.advance(1'000);
    m.autoplayoff.press();
    checkRoundTrip(m, host);
}

void onDisk(FuzzedDataProvider &input)
{
    // One folder for the whole run, removed when the fuzzer ends.
    struct Folder {
        std::filesystem::path path;
        Folder()
        {
            char pattern[] = "/tmp/melvane-fuzz-XXXXXX";
            const char *made = ::mkdtemp(pattern);
            if (made == nullptr)
                broken("a folder for the settings files");
            path = made;
        }
        ~Folder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folderOfRun;
    const std::filesystem::path &base = folderOfRun.path;
    static std::uint64_t run = 0;
    // A new folder every run: QSettings caches files by path and would not see a rewrite that
    // keeps the size and the modification time.
    const std::filesystem::path folder = base / std::to_string(run++);
    std::filesystem::create_directories(folder / "Melvane");
    {
        const std::string bytes = input.ConsumeRemainingBytesAsString();
        std::ofstream(folder / "Melvane" / "keys.conf", std::ios::binary) << bytes;
    }
    {
        QSettingsStore store(folder.string());
        StoreHost host(store);
        Melvane m(host);
        if (checkStartup(host, m)) {
            QSettingsStore again(folder.string());
            StoreHost reader(again);
            checkRoundTrip(m, reader);
        }
    }
    std::filesystem::remove_all(folder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    FuzzedDataProvider input(data + 1, size - 1);
    if (data[0] % 2 == 0)
        inMemory(input);
    else
        onDisk(input);
    return 0;
}
