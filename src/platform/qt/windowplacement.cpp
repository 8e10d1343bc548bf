#include "platform/qt/windowplacement.h"

#include <algorithm>
#include <string>

#include "game/ports/settingsstore.h"
#include "game/profiles/storedvalue.h"

namespace melvane {

namespace {

// Beyond these a geometry was not written by this game.
constexpr int kFarthestCoordinate = 100000;
constexpr int kLargestSide = 16384;

std::optional<int> storedInt(const SettingsStore &store, const char *key, int low, int high)
{
    const std::optional<std::string> text = store.value(kPlacementApplication, kPlacementSection, key);
    if (!text)
        return std::nullopt;
    const std::optional<std::int64_t> value = parseStoredWhole(*text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return static_cast<int>(*value);
}

bool storedFlag(const SettingsStore &store, const char *key)
{
    return store.value(kPlacementApplication, kPlacementSection, key) == std::optional<std::string>("1");
}

void write(SettingsStore &store, const char *key, const std::string &value)
{
    store.setValue(kPlacementApplication, kPlacementSection, key, value);
}

qint64 area(const QRect &r) { return r.isEmpty() ? 0 : static_cast<qint64>(r.width()) * r.height(); }

} // namespace

StoredPlacement readPlacement(const SettingsStore &store)
{
    StoredPlacement stored;
    const auto left = storedInt(store, "left", -kFarthestCoordinate, kFarthestCoordinate);
    const auto top = storedInt(store, "top", -kFarthestCoordinate, kFarthestCoordinate);
    const auto width = storedInt(store, "width", 1, kLargestSide);
    const auto height = storedInt(store, "height", 1, kLargestSide);
    if (left && top && width && height)
        stored.geometry = QRect(*left, *top, *width, *height);
    stored.fullScreen = storedFlag(store, "fullscreen");
    stored.maximized = storedFlag(store, "maximized");
    return stored;
}

void writePlacement(SettingsStore &store, const WindowPlacement &placement)
{
    write(store, "left", std::to_string(placement.geometry.left()));
    write(store, "top", std::to_string(placement.geometry.top()));
    write(store, "width", std::to_string(placement.geometry.width()));
    write(store, "height", std::to_string(placement.geometry.height()));
    write(store, "fullscreen", placement.fullScreen ? "1" : "0");
    write(store, "maximized", placement.maximized ? "1" : "0");
}

bool readReduceFlashing(const SettingsStore &store) { return storedFlag(store, "reduceflashing"); }

void writeReduceFlashing(SettingsStore &store, bool on) { write(store, "reduceflashing", on ? "1" : "0"); }

QSize fittingWindowSize(QSize preferred, QSize minimum, QSize room)
{
    if (preferred.isEmpty())
        return minimum;
    if (preferred.width() <= room.width() && preferred.height() <= room.height())
        return preferred.expandedTo(minimum);
    // Whole pixels: the side that runs out of room is the room's, the other follows the shape.
    const qint64 across = static_cast<qint64>(room.width()) * preferred.height();
    const qint64 down = static_cast<qint64>(room.height()) * preferred.width();
    const QSize size = across <= down
                           ? QSize(room.width(), static_cast<int>(across / preferred.width()))
                           : QSize(static_cast<int>(down / preferred.height()), room.height());
    return size.expandedTo(minimum);
}

WindowPlacement restoredPlacement(const StoredPlacement &stored, const std::vector<QRect> &screens, QSize preferred,
                                  QSize minimum, QMargins frame)
{
    WindowPlacement placement;
    placement.fullScreen = stored.fullScreen;
    placement.maximized = stored.maximized && !stored.fullScreen;
    if (stored.geometry && stored.geometry->width() >= minimum.width() && stored.geometry->height() >= minimum.height()) {
        const QRect &wanted = *stored.geometry;
        const auto most = std::max_element(screens.begin(), screens.end(), [&wanted](const QRect &a, const QRect &b) {
            return area(a.intersected(wanted)) < area(b.intersected(wanted));
        });
        if (most != screens.end() && area(most->intersected(wanted)) > 0 && wanted.width() <= most->width() &&
            wanted.height() <= most->height()) {
            QRect on = wanted;
            on.moveLeft(std::clamp(on.left(), most->left(), most->right() + 1 - on.width()));
            on.moveTop(std::clamp(on.top(), most->top(), most->bottom() + 1 - on.height()));
            placement.geometry = on;
            return placement;
        }
    }
    const QRect screen = screens.empty() ? QRect(QPoint(0, 0), preferred) : screens.front();
    const QRect room = screen.marginsRemoved(frame);
    QRect centred(QPoint(0, 0), fittingWindowSize(preferred, minimum, room.size()));
    centred.moveCenter(room.center());
    placement.geometry = centred;
    return placement;
}

} // namespace melvane
