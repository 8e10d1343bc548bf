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
    optionsDialog.setAfterHandler(refreshAll);
    paytable.setAfterHandler(refreshAll);
    about.setAfterHandler(refreshAll);
    history.setAfterHandler(refreshAll);
    autoplay.setAfterHandler(refreshAll);
    paytable.setMainWindow(&window);
    about.setMainWindow(&window);
    history.setMainWindow(&window);
    // The side windows share the main window's scale and pictures.
    const auto look = [this, &window] {
        const Pictures &current = window.pictures().current();
        optionsDialog.setScale(window.scale());
        paytable.setLook(window.scale(), current);
        about.setLook(window.scale(), current);
        history.setLook(window.scale(), current);
        autoplay.setScale(window.scale());
    };
    look();
    window.setOnScaleChange(look);
    window.addSideWindow([this] { optionsDialog.refresh(); }, [this] { return optionsDialog.blocksMainWindow(); });
    window.addSideWindow([this] { paytable.refresh(); }, [this] { return paytable.blocksMainWindow(); });
    window.addSideWindow([this] { about.refresh(); }, [this] { return about.blocksMainWindow(); });
    window.addSideWindow([this] { history.refresh(); }, [this] { return history.blocksMainWindow(); });
    window.addSideWindow([this] { autoplay.refresh(); }, [this] { return autoplay.blocksMainWindow(); });
}

SideWindows::~SideWindows()
{
    window_.setOnScaleChange(nullptr);
    window_.removeSideWindows();
}

} // namespace melvane
