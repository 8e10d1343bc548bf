// The explorer's alphabet of inputs, their labels, and runs written down as text and read back.
#include <array>
#include <charconv>
#include <istream>
#include <map>
#include <sstream>

#include "game/explorer/explorer.h"
#include "game/explorer/internal.h"
#include "game/sidewindows/autoplaywindow.h"

namespace melvane::explorer {

namespace {

constexpr std::array<const char *, static_cast<std::size_t>(Control::Count)> kControlNames = {
    "play(1)",     "play(2)",     "play(3)",     "play(4)",     "play(5)",      "payline(1)", "payline(2)",
    "payline(3)",  "payline(4)",  "payline(5)",  "COINSIN",     "cmdfastmoney", "takewin",    "doublebutton",
    "autoplayon",  "autoplayoff", "betred",      "betblack",    "suitbet(1)",   "suitbet(2)", "suitbet(3)",
    "suitbet(4)",  "cancelbet",   "mnuabout",    "mnuptble",    "mnuplayer",    "mnuexit"};

struct KeyName {
    char key;
    const char *name;
};
constexpr std::array<KeyName, 12> kKeyNames = {{{' ', "space"},
                                               {'a', "a"},
                                               {'z', "z"},
                                               {'Q', "Q"},
                                               {'0', "0"},
                                               {'5', "5"},
                                               {'.', "."},
                                               {'!', "!"},
                                               {'\r', "enter"},
                                               {'\b', "backspace"},
                                               {'?', "? (a key beyond ASCII)"},
                                               {'-', "-"}}};

constexpr std::array<const char *, 4> kMultiplierNames = {"x10", "x5", "x3", "x2"};
constexpr std::array<const char *, static_cast<std::size_t>(ScriptedSpin::Count)> kSpinNames = {
    "losing spin", "3 scatters", "4 scatters", "5 scatters", "winning spin"};

std::string quoted(const std::string &text) { return "\"" + text + "\""; }

constexpr std::array<const char *, static_cast<std::size_t>(PlayEntry::Count)> kPlayEntryNames = {
    "Quick Stop off",     "Quick Stop on",      "Session Clock off",  "Session Clock on",
    "Reality Check Off", "Reality Check 15", "Reality Check 30", "Reality Check 60"};
constexpr std::array<int, 3> kQuickStopFrames = {1, 8, 40};

template <typename T>
std::string limitName(const std::vector<T> &choices, int index, const char *none)
{
    if (index < 0 || index >= static_cast<int>(choices.size()))
        return "?";
    const T value = choices[static_cast<std::size_t>(index)];
    return value == 0 ? std::string(none) : std::to_string(value);
}

std::vector<Input> buildAlphabet()
{
    std::vector<Input> all;
    for (int c = 0; c < static_cast<int>(Control::Count); ++c)
        all.push_back({Kind::Press, c});
    for (const KeyName &k : kKeyNames)
        all.push_back({Kind::Key, static_cast<unsigned char>(k.key)});
    for (int n = 1; n <= 6; ++n)
        all.push_back({Kind::OptionsProfile, n});
    for (int i = 0; i < static_cast<int>(typedNames().size()); ++i)
        all.push_back({Kind::OptionsName, i});
    all.push_back({Kind::OptionsClear, 1});
    all.push_back({Kind::OptionsClear, 0});
    for (int i = 1; i <= 2; ++i)
        all.push_back({Kind::OptionsSound, i});
    for (int i = 0; i <= 4; ++i)
        all.push_back({Kind::OptionsSpeed, i});
    for (int i = 1; i <= 2; ++i)
        all.push_back({Kind::OptionsCounter, i});
    for (int i = 0; i <= 2; ++i)
        all.push_back({Kind::OptionsPayout, i});
    for (Kind k : {Kind::OptionsOk, Kind::OptionsCloseBox, Kind::OptionsLargeScreen, Kind::OptionsOriginalScreen,
                   Kind::AboutClose, Kind::PaytableClose, Kind::CloseMain})
        all.push_back({k, 0});
    all.push_back({Kind::ScriptSpin, scriptArg(ScriptedSpin::Losing, 0)});
    all.push_back({Kind::ScriptSpin, scriptArg(ScriptedSpin::Winning, 0)});
    for (ScriptedSpin s : {ScriptedSpin::ThreeScatters, ScriptedSpin::FourScatters, ScriptedSpin::FiveScatters})
        for (int m = 0; m < static_cast<int>(kMultiplierNames.size()); ++m)
            all.push_back({Kind::ScriptSpin, scriptArg(s, m)});
    for (int card = 1; card <= 4; ++card) {
        all.push_back({Kind::ScriptCards, card});
        all.push_back({Kind::ScriptCards, card + kCardStreak});
    }
    for (int i = 0; i < static_cast<int>(kAutoplaySpinChoices.size()); ++i)
        all.push_back({Kind::AutoplayChoice, i});
    for (int i = 0; i < static_cast<int>(kAutoplayLossChoices.size()); ++i)
        all.push_back({Kind::AutoplayChoice, kAutoplayLossArg + i});
    for (int i = 0; i < static_cast<int>(kAutoplayWinChoices.size()); ++i)
        all.push_back({Kind::AutoplayChoice, kAutoplayWinArg + i});
    all.push_back({Kind::AutoplayChoice, kAutoplayBonusArg});
    all.push_back({Kind::AutoplayChoice, kAutoplayBonusArg + 1});
    all.push_back({Kind::AutoplayStart, 0});
    all.push_back({Kind::AutoplayCancel, 0});
    for (int e = 0; e < static_cast<int>(PlayEntry::Count); ++e)
        all.push_back({Kind::PlayMenu, e});
    for (int frames : kQuickStopFrames)
        all.push_back({Kind::QuickStop, frames});
    all.push_back({Kind::AutoplayKey, 0});
    all.push_back({Kind::RealityAnswer, 0});
    all.push_back({Kind::RealityAnswer, 1});
    all.push_back({Kind::Kill, 0});
    all.push_back({Kind::Kill, 1});
    return all;
}

} // namespace

const std::vector<std::string> &typedNames()
{
    // Empty, short, exactly at the limit, one past it, and names whose letters take two bytes.
    static const std::vector<std::string> names = {"", "Ann", "Twelve chars", "Thirteen char", "Zo\xC3\xAB \xC3\x98rsted",
                                                   "\xC3\x85\xC3\x85\xC3\x85\xC3\x85\xC3\x85\xC3\x85\xC3\x85\xC3\x85"
                                                   "\xC3\x85\xC3\x85\xC3\x85\xC3\x85\xC3\x85"};
    return names;
}

char keyOf(const Input &input) { return static_cast<char>(input.arg); }

const std::vector<Input> &alphabet()
{
    static const std::vector<Input> all = buildAlphabet();
    return all;
}

std::string label(const Input &input)
{
    const int a = input.arg;
    switch (input.kind) {
    case Kind::Press:
        if (a >= 0 && a < static_cast<int>(Control::Count))
            return std::string("press ") + kControlNames[static_cast<std::size_t>(a)];
        break;
    case Kind::Key:
        for (const KeyName &k : kKeyNames)
            if (k.key == static_cast<char>(a))
                return std::string("key ") + k.name;
        break;
    case Kind::OptionsProfile:
        return "options machine(" + std::to_string(a) + ")";
    case Kind::OptionsName:
        if (a >= 0 && a < static_cast<int>(typedNames().size()))
            return "options name " + quoted(typedNames()[static_cast<std::size_t>(a)]) + " Enter";
        break;
    case Kind::OptionsClear:
        return a == 1 ? "options Btndeletedetails, answered Yes" : "options Btndeletedetails, answered No";
    case Kind::OptionsSound:
        return "options sounds(" + std::to_string(a) + ")";
    case Kind::OptionsSpeed:
        return "options setspeed(" + std::to_string(a) + ")";
    case Kind::OptionsCounter:
        return "options wincounter(" + std::to_string(a) + ")";
    case Kind::OptionsPayout:
        return "options Amtpayout(" + std::to_string(a) + ")";
    case Kind::OptionsOk:
        return "options btnokplayer";
    case Kind::OptionsCloseBox:
        return "options close box";
    case Kind::OptionsLargeScreen:
        return "options cmdlargescreen";
    case Kind::OptionsOriginalScreen:
        return "options cmdorigonal";
    case Kind::AboutClose:
        return "about close";
    case Kind::PaytableClose:
        return "paytable close";
    case Kind::CloseMain:
        return "close the main window, start again";
    case Kind::Kill:
        return a == 1 ? "kill the program as its next save begins, start again" : "kill the program, start again";
    case Kind::ScriptSpin: {
        const ScriptedSpin s = scriptedSpinOf(a);
        if (s == ScriptedSpin::Losing || s == ScriptedSpin::Winning)
            return std::string("script ") + kSpinNames[static_cast<std::size_t>(s)];
        return std::string("script ") + kSpinNames[static_cast<std::size_t>(s)] + " " +
               kMultiplierNames[static_cast<std::size_t>(multiplierChoiceOf(a))];
    }
    case Kind::AutoplayChoice:
        if (a >= kAutoplayBonusArg)
            return a == kAutoplayBonusArg ? "autoplay window stop on free spins off"
                                          : "autoplay window stop on free spins on";
        if (a >= kAutoplayWinArg)
            return "autoplay window win limit " + limitName(kAutoplayWinChoices, a - kAutoplayWinArg, "none");
        if (a >= kAutoplayLossArg)
            return "autoplay window loss limit " + limitName(kAutoplayLossChoices, a - kAutoplayLossArg, "none");
        return "autoplay window spins " + limitName(kAutoplaySpinChoices, a, "until stopped");
    case Kind::AutoplayStart:
        return "autoplay window Start";
    case Kind::AutoplayCancel:
        return "autoplay window Cancel";
    case Kind::PlayMenu:
        if (a >= 0 && a < static_cast<int>(PlayEntry::Count))
            return std::string("menu Play ") + kPlayEntryNames[static_cast<std::size_t>(a)];
        break;
    case Kind::QuickStop:
        return "click on the reels " + std::to_string(a) + " frames into the next landing";
    case Kind::AutoplayKey:
        return "key Escape";
    case Kind::RealityAnswer:
        return a == 1 ? "script reality checks answered Stop" : "script reality checks answered Keep playing";
    case Kind::ScriptCards:
        if (a > kCardStreak)
            return "script cards " + std::to_string(a - kCardStreak) + " x" + std::to_string(kStreakLength);
        return "script card " + std::to_string(a);
    }
    return "input " + std::to_string(static_cast<int>(input.kind)) + "/" + std::to_string(a);
}

std::optional<Input> inputLabelled(const std::string &text)
{
    static const std::map<std::string, Input> byLabel = [] {
        std::map<std::string, Input> m;
        for (const Input &i : alphabet())
            m.emplace(label(i), i);
        return m;
    }();
    const auto it = byLabel.find(text);
    if (it == byLabel.end())
        return std::nullopt;
    return it->second;
}

std::string reproduction(const Settings &settings, const std::vector<Step> &steps, bool withMeters)
{
    const Journal journal = journalOf(settings, steps, withMeters);
    std::ostringstream out;
    out << "# melvane-explore reproduction; replay it with: melvane-explore --replay FILE\n";
    if (journal.failure) {
        const Failure &f = *journal.failure;
        out << "# fails check \"" << f.check << "\" at step " << f.step + 1 << ", " << seconds(f.at) << ", "
            << f.where << ":\n#   " << f.detail << "\n";
        if (!f.lastInput.empty())
            out << "#   last input: " << f.lastInput << "\n";
    } else {
        out << "# this list fails no check\n";
    }
    out << "# start:\n";
    std::istringstream start(settings.emptyStart ? std::string("an empty store") : describeStart(settings.seed));
    for (std::string line; std::getline(start, line);)
        out << "#   " << line << "\n";
    out << "seed " << settings.seed << "\n";
    if (settings.emptyStart)
        out << "start empty\n";
    for (const StoredValue &v : settings.stored)
        out << "store " << v.application << " " << v.section << " " << v.key << " " << v.value << "\n";
    for (const std::string &f : settings.filters)
        out << "filter " << f << "\n";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step &s = steps[i];
        std::string line = s.advance ? "advance " + std::to_string(s.ms)
                           : s.then  ? "then " + label(s.input)
                                     : "post +" + std::to_string(s.ms) + " " + label(s.input);
        if (line.size() < 48)
            line.resize(48, ' ');
        out << line << " # " << (i < journal.notes.size() ? journal.notes[i] : std::string()) << "\n";
    }
    return out.str();
}

std::optional<Reproduction> readReproduction(std::istream &in, std::string *error)
{
    Reproduction r;
    bool seeded = false;
    int lineNumber = 0;
    const auto refuse = [&](const std::string &why) -> std::optional<Reproduction> {
        if (error != nullptr)
            *error = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    const auto number = [](const std::string &text, auto &value) {
        const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        return ec == std::errc{} && ptr == text.data() + text.size();
    };
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (const auto hash = line.find(" #"); hash != std::string::npos)
            line.erase(hash);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const auto space = line.find(' ');
        const std::string word = line.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : line.substr(space + 1);
        if (word == "seed") {
            if (!number(rest, r.settings.seed))
                return refuse("not a seed: " + rest);
            seeded = true;
        } else if (word == "start" && rest == "empty") {
            r.settings.emptyStart = true;
        } else if (word == "store") {
            // store APPLICATION SECTION KEY VALUE, the value being the rest of the line
            std::istringstream words(rest);
            StoredValue v;
            if (!(words >> v.application >> v.section >> v.key))
                return refuse("a store line reads: store APPLICATION SECTION KEY VALUE");
            std::getline(words >> std::ws, v.value);
            r.settings.stored.push_back(v);
        } else if (word == "filter") {
            r.settings.filters.push_back(rest);
        } else if (word == "advance") {
            Step s;
            s.advance = true;
            if (!number(rest, s.ms) || s.ms < 0)
                return refuse("not a length of time: " + rest);
            r.steps.push_back(s);
        } else if (word == "then") {
            const auto input = inputLabelled(rest);
            if (!input)
                return refuse("no such input: " + rest);
            r.steps.push_back({false, 0, *input, true});
        } else if (word == "post") {
            const auto gap = rest.find(' ');
            if (rest.empty() || rest[0] != '+' || gap == std::string::npos)
                return refuse("a post reads: post +MS INPUT");
            Step s;
            if (!number(rest.substr(1, gap - 1), s.ms) || s.ms < 0)
                return refuse("not a delay: " + rest.substr(0, gap));
            const auto input = inputLabelled(rest.substr(gap + 1));
            if (!input)
                return refuse("no such input: " + rest.substr(gap + 1));
            s.input = *input;
            r.steps.push_back(s);
        } else {
            return refuse("unknown line: " + line);
        }
    }
    if (!seeded)
        return refuse("no seed");
    return r;
}

} // namespace melvane::explorer
