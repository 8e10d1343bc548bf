#include "game/sidewindows/autoplaywindow.h"

#include <algorithm>

#include "game/machine/melvane.h"
#include "game/ports/settingsstore.h"
#include "game/profiles/profiles.h"
#include "game/profiles/storedvalue.h"

namespace melvane {

namespace {

// Stored with the player's profile, beside its designed keys.
constexpr const char *kSpinsKey = "autoplayspins";
constexpr const char *kLossLimitKey = "autoplaylosslimit";
constexpr const char *kWinLimitKey = "autoplaywinlimit";
constexpr const char *kStopOnBonusKey = "autoplaystoponbonus";

template <typename T>
bool offered(const std::vector<T> &choices, T value)
{
    return std::find(choices.begin(), choices.end(), value) != choices.end();
}

// Takes a stored value only when it is one the window offers.
template <typename T>
void readChoice(T &target, const std::vector<T> &choices, const std::optional<std::string> &text)
{
    T value{};
    if (readStored(value, text) && offered(choices, value))
        target = value;
}

} // namespace

AutoplayLimits readAutoplayLimits(const SettingsStore &store, int n)
{
    AutoplayLimits limits;
    const std::string section = profileSection(n);
    const auto text = [&](const char *key) { return store.value(kProfileApplication, section, key); };
    readChoice(limits.spins, kAutoplaySpinChoices, text(kSpinsKey));
    readChoice(limits.lossLimit, kAutoplayLossChoices, text(kLossLimitKey));
    readChoice(limits.winLimit, kAutoplayWinChoices, text(kWinLimitKey));
    readStoredSwitch(limits.stopOnBonus, text(kStopOnBonusKey));
    return limits;
}

void writeAutoplayLimits(SettingsStore &store, int n, const AutoplayLimits &limits)
{
    const std::string section = profileSection(n);
    const auto put = [&](const char *key, const std::string &value) {
        store.setValue(kProfileApplication, section, key, value);
    };
    put(kSpinsKey, std::to_string(limits.spins));
    put(kLossLimitKey, std::to_string(limits.lossLimit));
    put(kWinLimitKey, std::to_string(limits.winLimit));
    put(kStopOnBonusKey, storedSwitchText(limits.stopOnBonus));
    store.flush();
}

std::string autoplayStopText(const AutoplayLimits &limits, AutoplayStop reason)
{
    switch (reason) {
    case AutoplayStop::Spins:
        return "Autoplay stopped: " + std::to_string(limits.spins) + " spins played";
    case AutoplayStop::LossLimit:
        return "Autoplay stopped: credit down more than " + std::to_string(limits.lossLimit) + " coins";
    case AutoplayStop::WinLimit:
        return "Autoplay stopped: a win of " + std::to_string(limits.winLimit) + " coins or more";
    case AutoplayStop::Bonus:
        return "Autoplay stopped: free spins played";
    case AutoplayStop::Key:
        return "Autoplay stopped as asked";
    case AutoplayStop::RealityCheck:
        return "Autoplay stopped at the reality check";
    case AutoplayStop::None:
        break;
    }
    return {};
}

AutoplayWindow::AutoplayWindow(Melvane &m) : m_(m)
{
    m_.onAutoplayChoice = [this] { open(); };
}

AutoplayWindow::~AutoplayWindow() { m_.onAutoplayChoice = nullptr; }

void AutoplayWindow::open()
{
    if (open_)
        return;
    choice = m_.autoplayLimits;
    open_ = true;
    ++m_.sideWindowsOpen;
    changed();
}

void AutoplayWindow::chooseSpins(int spins)
{
    if (offered(kAutoplaySpinChoices, spins))
        choice.spins = spins;
    changed();
}

void AutoplayWindow::chooseLossLimit(std::int32_t coins)
{
    if (offered(kAutoplayLossChoices, coins))
        choice.lossLimit = coins;
    changed();
}

void AutoplayWindow::chooseWinLimit(std::int32_t coins)
{
    if (offered(kAutoplayWinChoices, coins))
        choice.winLimit = coins;
    changed();
}

void AutoplayWindow::chooseStopOnBonus(bool on)
{
    choice.stopOnBonus = on;
    changed();
}

void AutoplayWindow::start()
{
    if (!open_)
        return;
    open_ = false;
    --m_.sideWindowsOpen;
    m_.autoplayLimits = choice;
    if (const int n = profileNumber(m_.g.playernumber); n != 0)
        writeAutoplayLimits(m_.host().settings(), n, choice);
    changed();
    m_.startAutoplay(choice);
}

void AutoplayWindow::cancel()
{
    if (!open_)
        return;
    open_ = false;
    --m_.sideWindowsOpen;
    changed();
}

void AutoplayWindow::changed()
{
    if (onChange)
        onChange();
}

} // namespace melvane
