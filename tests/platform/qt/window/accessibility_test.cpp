// What a screen reader finds in the main window: names and roles through Qt's accessibility
// interfaces, as the AT-SPI bridge reads them.
#include <set>
#include <vector>

#include <QAccessible>
#include <QAction>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/qt/announcer.h"
#include "platform/qt/clipplayer.h"
#include "windowsession.h"

namespace melvane::window_testing {
namespace {

constexpr Stops kK40Stops = {12, 2, 9, 1, 5};

// Every interface below `node`, the way a screen reader walks the window: child by child.
void walk(QAccessibleInterface *node, std::vector<QAccessibleInterface *> &out)
{
    out.push_back(node);
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i))
            walk(child, out);
}

// The names of the shown interfaces of `role` in the window.
std::multiset<QString> shownNames(QWidget &window, QAccessible::Role role)
{
    std::vector<QAccessibleInterface *> all;
    walk(QAccessible::queryAccessibleInterface(&window), all);
    std::multiset<QString> names;
    for (QAccessibleInterface *node : all)
        if (node->role() == role && !node->state().invisible)
            names.insert(node->text(QAccessible::Name));
    return names;
}

QString nameOf(const WindowSession &s, const char *object)
{
    QAccessibleInterface *node =
        QAccessible::queryAccessibleInterface(s.window.findChild<QWidget *>(QString::fromLatin1(object)));
    return node != nullptr ? node->text(QAccessible::Name) : QStringLiteral("<none>");
}

TEST(Accessibility, EveryButtonIsNamedByWhatItDoes)
{
    WindowSession s;
    for (int i = 0; i < 3; ++i)
        s.click("COINSIN");
    s.queueSpin(kK40Stops);
    s.click("play(1)");
    s.click("doublebutton"); // the gamble panel's buttons are shown too

    const std::multiset<QString> shown = shownNames(s.window, QAccessible::Button);
    EXPECT_GE(shown.size(), 7u);
    EXPECT_EQ(shown.count(QString()), 0u) << "a shown button without a name";
    const std::vector<std::pair<const char *, const char *>> expected = {
        {"cmdfastmoney", "Fast money, 50 dollars"}, {"autoplayon", "Auto play"}, {"autoplayoff", "Stop auto play"},
        {"takewin", "Collect"}, {"suitbet(1)", "Hearts"}, {"suitbet(2)", "Clubs"}, {"suitbet(3)", "Diamonds"},
        {"suitbet(4)", "Spades"}, {"betred", "Red"}, {"cancelbet", "Collect"}, {"payline(1)", "Play 3 Lines"},
        {"play(1)", "Bet 1 Coin"}, {"doublebutton", "Click to double or lose win"}};
    for (const auto &[object, name] : expected) {
        EXPECT_EQ(nameOf(s, object), QString::fromLatin1(name)) << object;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(s.button(object))->role(), QAccessible::Button) << object;
    }
    for (const char *suit : {"Hearts", "Clubs", "Diamonds", "Spades"})
        EXPECT_EQ(shown.count(QString::fromLatin1(suit)), 1u) << suit;
}

TEST(Accessibility, TheMetersAndTheCellsAreReadWithWhatTheyShow)
{
    WindowSession s;
    for (int i = 0; i < 3; ++i)
        s.click("COINSIN");
    EXPECT_EQ(nameOf(s, "PANELBANK"), QStringLiteral("Credit: 30 coins, $ 0.3"));
    EXPECT_EQ(s.text("PANELBANK"), QStringLiteral("30")) << "the meter itself shows what it did";

    s.queueSpin(kK40Stops);
    s.click("play(1)");
    // The win is still rolling up: the credit has paid the stake and not yet had the win.
    EXPECT_EQ(nameOf(s, "PANELBANK"), QStringLiteral("Credit: 5 coins, $ 0.05"));
    EXPECT_EQ(nameOf(s, "LABLAST"), QStringLiteral("Last bet: 25 coins, $ 0.25"));
    const std::multiset<QString> cells = shownNames(s.window, QAccessible::Graphic);
    ASSERT_EQ(cells.size(), 15u);
    for (const char *cell : {"Reel 1, bottom: King", "Reel 2, middle: King", "Reel 2, top: Wild",
                             "Reel 3, bottom: King"})
        EXPECT_EQ(cells.count(QString::fromLatin1(cell)), 1u) << cell;
}

// The notifications the window shows, each time it shows one: the event a screen reader's
// bridge presents a notification on.
struct Listener : QObject {
    std::vector<QString> heard;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            if (QAccessibleInterface *node = QAccessible::queryAccessibleInterface(watched);
                node != nullptr && node->role() == QAccessible::Notification)
                heard.push_back(node->text(QAccessible::Name));
        return false;
    }
};

// A journal that only keeps the steps in memory.
struct NoJournal : Journal {
    std::vector<JournalStep> steps;
    std::int64_t record(const JournalStep &step) override
    {
        steps.push_back(step);
        return static_cast<std::int64_t>(steps.size());
    }
    std::vector<JournalGame> lastGames(int, int) override { return {}; }
    std::optional<JournalStep> lastStep(int) override { return std::nullopt; }
};

TEST(Accessibility, EachResultIsToldAsANotification)
{
    WindowSession s;
    NoJournal nothing;
    AnnouncingJournal told(nothing, [&s](const JournalStep &step) { s.window.announcer().sayStep(step); });
    s.m.journal = &told;
    Listener listener;
    qApp->installEventFilter(&listener);
    const std::vector<QString> &heard = listener.heard;

    s.click("play(1)"); // no credit yet
    for (int i = 0; i < 6; ++i)
        s.click("COINSIN");
    s.queueSpin(kK40Stops);
    s.click("play(1)");
    s.click("doublebutton");
    s.queueDraw(4, 1); // hearts
    s.click("betred");
    s.queueDraw(4, 4); // spades
    s.click("betred");
    qApp->removeEventFilter(&listener);

    const QStringList sentences = QStringList(heard.begin(), heard.end());
    EXPECT_EQ(sentences.mid(0, 2).join('|').toStdString(), "Not enough credit for this bet|Credit put on: 10 coins");
    EXPECT_EQ(sentences.mid(7).join('|').toStdString(), "Win 40 coins: King on 3 reels|Gamble 40 coins: pick a colour or a suit|"
                                      "Card: Hearts. Won, 80 coins at risk|Card: Spades. Lost|Gamble lost: 40 coins");
}

TEST(Accessibility, AFreeSpinRoundIsToldAsThePlayerSeesIt)
{
    // The spin that starts a round counts as its first, so the spins won are those left.
    const auto step = [](StepKind kind, std::int64_t win, int added, int freespins, int done, int wildmult = 0) {
        JournalStep s;
        s.kind = kind;
        s.win = win;
        s.freeSpinsAdded = added;
        s.freespins = freespins;
        s.freespinsdone = done;
        s.wildmult = wildmult;
        s.roundTotal = 120;
        if (win > 0)
            s.parts = {{Symbol::Harp, 3, 1, win}, {Symbol::Drum, 2, 2, 0}};
        return s;
    };
    const std::pair<JournalStep, const char *> cases[] = {
        {step(StepKind::Spin, 0, 11, 11, 1), "No win. 10 free spins won"},
        {step(StepKind::FreeSpin, 40, 0, 11, 4, 3), "Free spin, Wilds times 3: Win 40 coins: Harp on 3 reels, "
                                                    "Drum on 2 reels. 7 free spins left"},
        {step(StepKind::FreeSpin, 0, 11, 22, 5), "Free spin: No win. More free spins won. 17 free spins left"},
        {step(StepKind::FreeSpin, 1, 0, 11, 11), "Free spin: Win 1 coin: Harp on 3 reels, Drum on 2 reels. "
                                                 "Free spins over, round total 120 coins"},
    };
    for (const auto &[s, told] : cases)
        EXPECT_EQ(Announcer::step(s).toStdString(), told);
}

// The clips the game starts, each known by its length and whether it loops.
struct ClipLog : ClipSink {
    std::vector<std::pair<qsizetype, bool>> &started;
    explicit ClipLog(std::vector<std::pair<qsizetype, bool>> &log) : started(log) {}
    void start(const PcmFormat &, const QByteArray &samples, bool looped) override
    {
        started.emplace_back(samples.size(), looped);
    }
    void stop() override { started.emplace_back(0, false); }
};

struct CalmRun {
    int mostChangesInASecond = 0; // of one cell between two looks at it
    std::vector<JournalStep> steps;
    std::vector<std::pair<qsizetype, bool>> clips;
};

// A winning spin watched for two seconds while its cells are marked, with flashing reduced
// or not: how often a cell's brightness changed, and what the game wrote and sounded.
CalmRun watchWin(bool calm)
{
    CalmRun run;
    WindowSession s;
    ClipPlayer player(std::make_unique<ClipLog>(run.clips));
    player.loadAll();
    s.host.setClipPlayer(&player);
    NoJournal journal;
    s.m.journal = &journal;
    if (calm)
        s.window.findChild<QAction *>(QStringLiteral("mnureduceflashing"))->trigger();
    for (int i = 0; i < 3; ++i)
        s.click("COINSIN");
    s.queueSpin(kK40Stops);
    s.click("play(1)");

    // Each cell's mean brightness, looked at every 25 ms.
    constexpr int kLookMs = 25, kLooks = 80, kPerSecond = 1000 / kLookMs;
    std::vector<std::array<double, kCells + 1>> looks;
    for (int i = 0; i < kLooks; ++i) {
        std::array<double, kCells + 1> look{};
        for (int r = 1; r <= kReels; ++r) {
            const QImage image =
                s.window.findChild<QWidget *>(QStringLiteral("reel(%1)").arg(r))->grab().toImage().convertToFormat(
                    QImage::Format_Grayscale8);
            for (Row row : kRows) {
                const int side = image.width(), top = side * static_cast<int>(row);
                double sum = 0;
                for (int y = top; y < std::min(top + side, image.height()); ++y)
                    for (int x = 0; x < side; ++x)
                        sum += image.constScanLine(y)[x];
                look[static_cast<std::size_t>(cellOf(r, row))] = sum / (side * side);
            }
        }
        looks.push_back(look);
        QTest::qWait(kLookMs);
    }
    for (std::size_t c = 1; c <= kCells; ++c)
        for (std::size_t from = 0; from + kPerSecond < looks.size(); ++from) {
            int changes = 0;
            for (std::size_t i = from + 1; i <= from + kPerSecond; ++i)
                changes += std::abs(looks[i][c] - looks[i - 1][c]) > 4.0;
            run.mostChangesInASecond = std::max(run.mostChangesInASecond, changes);
        }
    s.window.close();
    run.steps = journal.steps;
    return run;
}

TEST(ReduceFlashing, TheWinningCellsStandStillAndTheGameIsTheSame)
{
    const CalmRun blinking = watchWin(false), calm = watchWin(true);
    EXPECT_GT(blinking.mostChangesInASecond, 3) << "the measure sees the designed blinking";
    EXPECT_LE(calm.mostChangesInASecond, 3);
    EXPECT_EQ(calm.steps, blinking.steps);
    EXPECT_EQ(calm.clips, blinking.clips);
    EXPECT_FALSE(calm.clips.empty());
}

} // namespace
} // namespace melvane::window_testing
