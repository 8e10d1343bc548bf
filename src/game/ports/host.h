#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/machine/wording.h"
#include "game/ports/clips.h"

namespace melvane {

class Timer;
class SettingsStore;

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageBoxRequest {
    MessageBoxRequest() = default;
    MessageBoxRequest(Wording title_, Wording text_, MessageIcon icon_ = MessageIcon::Information,
                      MessageButtons buttons_ = MessageButtons::Ok, MessageAnswer defaultAnswer_ = MessageAnswer::Ok)
        : title(title_.english()), text(text_.english()), icon(icon_), buttons(buttons_),
          defaultAnswer(defaultAnswer_), titleWording(std::move(title_)), textWording(std::move(text_))
    {
    }

    // The English; the wordings below are the same texts kept as their parts.
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
    // Yes and No under other words ("Keep playing", "Stop"); empty keeps the platform's own.
    std::string yesText;
    std::string noText;
    Wording titleWording;
    Wording textWording;
};

enum class MousePointer { Default, Busy };

// Everything the game core needs from the outside world. The core never reaches a window,
// a clock, a generator, the sound device or the settings store any other way.
class Host {
public:
    virtual ~Host() = default;

    // Runs what is pending now (timer ticks that are due, clicks, repaints): the game's yield.
    virtual void processEvents() = 0;
    // Keeps processing events until the monotonic clock reaches `deadlineMs`.
    virtual void processEventsUntil(std::int64_t deadlineMs) = 0;
    // Shows the moved reels, then pauses the game for `ms`: no input and no tick reaches it
    // meanwhile (they come after the pause), though the window stays alive.
    virtual void sleep(int ms) = 0;
    // While the reels land and the player may cut the landing short, `stop` is set: sleep()
    // then hands it the player's stop (a click on the reels or the space bar) and holds all
    // other input back as before. Empty: nothing may stop the reels.
    virtual void setQuickStop(std::function<void()> stop) = 0;
    // Milliseconds on a clock that never goes back and never wraps at midnight.
    virtual std::int64_t monotonicMs() = 0;

    // A uniform draw in [0, 1) from one well-seeded generator.
    virtual double uniform() = 0;

    // Starts a clip from memory and returns at once; it cuts off any clip playing.
    virtual void playClip(Clip clip, bool looped) = 0;
    virtual void stopClips() = 0;

    virtual MessageAnswer showMessage(const MessageBoxRequest &request) = 0;
    virtual SettingsStore &settings() = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;

    // A timer of the game changed its enabled state; the host schedules its ticks.
    virtual void timerChanged(Timer &timer) = 0;

    // Horizontal pixels per logical inch of the screen.
    virtual int screenLogicalDpi() = 0;
    // Loads the 25 clips into memory; a clip that cannot be loaded stays silent.
    virtual void loadClips() = 0;
    // Switches the screen to 800 x 600, remembering the mode in force; false if it could not.
    virtual bool changeDisplayMode() = 0;
    // Returns the screen to the mode that was in force before the game changed it.
    virtual void restoreDisplayMode() = 0;
    // Claims the settings for this run, before anything of them is read: false when another
    // running copy of the game holds them (the host has told the player), and the game ends.
    virtual bool claimSettings() { return true; }
};

} // namespace melvane
