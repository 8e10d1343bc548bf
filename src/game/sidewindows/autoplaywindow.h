#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/play/autoplaylimits.h"

namespace melvane {

class Melvane;

// The autoplay window, without a window: it opens when autoplay is switched on (after the
// one-time notice), offers the limits, and starts autoplay with them or leaves it off. Creating
// it hooks it to the machine; without one autoplay starts at once, as designed. The window layer
// shows the window while it is open.
class AutoplayWindow {
public:
    explicit AutoplayWindow(Melvane &m);
    ~AutoplayWindow();
    AutoplayWindow(const AutoplayWindow &) = delete;
    AutoplayWindow &operator=(const AutoplayWindow &) = delete;

    bool isOpen() const { return open_; }
    // The choice on show: the current player's last one when the window opened.
    AutoplayLimits choice;
    // A value outside the lists above is ignored.
    void chooseSpins(int spins);
    void chooseLossLimit(std::int32_t coins);
    void chooseWinLimit(std::int32_t coins);
    void chooseStopOnBonus(bool on);

    // "Start": remembers the choice for the player and switches autoplay on with it.
    void start();
    // "Cancel", Escape or the close box: autoplay stays off.
    void cancel();

    // Called after every change, so the window layer shows it.
    std::function<void()> onChange;

private:
    void open();
    void changed();

    Melvane &m_;
    bool open_ = false;
};

} // namespace melvane
