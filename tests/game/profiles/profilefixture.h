#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/machine/melvane.h"
#include "platform/virtual/virtualhost.h"
#include "game/profiles/optionswindow.h"
#include "game/ports/settingsstore.h"

namespace melvane::testing_support {

// An in-memory store that logs every read and write the game makes of the profile's eleven
// values and the notice flag, in the order made. The newer values stored beside them (the
// gamble-loss tally, the free-spin round) are kept but not logged: readers that do not know
// them must see the eleven exactly as before.
class RecordingStore : public InMemorySettingsStore {
public:
    static bool isNewerKey(const std::string &key)
    {
        return key == "gamblelost" || key == "journalserial" || key.rfind("round", 0) == 0;
    }

    struct Access {
        bool write = false;
        std::string section; // "application/section"
        std::string key;
        std::string value; // the text written; empty for a read
        friend bool operator==(const Access &, const Access &) = default;
    };

    std::optional<std::string> value(const std::string &application, const std::string &section,
                                     const std::string &key) const override
    {
        if (!isNewerKey(key))
            log.push_back({false, application + "/" + section, key, {}});
        return InMemorySettingsStore::value(application, section, key);
    }
    void setValue(const std::string &application, const std::string &section, const std::string &key,
                  const std::string &value) override
    {
        if (!isNewerKey(key))
            log.push_back({true, application + "/" + section, key, value});
        InMemorySettingsStore::setValue(application, section, key, value);
    }
    // Puts a profile value in place as an earlier run would have left it, without logging it.
    void seed(const std::string &section, const std::string &key, const std::string &value)
    {
        InMemorySettingsStore::setValue("keys", section, key, value);
    }
    // What is stored now, without logging the look.
    std::optional<std::string> peek(const std::string &section, const std::string &key) const
    {
        return InMemorySettingsStore::value("keys", section, key);
    }

    mutable std::vector<Access> log;
};

class RecordingHost : public VirtualHost {
public:
    SettingsStore &settings() override { return recorder; }
    RecordingStore recorder;
};

using Profile = std::map<std::string, std::string>;
using Writes = std::vector<std::pair<std::string, std::string>>;

// The eleven keys of a profile in the order the game writes them.
inline const std::vector<std::string> kKeysInOrder = {
    "howmanyspins", "soundonoff", "machinepay", "winroll", "reelspeed", "amountinvested",
    "wager",        "total",      "bank",       "games",   "currentplayer",
};

// A named player with some history, as an earlier run leaves it.
inline const Profile kAda = {
    {"howmanyspins", "3"}, {"soundonoff", "-1"},        {"machinepay", "3"}, {"winroll", "1"},
    {"reelspeed", "4"},    {"amountinvested", "5000"}, {"wager", "1200"},   {"total", "900"},
    {"bank", "4700"},      {"games", "48"},            {"currentplayer", "Ada"},
};

inline Profile with(Profile p, const std::string &key, const std::string &value)
{
    p[key] = value;
    return p;
}

inline Profile without(Profile p, const std::string &key)
{
    p.erase(key);
    return p;
}

// A profile's values in the order the game writes them.
inline Writes inWriteOrder(const Profile &p)
{
    Writes w;
    for (const std::string &key : kKeysInOrder)
        w.emplace_back(key, p.at(key));
    return w;
}

// One run of the game as the program sets it up: the main window with its options window,
// on a store that earlier runs may have filled.
struct Game {
    RecordingHost host;
    Melvane m{host};
    OptionsWindow options{m};

    void storeProfile(int n, const Profile &values)
    {
        for (const auto &[key, value] : values)
            host.recorder.seed("player" + std::to_string(n), key, value);
    }
    std::optional<std::string> stored(int n, const std::string &key) const
    {
        return host.recorder.peek("player" + std::to_string(n), key);
    }
    // Every value of profile n as stored now; a missing key shows as "<missing>".
    Profile storedProfile(int n) const
    {
        Profile p;
        for (const std::string &key : kKeysInOrder)
            p[key] = stored(n, key).value_or("<missing>");
        return p;
    }
    // What was written to profile n since the log was last cleared, in order.
    Writes writesTo(int n) const
    {
        Writes found;
        for (const auto &a : host.recorder.log)
            if (a.write && a.section == "keys/player" + std::to_string(n))
                found.emplace_back(a.key, a.value);
        return found;
    }
    std::size_t writeCount() const
    {
        std::size_t n = 0;
        for (const auto &a : host.recorder.log)
            n += a.write ? 1 : 0;
        return n;
    }
    // Forgets what happened so far: store accesses, clips and message boxes.
    void forget()
    {
        host.recorder.log.clear();
        host.clips.clear();
        host.messages.clear();
    }
    // Types a whole name into the name box and presses Enter.
    void typeNameAndEnter(const std::string &name)
    {
        options.player1.setCaption(name);
        EXPECT_EQ(options.player1KeyPress(13), 0) << "Enter never reaches the box";
    }
};

class ProfileFixture : public ::testing::Test, protected Game {};

} // namespace melvane::testing_support
