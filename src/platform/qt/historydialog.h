#pragma once

#include <cstdint>

#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "game/ports/journal.h"
#include "game/sidewindows/menuwindow.h"
#include "platform/qt/readablepicture.h"
#include "platform/qt/sidedialog.h"
#include "rules/grid.h"

class QLabel;
class QListWidget;
class QTreeWidget;

namespace melvane {

class Pictures;

// What a recalled game returned: the credit its steps brought, the stake of its paid spin back
// and a round total still waiting. 0 for an entry of its own: credit put on, or the credit
// changed outside play.
std::int64_t gameWin(const JournalGame &game);
// A game's row in the list: time, bet, ways, win and the credit after it. An entry of its own
// has no bet, ways or win: it says what happened where the bet stands.
QStringList gameColumns(const JournalGame &game);
// A step in the list of the game's steps, in a few words.
QString stepTitle(const JournalStep &step);
// Everything the step shows, in one line under its picture.
QString stepFacts(const JournalStep &step);

// One step of a recalled game drawn: a spin's five reels at its stops, cell by cell with the
// game's symbol pictures, the cells out of play covered and the winning cells framed; a gamble
// step's card and result; the money of a collect or of credit put on. Sizes below are design
// pixels; the view draws them `scale` times as large. A screen reader reads a spin reel by reel.
class RecallView : public QWidget {
public:
    static constexpr int kCell = 125;
    static constexpr int kReelGap = 4;
    static constexpr int kWidth = kReels * kCell + (kReels - 1) * kReelGap;
    static constexpr int kHeight = 3 * kCell;

    RecallView(QWidget *parent, const Pictures &pictures);

    // The step drawn; null: none.
    void setStep(const JournalStep *step);
    // Draws with `pictures` at `scale` window pixels to a design pixel from now on.
    void setLook(qreal scale, const Pictures &pictures);
    // Where the cell of a reel (1..5) and row is drawn, in this widget shown at `scale`: whole
    // cells of the symbol pictures' size, so a picture drawn at that scale is copied unresampled.
    static QRect cellRect(int reel, Row row, qreal scale = 1.0);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void paintReels(QPainter &p, const JournalStep &s);
    void paintGamble(QPainter &p, const JournalStep &s);

    const Pictures *pictures_;
    qreal scale_ = 1.0;
    const JournalStep *step_ = nullptr;
    ReadablePicture read_;
};

// The last-game recall: the current player's latest games, newest first, and the chosen one
// step by step under a large "RECALL" banner. It binds the HistoryWindow model: the model
// decides when it opens and which game is chosen; choosing a step only changes what is drawn.
class HistoryDialog : public ModelDialog<HistoryWindow> {
    Q_DECLARE_TR_FUNCTIONS(melvane::HistoryDialog)

public:
    // Shown over a disabled main window while the model is open.
    HistoryDialog(HistoryWindow &model, const Pictures &pictures);

    void refresh() override;
    // Shows the window `scale` times its design size, as the main window's other side windows,
    // drawn with `pictures`; smaller where the screen it opens on cannot hold it whole.
    void setLook(qreal scale, const Pictures &pictures) override;

    // The step of the chosen game shown (-1: none), and showing another.
    int shownStep() const { return shownStep_; }
    void showStep(int index);

protected:
    // "Close", Escape and the close box: never refused.
    void reject() override;

private:
    // Sizes the window for the main window's scale and the screen it opens on.
    void fit();
    void fillGames();
    void fillSteps();

    QTreeWidget *games_ = nullptr;
    QListWidget *steps_ = nullptr;
    RecallView *view_ = nullptr;
    QLabel *facts_ = nullptr;
    QLabel *badge_ = nullptr;
    const Pictures *pictures_;
    qreal windowScale_ = 1.0;
    int listedGame_ = -2; // the game whose steps are listed; -2: none yet
    int shownStep_ = -1;
    bool filling_ = false;
};

} // namespace melvane
