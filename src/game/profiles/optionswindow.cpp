// The options window: profiles, reel speed, sound, win counter, payout and screen size.
#include "game/profiles/optionswindow.h"

#include <array>
#include <cstdint>

#include "game/machine/melvane.h"
#include "game/profiles/profiles.h"
#include "game/profiles/statistics.h"
#include "rules/grid.h"
#include "rules/payoutcontrol.h"

namespace melvane {

namespace {

constexpr const char *kCaption = GameText::tr("Melvane Options");
constexpr const char *kPlayerNamePrompt = GameText::tr("Input Player Name                                  Then Enter");
constexpr const char *kFasterSlower = GameText::tr("<<<Faster                       Slower>>>");
constexpr const char *kSpeedLabel = GameText::tr("Current Speed =   %1");
constexpr const char *kScreenNote = GameText::tr("Note :- Some machines \r\nmay not support this \r\noption.\r\n");
constexpr const char *kAlready800x600 = GameText::tr("Already 800 X 600 resolution !!\r");
constexpr const char *kScreenTitle = GameText::tr("Slot_Melvane");

// `reelspeed` of each speed option, slowest last.
constexpr std::array<std::int16_t, 5> kSpeeds = {1, 2, 4, 8, 10};

constexpr int kEnterKey = 13;

// Design geometry in twips: six profile buttons in a column and the statistics beside them.
constexpr int kRowTop = 1200;
constexpr int kRowStep = 360;
constexpr int kRowHeight = 315;

Geometry row(int left, int width, int index) { return {left, kRowTop + kRowStep * index, width, kRowHeight}; }

} // namespace

OptionsWindow::OptionsWindow(Melvane &m)
    : window("frmmelvaneoptions", kCaption), Framemain("Framemain", kCaption), player1("player1"),
      lblplayername("lblplayername", kPlayerNamePrompt), lblcurrentplayer("lblcurrentplayer", "", row(2520, 3600, -1)),
      lblgames("lblgames", "", row(2520, 3600, 0)), lblwager("lblwager", "", row(2520, 3600, 1)),
      lbltotalwon("lbltotalwon", "", row(2520, 3600, 2)), lblwinlose("lblwinlose", "", row(2520, 3600, 3)),
      lblreturned("lblreturned", "", row(2520, 3600, 4)), lblinvested("lblinvested", "", row(2520, 3600, 5)),
      lblfreespins("lblfreespins", "", row(2520, 3600, 6)), fastslow("fastslow", kFasterSlower),
      speedlab("speedlab"), btnokplayer("btnokplayer", GameText::tr("O.K. Close and save changes")),
      Btndeletedetails("Btndeletedetails", GameText::tr("Delete Current Player")),
      cmdlargescreen("cmdlargescreen", GameText::tr("Large Size 800X600")), cmdorigonal("cmdorigonal", GameText::tr("Origonal Screen Size")),
      Text1("Text1", kScreenNote), m_(m)
{
    window.hide();
    // These groups count from 1; their slot 0 is no button at all.
    for (OptionButton *unused : {&machine[0], &sounds[0], &wincounter[0]}) {
        unused->setEnabled(false);
        unused->hide();
    }
    for (int n = 1; n <= kProfiles; ++n) {
        OptionButton &b = machine[static_cast<std::size_t>(n)];
        b = OptionButton("machine(" + std::to_string(n) + ")", "", row(240, 2040, n - 1));
        b.setAction([this, n] { selectProfile(m_, *this, n); });
    }
    for (int i = 1; i <= 2; ++i) {
        OptionButton &s = sounds[static_cast<std::size_t>(i)];
        s = OptionButton("sounds(" + std::to_string(i) + ")", i == 1 ? GameText::tr(" ON") : GameText::tr(" OFF"));
        s.setAction([this, i] { soundsClick(i); });
        OptionButton &w = wincounter[static_cast<std::size_t>(i)];
        w = OptionButton("wincounter(" + std::to_string(i) + ")");
        w.setAction([this, i] { wincounterClick(i); });
    }
    for (int i = 0; i < static_cast<int>(kSpeeds.size()); ++i) {
        OptionButton &s = setspeed[static_cast<std::size_t>(i)];
        s = OptionButton("setspeed(" + std::to_string(i) + ")", std::to_string(i + 1));
        s.setAction([this, i] { setspeedClick(i); });
    }
    for (int i = 0; i < static_cast<int>(kPayoutSettings.size()); ++i) {
        OptionButton &p = Amtpayout[static_cast<std::size_t>(i)];
        p = OptionButton("Amtpayout(" + std::to_string(i) + ")",
                         std::string(kPayoutSettingNames[static_cast<std::size_t>(i)]));
        p.setAction([this, i] { amtpayoutClick(i); });
    }
    btnokplayer.setAction([this] { btnokplayerClick(); });
    Btndeletedetails.setAction([this] { clearDetails(m_, *this); });
    cmdlargescreen.setAction([this] { cmdlargescreenClick(); });
    cmdorigonal.setAction([this] { cmdorigonalClick(); });
    m_.mnuplayer.setAction([this] { open(); });
}

OptionsWindow::~OptionsWindow() { m_.mnuplayer.setAction({}); }

// Opens the window over a disabled main window; silently refused during a bonus or a gamble.
void OptionsWindow::open()
{
    // The main window takes no input while the options are open, so no second opening.
    if (isOpen())
        return;
    // Nor in the middle of a spin or a collect: a change of player then would take the charge or
    // the win of one player into another's books.
    if (m_.freespins > 0 || m_.pandouble.visible() || m_.spinRunning() || m_.busy())
        return;
    m_.sound(Clip::Click);
    // A gamble offered on the last win is withdrawn: the win may belong to another player.
    m_.doublebutton.setEnabled(false);
    mainWindowEnabled = false;
    loadWindow();
    Geometry at = window.geometry();
    at.left = 0;
    at.top = 0;
    window.setGeometry(at);
    window.show();
    ++m_.sideWindowsOpen;
    m_.host().processEvents();
}

// The window is created afresh on every opening; the profile is saved before anything changes.
void OptionsWindow::loadWindow()
{
    resetControls();
    m_.sound(Clip::Click);
    saveprofile(m_);
    for (int n = 1; n <= kProfiles; ++n)
        machine[static_cast<std::size_t>(n)].setCaption(profileButtonCaption(storedName(m_, n)));
    // Reloads the profile just written, which fills the labels and the speed and counter options.
    if (const int n = profileNumber(m_.g.playernumber); n != 0)
        machine.select(static_cast<std::size_t>(n));
    selectWinCounterAndSpeed();
    if (const int button = buttonFor(kPayoutSettings, m_.g.machinepay); button > 0)
        Amtpayout.select(static_cast<std::size_t>(button - 1));
    if (m_.g.soundonoff == -1)
        sounds.select(1);
    else if (m_.g.soundonoff == 0)
        sounds.select(2);
    showStatistics(*this, m_.g, StatisticsOccasion::Opening);
}

// The controls as a freshly created window shows them.
void OptionsWindow::resetControls()
{
    machine.clearSelection();
    sounds.clearSelection();
    setspeed.clearSelection();
    wincounter.clearSelection();
    Amtpayout.clearSelection();
    for (int n = 1; n <= kProfiles; ++n)
        machine[static_cast<std::size_t>(n)].setCaption("");
    wincounter[1].setCaption("");
    wincounter[2].setCaption("");
    player1.setCaption("");
    speedlab.setCaption("");
    for (Label *l : {&lblcurrentplayer, &lblgames, &lblwager, &lbltotalwon, &lblwinlose, &lblreturned, &lblinvested,
                     &lblfreespins})
        l->setCaption("");
}

void OptionsWindow::selectWinCounterAndSpeed()
{
    if (m_.g.winroll == 1) {
        wincounter[1].setCaption(GameText::tr(" ON "));
        wincounter.select(1);
    } else {
        wincounter[2].setCaption(GameText::tr(" OFF"));
        wincounter.select(2);
    }
    for (std::size_t i = 0; i < kSpeeds.size(); ++i) {
        if (m_.g.reelspeed == kSpeeds[i]) {
            setspeed.select(i);
            return;
        }
    }
    // A speed the options do not offer: none of them may look chosen.
    setspeed.clearSelection();
}

void OptionsWindow::hideFlashers()
{
    for (int c = 1; c <= kCells; ++c)
        m_.flasher[static_cast<std::size_t>(c)].hide();
}

// Saves and gives the main window back; never refused. The steps repeat on purpose: every way
// of closing ends with the main window usable and a reel speed the reels can run at.
void OptionsWindow::close()
{
    if (!isOpen())
        return;
    m_.sound(Clip::Click);
    mainWindowEnabled = true;
    hideFlashers();
    m_.doublebutton.setEnabled(false);
    if (m_.g.reelspeed == 0)
        m_.g.reelspeed = 1;
    saveAndGiveBack();
    window.hide();
    --m_.sideWindowsOpen;
}

void OptionsWindow::saveAndGiveBack()
{
    saveprofile(m_);
    player1.setCaption("");
    mainWindowEnabled = true;
    hideFlashers();
    if (m_.g.reelspeed == 0)
        m_.g.reelspeed = 1;
}

// "O.K.": saves, then closes, which saves once more.
void OptionsWindow::btnokplayerClick()
{
    m_.sound(Clip::Click);
    saveAndGiveBack();
    close();
}

int OptionsWindow::player1KeyPress(int key)
{
    if (key != kEnterKey)
        return key;
    nameProfile(m_, *this);
    return 0;
}

void OptionsWindow::setspeedClick(int i)
{
    if (i < 0 || i >= static_cast<int>(kSpeeds.size()))
        return;
    m_.g.reelspeed = kSpeeds[static_cast<std::size_t>(i)];
    speedlab.setCaption(Wording(kSpeedLabel, {Wording::number(i + 1)}));
}

void OptionsWindow::soundsClick(int i)
{
    if (i == 1)
        m_.g.soundonoff = -1;
    else if (i == 2)
        m_.g.soundonoff = 0;
}

void OptionsWindow::wincounterClick(int i)
{
    if (i == 1) {
        m_.g.winroll = 1;
        wincounter[1].setCaption(GameText::tr(" ON"));
        wincounter[2].setCaption("");
    } else if (i == 2) {
        m_.g.winroll = 0;
        wincounter[2].setCaption(GameText::tr(" OFF"));
        wincounter[1].setCaption("");
    }
}

void OptionsWindow::amtpayoutClick(int i)
{
    if (i >= 0 && i < static_cast<int>(kPayoutSettings.size()))
        m_.g.machinepay = static_cast<std::int16_t>(kPayoutSettings[static_cast<std::size_t>(i)]);
}

// "Large Size 800X600": switches the screen unless it is 800 wide or 600 high already.
void OptionsWindow::cmdlargescreenClick()
{
    const ScreenSize screen = screenPixels ? screenPixels() : ScreenSize{};
    if (screen.width == 800 || screen.height == 600) {
        m_.host().showMessage({kScreenTitle, kAlready800x600, MessageIcon::Information});
        close();
        return;
    }
    // A refused change is not reported; the main window moves all the same.
    m_.host().changeDisplayMode();
    ++mainWindowMovesToTopLeft;
    close();
}

// "Origonal Screen Size": back to the mode in force before, even when nothing changed.
void OptionsWindow::cmdorigonalClick()
{
    m_.host().restoreDisplayMode();
    ++mainWindowMovesToTopLeft;
    close();
}

} // namespace melvane
