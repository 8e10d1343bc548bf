// The autoplay limits a player chose, stored with the player's profile.
#include "game/play/autoplaylimits.h"

#include "game/ports/settingsstore.h"
#include "game/profiles/profiles.h"
#include "game/profiles/storedvalue.h"

namespace melvane {

namespace {

// Stored with the player's profile, beside its designed keys.
struct LimitKeys {
    const char *spins = "autoplayspins";
    const char *lossLimit = "autoplaylosslimit";
    const char *winLimit = "autoplaywinlimit";
    const char *stopOnBonus = "autoplaystoponbonus";
};
constexpr LimitKeys kKeys;

// Takes a stored value only when it is one the window offers.
template <typename T>
void readChoice(T &target, const std::vector<T> &choices, const std::optional<std::string> &text)
{
    T value{};
    if (readStored(value, text) && isOffered(choices, value))
        target = value;
}

} // namespace

AutoplayLimits readAutoplayLimits(const SettingsStore &store, int n)
{
    AutoplayLimits limits;
    const std::string section = profileSection(n);
    const auto text = [&](const char *key) { return store.value(kProfileApplication, section, key); };
    readChoice(limits.spins, kAutoplaySpinChoices, text(kKeys.spins));
    readChoice(limits.lossLimit, kAutoplayLossChoices, text(kKeys.lossLimit));
    readChoice(limits.winLimit, kAutoplayWinChoices, text(kKeys.winLimit));
    readStoredSwitch(limits.stopOnBonus, text(kKeys.stopOnBonus));
    return limits;
}

void writeAutoplayLimits(SettingsStore &store, int n, const AutoplayLimits &limits)
{
    const std::string section = profileSection(n);
    const auto put = [&](const char *key, const std::string &value) {
        store.setValue(kProfileApplication, section, key, value);
    };
    put(kKeys.spins, std::to_string(limits.spins));
    put(kKeys.lossLimit, std::to_string(limits.lossLimit));
    put(kKeys.winLimit, std::to_string(limits.winLimit));
    put(kKeys.stopOnBonus, storedSwitchText(limits.stopOnBonus));
    store.flush();
}

Wording autoplayStopText(const AutoplayLimits &limits, AutoplayStop reason)
{
    switch (reason) {
    case AutoplayStop::Spins:
        return {GameText::tr("Autoplay stopped: %1 spins played"), {Wording::number(limits.spins)}};
    case AutoplayStop::LossLimit:
        return {GameText::tr("Autoplay stopped: credit down more than %1 coins"), {Wording::number(limits.lossLimit)}};
    case AutoplayStop::WinLimit:
        return {GameText::tr("Autoplay stopped: a win of %1 coins or more"), {Wording::number(limits.winLimit)}};
    case AutoplayStop::Bonus:
        return GameText::tr("Autoplay stopped: free spins played");
    case AutoplayStop::Key:
        return GameText::tr("Autoplay stopped as asked");
    case AutoplayStop::RealityCheck:
        return GameText::tr("Autoplay stopped at the reality check");
    case AutoplayStop::None:
        break;
    }
    return Wording::verbatim({});
}

} // namespace melvane
