#pragma once

#include <functional>
#include <vector>

#include "game/ports/journal.h"

namespace melvane {

class Melvane;
class Button;

// A side window opened from a menu entry of the main window, without a window: whether it is
// open, what opening it refuses and plays. Creating it hooks it to its menu entry; the window
// layer shows the window while it is open and calls close() for its button, Escape and the
// close box.
class MenuWindow {
public:
    MenuWindow(Melvane &m, Button &entry);
    virtual ~MenuWindow();
    MenuWindow(const MenuWindow &) = delete;
    MenuWindow &operator=(const MenuWindow &) = delete;

    // The menu entry's click: refused silently during a free-spin round or while open;
    // otherwise plays the click and opens.
    void open();
    // Never refused.
    void close();
    bool isOpen() const { return open_; }

    // Called after every open and close, so the window layer shows what changed.
    std::function<void()> onChange;

protected:
    // Whether the window refuses to open now, beyond a free-spin round.
    virtual bool refuses() const { return false; }
    // What opening does beyond the click, before the window is shown.
    virtual void opening() {}
    Melvane &m_;

private:
    void changed();

    Button &entry_;
    bool open_ = false;
};

// The about window `aboutmelvane`.
class AboutWindow : public MenuWindow {
public:
    explicit AboutWindow(Melvane &m);
};

// The last-game recall: the current player's latest games from the journal, newest first, one
// of them shown step by step. It opens only while the machine is idle.
class HistoryWindow : public MenuWindow {
public:
    // The most games the list shows.
    static constexpr int kGamesListed = 100;

    explicit HistoryWindow(Melvane &m);

    // The games read when the window opened, newest first, and the one shown (-1: none).
    std::vector<JournalGame> games;
    int chosen = -1;
    // Shows game `index` of the list; an index outside it shows none.
    void choose(int index);

protected:
    bool refuses() const override;
    void opening() override;
};

// The pay-table window `melvanepays`: opening it also hides the short-credit panel.
class PaytableWindow : public MenuWindow {
public:
    explicit PaytableWindow(Melvane &m);

protected:
    void opening() override;
};

} // namespace melvane
