#pragma once

#include <functional>

#include <QDialog>
#include <QSize>

#include "platform/qt/scaledlayout.h"

namespace melvane {

class Pictures;

// A side window of the main window: a window of its own, not a child of the main window, which
// is disabled while it is open (a child would be disabled with it), shown over the main window
// at the main window's scale. Its model decides when it opens and closes; the window shows that.
class SideDialog : public QDialog {
public:
    // Brings the window up to date with its model; shows or hides it as the model says.
    virtual void refresh() = 0;
    // Whether the main window takes no input now.
    virtual bool blocksMainWindow() const = 0;
    // Shows the window `scale` times its design size, type and frames included, drawn with
    // `pictures` where it shows any.
    virtual void setLook(qreal scale, const Pictures &pictures);

    // Called after every handler this window runs, so the main window shows what changed too.
    void setAfterHandler(std::function<void()> after) { afterHandler_ = std::move(after); }
    // The main window, which this window opens over and stays above.
    void setMainWindow(QWidget *mainWindow) { mainWindow_ = mainWindow; }
    // The scale the window is shown at.
    qreal scale() const { return layout_.scale(); }

protected:
    // A window `name` of `design` pixels, which Qt's quitting on the last window leaves out.
    SideDialog(const char *name, QSize design);

    // The widget the machine's style sheet is set on, for the window's own widgets only: a
    // message box the window brings up keeps its own look. `addSurface` makes one covering the
    // window.
    void setStyled(QWidget *styled);
    QWidget *addSurface(const char *name);
    // Everything stands at the design size now: the design every scale starts from. Polished
    // now, a sheet set for another scale takes at once: one set on a widget not yet polished is
    // not read again.
    void captureDesign();
    // Sizes the window, its type and its widgets for `scale`; false when it stands at it already.
    bool setScale(qreal scale);
    // The window's size at `scale`.
    virtual QSize sizeAt(qreal scale) const;

    // After a handler: the main window's refresh, or this window's own without one.
    void handled();
    // Keeps the window above the main window, as a window it owns.
    void keepAboveMainWindow();
    // Shows the window over the middle of the main window, kept above it.
    void showOverMainWindow();

    QWidget *mainWindow_ = nullptr;

private:
    QSize design_;
    QWidget *styled_ = nullptr;
    ScaledLayout layout_;
    std::function<void()> afterHandler_;
};

// A side window bound to a model that says whether it is open and calls `onChange` after
// every change it makes.
template <typename Model>
class ModelDialog : public SideDialog {
public:
    ~ModelDialog() override { model_.onChange = nullptr; }
    bool blocksMainWindow() const override { return model_.isOpen(); }

protected:
    ModelDialog(Model &model, const char *name, QSize design) : SideDialog(name, design), model_(model) {}
    // Shows the model's changes from now on: called once the window is built.
    void bindModel() { model_.onChange = [this] { handled(); }; }

    Model &model_;
};

} // namespace melvane
