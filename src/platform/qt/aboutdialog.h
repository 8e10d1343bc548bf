#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "platform/qt/scaledlayout.h"

class QLabel;
class QPushButton;

namespace melvane {

class AboutWindow;
class Pictures;
class QtHost;

// The game's title, its version (the project's version) and the maker's web page.
inline constexpr const char *kProgramTitle = "Melvane";
std::string programVersion();
std::string makerPage();

// The about window `aboutmelvane`: title and version, and a button to the maker's web page.
class AboutDialog : public QDialog {
public:
    // Shown over a disabled main window, centred on it, while the model is open.
    AboutDialog(AboutWindow &model, QtHost &host, const Pictures &pictures);
    ~AboutDialog() override;

    bool blocksMainWindow() const;
    void refresh();
    void setAfterHandler(std::function<void()> after) { afterHandler_ = std::move(after); }
    // The main window, which this window opens centred over.
    void setMainWindow(QWidget *mainWindow) { mainWindow_ = mainWindow; }
    // Shows the window `scale` times its design size, with the icon from `pictures`.
    void setLook(qreal scale, const Pictures &pictures);

protected:
    // "OK", Escape and the close box: never refused.
    void reject() override;

private:
    // Places the window over the middle of the main window (of the screen without one).
    void centreform();
    void fitHeight();
    void handled();

    AboutWindow &model_;
    QtHost &host_;
    QWidget *surface_ = nullptr;
    QLabel *picIcon_ = nullptr;
    QLabel *lblTitle_ = nullptr;
    ScaledLayout layout_;
    QWidget *mainWindow_ = nullptr;
    bool placed_ = false;
    std::function<void()> afterHandler_;
};

} // namespace melvane
