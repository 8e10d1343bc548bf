#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "game/machine/controls.h"

namespace melvane {

class Melvane;

// An option button: one of a group of which at most one is selected.
class OptionButton : public Control {
public:
    using Control::Control;
    bool selected() const { return selected_; }
    void setSelected(bool s) { change(selected_, s); }
    void setAction(std::function<void()> action) { action_ = std::move(action); }
    void runAction()
    {
        if (action_)
            action_();
    }

private:
    bool selected_ = false;
    std::function<void()> action_;
};

// The option buttons of one frame, by the indices the window gives them; slots below the
// first index stay unused and are never selected.
template <std::size_t N>
class OptionGroup {
public:
    OptionButton &operator[](std::size_t i) { return buttons_.at(i); }
    const OptionButton &operator[](std::size_t i) const { return buttons_.at(i); }

    // A click, or a selection from code: marks `i` as the group's only selected option and
    // runs its click action, even when it was selected already. A disabled option ignores it.
    void select(std::size_t i)
    {
        if (!buttons_.at(i).enabled())
            return;
        for (std::size_t j = 0; j < N; ++j)
            buttons_[j].setSelected(j == i);
        buttons_[i].runAction();
    }
    void clearSelection()
    {
        for (OptionButton &b : buttons_)
            b.setSelected(false);
    }
    int selectedCount() const
    {
        int n = 0;
        for (const OptionButton &b : buttons_)
            n += b.selected() ? 1 : 0;
        return n;
    }

private:
    std::array<OptionButton, N> buttons_;
};

struct ScreenSize {
    int width = 0; // pixels
    int height = 0;
};

// The options window `frmmelvaneoptions` without a window: every control its logic drives and
// its handlers. Creating it hooks it to the main window's "&Options" menu entry; the window
// layer shows the controls, forwards clicks and keys, and calls close() when the player
// closes the window by its close box.
class OptionsWindow {
public:
    explicit OptionsWindow(Melvane &m);
    ~OptionsWindow();
    OptionsWindow(const OptionsWindow &) = delete;
    OptionsWindow &operator=(const OptionsWindow &) = delete;

    // ---- what the window does to the main window beyond Melvane's own controls
    // The main window takes input only while this holds; false while the options are open.
    bool mainWindowEnabled = true;
    // How often the main window was asked to move to the top-left corner of the screen.
    int mainWindowMovesToTopLeft = 0;
    // The screen's size in pixels; the window layer supplies it (unset: unknown, 0 x 0).
    std::function<ScreenSize()> screenPixels;

    // ---- the window and its controls; `window` is visible exactly while it is open
    Control window;
    Control Framemain;
    OptionGroup<7> machine;    // 1..6
    Control player1;           // the name box; its caption is the text typed
    Label lblplayername;
    Label lblcurrentplayer, lblgames, lblwager, lbltotalwon, lblwinlose, lblreturned, lblinvested, lblfreespins;
    OptionGroup<3> sounds;     // 1 " ON", 2 " OFF"
    OptionGroup<5> setspeed;   // 0..4
    Label fastslow, speedlab;
    OptionGroup<3> wincounter; // 1, 2
    OptionGroup<3> Amtpayout;  // 0..2
    Button btnokplayer, Btndeletedetails;
    Button cmdlargescreen, cmdorigonal;
    Control Text1;

    bool isOpen() const { return window.visible(); }

    // "&Options" in the main window: opens the window unless a bonus or a gamble is running.
    void open();
    // The window closes, by any means: saves the profile and gives the main window back.
    void close();
    // "O.K. Close and save changes".
    void btnokplayerClick();
    // A key typed into the name box; returns the key passed on to the box, 0 when consumed.
    int player1KeyPress(int key);
    // Speed option i (0..4): reel speed 1, 2, 4, 8 or 10, shown as "Current Speed =   " i + 1.
    void setspeedClick(int i);
    // Sound option 1 switches every clip on, 2 off.
    void soundsClick(int i);
    // Win-counter option 1 lets wins count up, 2 shows them at once; only the chosen one is labelled.
    void wincounterClick(int i);
    // Payout option 0..2: a big win stands one time in 5, 3 or 2.
    void amtpayoutClick(int i);
    // "Large Size 800X600": switches the screen to 800 x 600 unless it is there already; closes.
    void cmdlargescreenClick();
    // "Origonal Screen Size": returns the screen to its own mode; closes.
    void cmdorigonalClick();

    // Selects the win-counter and speed options that match the profile in use.
    void selectWinCounterAndSpeed();

private:
    void loadWindow();
    void resetControls();
    void hideFlashers();
    // Saves the profile and gives the main window back with a reel speed the reels can run at.
    void saveAndGiveBack();

    Melvane &m_;
};

} // namespace melvane
