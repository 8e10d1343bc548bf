#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QCoreApplication>

#include "game/sidewindows/autoplaywindow.h"
#include "platform/qt/sidedialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace melvane {

// The autoplay window `frmautoplay`: how many spins, the limits that stop autoplay by itself, and
// "Start" or "Cancel". It binds the AutoplayWindow model, which decides when it opens, what it
// offers and what starting does.
class AutoplayDialog : public ModelDialog<AutoplayWindow> {
    Q_DECLARE_TR_FUNCTIONS(melvane::AutoplayDialog)

public:
    // Opens centred over `mainWindow`, which stays disabled while this is open.
    AutoplayDialog(AutoplayWindow &model, QWidget &mainWindow);

    // Shows the model's choice; shows or hides the window as the model says.
    void refresh() override;

    // "100 coins ($ 1)"; "No limit" for 0.
    static QString limitText(std::int32_t coins);

protected:
    // "Cancel", Escape and the close box.
    void reject() override;

private:
    QComboBox *addChoice(const char *name, const QString &caption, int top, const std::vector<std::int32_t> &values,
                         const std::function<QString(std::int32_t)> &text,
                         std::function<void(std::int32_t)> choose);
    static void showValue(QComboBox &box, std::int32_t value);

    QWidget *surface_ = nullptr;
    QComboBox *spins_ = nullptr;
    QComboBox *lossLimit_ = nullptr;
    QComboBox *winLimit_ = nullptr;
    QCheckBox *stopOnBonus_ = nullptr;
    QPushButton *start_ = nullptr;
};

} // namespace melvane
