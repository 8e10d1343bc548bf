#pragma once

#include <array>

#include "platform/qt/aboutdialog.h"
#include "platform/qt/autoplaydialog.h"
#include "platform/qt/historydialog.h"
#include "platform/qt/optionsdialog.h"
#include "platform/qt/paytabledialog.h"
#include "game/profiles/optionswindow.h"
#include "game/sidewindows/autoplaywindow.h"
#include "game/sidewindows/menuwindow.h"

namespace melvane {

class MainWindow;
class Melvane;
class Pictures;
class QtHost;

// The options, pay-table, about and history windows, hooked to the main window's menu entries, and
// the autoplay window, hooked to the autoplay button. Each keeps the main window disabled while it
// is open and shares its refresh.
class SideWindows {
public:
    SideWindows(Melvane &machine, MainWindow &window, QtHost &host, const Pictures &pictures);
    ~SideWindows();
    SideWindows(const SideWindows &) = delete;
    SideWindows &operator=(const SideWindows &) = delete;

    ReturnToPlayerCache returns;
    OptionsWindow options;
    PaytableWindow paytableWindow;
    AboutWindow aboutWindow;
    HistoryWindow historyWindow;
    AutoplayWindow autoplayWindow;
    OptionsDialog optionsDialog;
    PaytableDialog paytable;
    AboutDialog about;
    HistoryDialog history;
    AutoplayDialog autoplay;

private:
    // The five windows, in the order the main window refreshes them.
    std::array<SideDialog *, 5> dialogs() { return {&optionsDialog, &paytable, &about, &history, &autoplay}; }

    MainWindow &window_;
};

} // namespace melvane
