#pragma once

#include <functional>
#include <string>

#include <QDialog>

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
    // Shown over a disabled main window, centred, while the model is open.
    AboutDialog(AboutWindow &model, QtHost &host, const Pictures &pictures);
    ~AboutDialog() override;

    bool blocksMainWindow() const;
    void refresh();
    void setAfterHandler(std::function<void()> after) { afterHandler_ = std::move(after); }
    // The main window: this window is centred only while that one is in its normal state.
    void setMainWindow(QWidget *mainWindow) { mainWindow_ = mainWindow; }

protected:
    // "OK", Escape and the close box: never refused.
    void reject() override;

private:
    // Places the window in the middle of the screen.
    void centreform();
    void handled();

    AboutWindow &model_;
    QtHost &host_;
    QLabel *lblTitle_ = nullptr;
    QWidget *mainWindow_ = nullptr;
    bool placed_ = false;
    std::function<void()> afterHandler_;
};

} // namespace melvane
