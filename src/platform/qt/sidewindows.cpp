#include "platform/qt/sidewindows.h"

#include "platform/qt/mainwindow.h"
#include "platform/qt/qthost.h"

namespace melvane {

SideWindows::SideWindows(Melvane &machine, MainWindow &window, QtHost &host, const Pictures &pictures)
    : options(machine), paytableWindow(machine), aboutWindow(machine), historyWindow(machine),
      autoplayWindow(machine), optionsDialog(options, window), paytable(paytableWindow, machine, pictures, returns),
      about(aboutWindow, host, pictures), history(historyWindow, pictures),
      autoplay(autoplayWindow, window), window_(window)
{
    options.screenPixels = [&host] {
        const QSize size = host.screenSize();
        return ScreenSize{size.width(), size.height()};
    };
    const auto refreshAll = [&window] { window.refresh(); };
    for (SideDialog *dialog : dialogs()) {
        dialog->setAfterHandler(refreshAll);
        dialog->setMainWindow(&window);
        window.addSideWindow([dialog] { dialog->refresh(); }, [dialog] { return dialog->blocksMainWindow(); });
    }
    // The side windows share the main window's scale and pictures.
    const auto look = [this, &window] {
        const Pictures &current = window.pictures().current();
        for (SideDialog *dialog : dialogs())
            dialog->setLook(window.scale(), current);
    };
    look();
    window.setOnScaleChange(look);
}

SideWindows::~SideWindows()
{
    window_.setOnScaleChange(nullptr);
    window_.removeSideWindows();
}

} // namespace melvane
