#pragma once

#include <optional>
#include <vector>

#include <QMargins>
#include <QRect>
#include <QSize>

namespace melvane {

class SettingsStore;

// Where the main window stands: its geometry in its normal state (without the frame; kept
// while it is full screen or maximised), and whether it is full screen or maximised.
struct WindowPlacement {
    QRect geometry;
    bool fullScreen = false;
    bool maximized = false;
    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

// What the settings store remembers of the placement, each value checked on its own: the
// geometry is there only when all four of its values are whole numbers in range.
struct StoredPlacement {
    std::optional<QRect> geometry;
    bool fullScreen = false;
    bool maximized = false;
};

// The placement lives in the settings store under an application of its own, which the
// players' profiles never touch.
inline constexpr const char *kPlacementApplication = "window";
inline constexpr const char *kPlacementSection = "main";

// Reads the remembered placement; a value missing or out of range is left out.
StoredPlacement readPlacement(const SettingsStore &store);
// Writes `placement` as decimal texts, flags as "1" or "0"; the caller flushes.
void writePlacement(SettingsStore &store, const WindowPlacement &placement);

// Where the window opens, given the free area of each screen (the primary one first):
// the remembered geometry when a screen can show it whole, moved wholly onto the screen that
// holds most of it; a geometry smaller than `minimum`, larger than that screen, or off every
// screen is refused, and the window opens centred on the first screen at the largest size up
// to `preferred` that fits there with `frame` around it. The full-screen and maximised states
// are kept either way.
WindowPlacement restoredPlacement(const StoredPlacement &stored, const std::vector<QRect> &screens, QSize preferred,
                                  QSize minimum, QMargins frame);

// Whether the player asked for the calm presentation (steady win marks, no fast flashing);
// off unless the store says "1".
bool readReduceFlashing(const SettingsStore &store);
void writeReduceFlashing(SettingsStore &store, bool on);

// The largest size up to `preferred`, of its shape, that fits into `room`; never below `minimum`.
QSize fittingWindowSize(QSize preferred, QSize minimum, QSize room);

} // namespace melvane
