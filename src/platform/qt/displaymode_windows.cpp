// The screen-mode routines on Windows: enumerate the display modes, then ask for the wanted
// resolution in the last record enumerated. Plain Win32, no window toolkit.
#include "platform/qt/displaymode.h"

#include <windows.h>

namespace melvane {

namespace {

// The mode record both routines share: filled by the enumeration, changed and handed back.
DEVMODEA displayRecord;

// Fills `displayRecord` with the last mode the enumeration gives, changes its size to
// `width` x `height` and asks for it without storing it as the system's setting.
bool changeDisplayTo(DWORD width, DWORD height)
{
    // A failed enumeration may leave its record half written: keep the last good one.
    DEVMODEA probe{};
    probe.dmSize = sizeof(probe);
    for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &probe) != FALSE; ++i) {
        displayRecord = probe;
        probe = DEVMODEA{};
        probe.dmSize = sizeof(probe);
    }
    // The record carries no driver data after it, whatever the enumeration said.
    displayRecord.dmSize = sizeof(displayRecord);
    displayRecord.dmDriverExtra = 0;
    // Only the size is asked for; colour depth and refresh rate stay as they are.
    displayRecord.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT; // 0x80000 | 0x100000
    displayRecord.dmPelsWidth = width;
    displayRecord.dmPelsHeight = height;
    return ChangeDisplaySettingsA(&displayRecord, 0) == DISP_CHANGE_SUCCESSFUL;
}

} // namespace

bool setdisplaymode(int width, int height)
{
    if (width < 0 || height < 0)
        return false;
    return changeDisplayTo(static_cast<DWORD>(width), static_cast<DWORD>(height));
}

// A size of 0 x 0 sends the display back to the mode stored in the system's settings.
void restoredisplaymode() { changeDisplayTo(0, 0); }

bool displayModeSwitches() { return true; }

} // namespace melvane
