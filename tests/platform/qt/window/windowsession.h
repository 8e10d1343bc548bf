#pragma once

#include <deque>
#include <memory>
#include <random>

#include <QPushButton>
#include <QString>

#include "game/machine/melvane.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qthost.h"
#include "game/ports/settingsstore.h"

namespace melvane::window_testing {

// The real main window and host, with the random draws scripted so a test chooses the stops.
struct WindowSession {
    InMemorySettingsStore store;
    std::deque<double> draws;
    std::mt19937_64 unscripted{7}; // draws nobody scripted
    QtHost host{store, [this] { return nextDraw(); }};
    Melvane m{host};
    Pictures pictures;
    MainWindow window{m, host, pictures};

    // The game started on `stored`: another run of the game on what an earlier one left.
    explicit WindowSession(InMemorySettingsStore stored = {});
    double nextDraw();
    // The next draw of 1..n gives k.
    void queueDraw(int n, int k) { draws.push_back((k - 0.5) / n); }
    void queueSpin(const Stops &stops, int payoutDraw = 1, int multiplierDraw = 0);
    QPushButton *button(const char *name) const;
    QString text(const char *labelName) const;
    void click(const char *buttonName) const;
};

} // namespace melvane::window_testing
