#pragma once

#include <future>
#include <memory>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

#include "game/sidewindows/menuwindow.h"
#include "rules/parsheet.h"
#include "platform/qt/readablepicture.h"
#include "platform/qt/sidedialog.h"
#include "rules/returntoplayer.h"
#include "rules/symbols.h"

class QLabel;
class QPushButton;

namespace melvane {

class Melvane;
class Pictures;

// The exact return to player of every ways setting under every payout setting, worked out
// once in the background from the start of the program, so the pay table opens at once.
class ReturnToPlayerCache {
public:
    ReturnToPlayerCache();
    ~ReturnToPlayerCache();
    ReturnToPlayerCache(const ReturnToPlayerCache &) = delete;
    ReturnToPlayerCache &operator=(const ReturnToPlayerCache &) = delete;

    // The figures of one ways setting, one per payout setting (5, 3, 2); empty for a stake
    // multiplier the machine does not offer. Waits for the background work if it is not done.
    std::vector<RtpFigures> figures(int waysmult) const;
    // How widely the return of one setting is spread; nothing for a setting the machine does
    // not offer. Waits for the background work if it is not done.
    std::optional<Volatility> volatility(int waysmult, int machinepay) const;

private:
    std::shared_future<std::vector<RtpFigures>> table_;
    std::shared_future<std::vector<Volatility>> volatility_; // in the order of table_
};

// What the pay-table picture shows, all of it taken from the machine's own tables.
struct PaytableFacts {
    int waysmult = 0;
    int machinepay = 0;              // the payout setting in force, marked in the picture
    std::vector<RtpFigures> returns; // the ways setting under each payout setting
    std::optional<Volatility> volatility; // of the setting in force
};

// The area of the picture given to one symbol: its picture, its name and its pays.
struct DrawnSymbol {
    Symbol symbol;
    QRect area;
};

// A text drawn into a picture: its box, and the font and alignment it was drawn with.
struct PaintedText : DrawnText {
    QFont font;
    int flags = 0;
};

// The picture, every text drawn into it with the box it was drawn in, and what a screen reader
// reads of it: a line for each symbol's pays, each rule and each return figure, in its box.
struct PaytablePicture {
    QPixmap picture;
    std::vector<PaintedText> texts;
    std::vector<DrawnSymbol> symbols;
    std::vector<DrawnText> lines;
};

// The pays of a run as the picture writes them: "5 reels" and "1500".
QString runLabel(int run);
QString payLabel(int pay);
// A return to player as the picture writes it: 0.796691 gives "79.67 %".
QString percentLabel(double share);
// The two lines on the spread of the setting in force: "Volatility: high" and "9 in 10 sessions
// of 1,000 spins return between 62% and 97%".
QString volatilityLabel(const Volatility &v);
QString sessionsLabel(const Volatility &v);

// Draws the pay table: the ways pays of every symbol from the pay table, the Scatter and
// Wild rules, and the exact return of the current ways setting under each payout setting.
PaytablePicture drawPaytable(const PaytableFacts &facts, const Pictures &pictures);
// The same picture drawn at `dpr` device pixels to a pixel.
PaytablePicture drawPaytable(const PaytableFacts &facts, const Pictures &pictures, qreal dpr);

// The pay-table window `melvanepays`: the picture, and one button that closes it.
class PaytableDialog : public ModelDialog<PaytableWindow> {
    Q_DECLARE_TR_FUNCTIONS(melvane::PaytableDialog)

public:
    // Shown over a disabled main window while the model is open, with the machine's settings of
    // the moment.
    PaytableDialog(PaytableWindow &model, const Melvane &machine, const Pictures &pictures,
                   const ReturnToPlayerCache &returns);

    void refresh() override;
    // Shows the window `scale` times its design size, drawn with `pictures` from its next opening.
    void setLook(qreal scale, const Pictures &pictures) override;

    // What the picture shown last holds, texts and all.
    const PaytablePicture &shown() const { return shown_; }

protected:
    // The button, Escape and the close box: never refused.
    void reject() override;

private:
    const Melvane &m_;
    const Pictures *pictures_;
    const ReturnToPlayerCache &returns_;
    QLabel *background_ = nullptr;
    std::unique_ptr<ReadablePicture> read_; // the picture, to a screen reader
    QPushButton *command1_ = nullptr;
    PaytablePicture shown_;
};

} // namespace melvane
