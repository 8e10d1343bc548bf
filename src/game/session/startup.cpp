// Start-up and shutdown of the main window.
#include <array>
#include <optional>
#include <utility>

#include "game/machine/melvane.h"
#include "game/ports/settingsstore.h"
#include "game/profiles/profiles.h"

namespace melvane {

namespace {

constexpr int kSmallFontsDpi = 96;
constexpr const char *kSaveFailedTitle = GameText::tr("Slots Melvane");

constexpr const char *kLargeFontsTitle = GameText::tr("               LARGE FONTS BEING USED !!!");
// One text, its lines ended by the carriage returns the message box breaks them at.
constexpr const char *kLargeFontsText =
    GameText::tr("You are still using Large Fonts!!,This Game Will Not Run Correctly.\r"
                 "There is no facility in this software to change them.\r"
                 "To Change Manually :-\r"
                 "Right Click On DeskTop\r"
                 "Select Properties\r"
                 "Select Settings\r"
                 "Click Advanced Button\r"
                 "Select SMALL Fonts (or 96 DPI)\r"
                 "A Re-Boot Is Then Required\r"
                 "\r"
                 "To Change Back After Do The Reverse :-\r");
constexpr const char *kSaveFailedAt =
    GameText::tr("Player %1's profile could not be saved to %2. The disk may be full or the folder read-only.\n\n"
                 "Paid spins wait until the profile can be saved again: the game tries at every step and at every "
                 "press of a bet button. What was saved before is kept.");
constexpr const char *kSaveFailed =
    GameText::tr("Player %1's profile could not be saved. The disk may be full or the folder read-only.\n\n"
                 "Paid spins wait until the profile can be saved again: the game tries at every step and at every "
                 "press of a bet button. What was saved before is kept.");

// Measures the screen into `screendpi`; true when it runs at the 96 dots per inch the
// windows are laid out for.
bool IsScreenFontSmall(Melvane &m)
{
    m.g.screendpi = m.host().screenLogicalDpi();
    return m.g.screendpi == kSmallFontsDpi;
}

} // namespace

// Checks the screen, loads the clips and the start-up player's profile; false when the program
// must end at once because the screen does not run at 96 dots per inch.
bool Melvane::load()
{
    if (!IsScreenFontSmall(*this)) {
        // Nothing is read or saved: the game ends before it has a player.
        host_.showMessage({kLargeFontsTitle, kLargeFontsText, MessageIcon::Information});
        return false;
    }
    // One copy of the game to a settings folder: two would overwrite each other's saves.
    if (!host_.claimSettings())
        return false;
    if (journal != nullptr)
        journal->open();
    for (int n = 1; n <= kProfiles; ++n)
        bringProfileUpToJournal(*this, n);
    host_.loadClips();
    coinbet = 1;
    waysmult = 25;
    const std::optional<StoredRound> round = loadStartupProfile(*this);
    // Every profile holds money that cannot be read: none can be played, none is touched.
    if (profileNumber(g.playernumber) == 0)
        return false;
    setWindowCaption(Wording(kMainCaption, {Wording::verbatim(g.currentplayer)}));
    showBank();
    host_.setMousePointer(MousePointer::Default);
    // A first run has chosen neither: the strictest payout and the fastest reels.
    if (g.machinepay == 0)
        g.machinepay = 5;
    if (g.reelspeed < 1)
        g.reelspeed = 1;
    sound(Clip::StartUp);
    focus = "play(1)";
    if (round)
        resumeRound(*round);
    // The session starts with the machine: its clock, and its count from these meters on.
    playOptions = readPlayOptions(host_.settings());
    session.start(host_.monotonicMs(), sessionMeters());
    scheduleRealityCheck();
    showSessionLine();
    tmrsession.start();
    journalAdjustment();
    nameJournalStep(*this);
    return true;
}

// The close box and "&Exit" alike: saves the current player's profile and returns the screen
// to its own mode, once the machine has finished what it was doing; the window layer ends the
// program.
void Melvane::shutdown()
{
    if (closeRequested_)
        return;
    closeRequested_ = true;
    if (busyDepth_ == 0)
        finishShutdown();
}

void Melvane::finishShutdown()
{
    if (closed_)
        return;
    // A win still at risk in the gamble goes back to the credit, as a collect would take it:
    // closing the window must not throw it away.
    if (pandouble.visible())
        cancelbetClick();
    sound(Clip::Click);
    saveprofile(*this);
    closed_ = true;
    tmrsession.stop();
    host_.restoreDisplayMode();
}

Melvane::Busy::~Busy()
{
    if (--m_.busyDepth_ == 0 && m_.closeRequested_)
        m_.finishShutdown();
}

// The same save as at shutdown, in the same format, flushed once. It is made only where nothing
// is on its way between the meters (no spin half charged, no bonus total waiting to be
// collected, no win at risk in the gamble), so a program killed at any moment leaves the
// profile as the player last saw a game end.
void Melvane::saveSettled()
{
    if (!closed_)
        saveprofile(*this);
}

void Melvane::noteSave(bool written)
{
    saveFailing_ = !written;
    if (written) {
        saveFailureTold_ = false;
        return;
    }
    // Once for each run of failures: a round or autoplay would otherwise ask at every step.
    if (std::exchange(saveFailureTold_, true))
        return;
    tellSaveFailure();
}

void Melvane::tellSaveFailure()
{
    const std::string where = host_.settings().location();
    ++messagesOpen_;
    const Wording player = Wording::verbatim(g.playernumber);
    host_.showMessage({kSaveFailedTitle,
                       where.empty() ? Wording(kSaveFailed, {player})
                                     : Wording(kSaveFailedAt, {player, Wording::verbatim(where)}),
                       MessageIcon::Critical});
    --messagesOpen_;
}

bool Melvane::retrySave()
{
    if (saveFailing_ && !closed_)
        saveprofile(*this);
    return !saveFailing_;
}

} // namespace melvane
