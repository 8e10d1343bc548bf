#pragma once

#include <string>

#include <QCoreApplication>

#include "platform/qt/sidedialog.h"
#include "game/sidewindows/menuwindow.h"

class QLabel;

namespace melvane {

class QtHost;

// The game's title, its version (the project's version) and the maker's web page.
inline constexpr const char *kProgramTitle = "Melvane";
std::string programVersion();
std::string makerPage();

// The about window `aboutmelvane`: title and version, and a button to the maker's web page.
class AboutDialog : public ModelDialog<AboutWindow> {
    Q_DECLARE_TR_FUNCTIONS(melvane::AboutDialog)

public:
    // Shown over a disabled main window, centred on it, while the model is open.
    AboutDialog(AboutWindow &model, QtHost &host, const Pictures &pictures);

    void refresh() override;
    // Shows the window `scale` times its design size, with the icon from `pictures`.
    void setLook(qreal scale, const Pictures &pictures) override;

protected:
    // "OK", Escape and the close box: never refused.
    void reject() override;
    // The design height is the window's outer height: the title bar and borders come out of it.
    QSize sizeAt(qreal scale) const override;

private:
    // Places the window over the middle of the main window (of the screen without one).
    void centreform();

    QtHost &host_;
    QLabel *picIcon_ = nullptr;
    QLabel *lblTitle_ = nullptr;
    bool placed_ = false;
};

} // namespace melvane
