// A player for the crash tests: the real game without its window. The real host (Qt's event
// loop and timers, the game's generator), the real settings store in the folder given on the
// command line with the real journal beside it, and the game core, started as the game starts.
// It puts credit on with the fast-money button, switches autoplay on and plays until it is
// killed; a free-spin round it finds stored at start-up carries on by itself and is collected as
// a player would. After every game that ends settled it prints "settled <games played>": the
// profile is on disk by then. Every step the journal takes is printed as "step <kind> <serial>",
// an award of free spins followed by "award <serial>", a lost gamble by "lost <serial>".
//
//   --check           start as the game starts (a profile a kill left behind is brought up to the
//                     journal), print "started", and end at once, saving nothing more
//   --gamble          play by hand: one coin a spin, every win gambled on red until it is lost
//                     or has doubled twice
//   --awards          the first paid game and one in five after it land three Scatters and start
//                     a free-spin round
//   --kill-at-save K  the K-th save of the settings kills the game before it reaches the disk
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

#include <QApplication>
#include <QTimer>

#include "game/machine/melvane.h"
#include "platform/qt/qsettingsstore.h"
#include "platform/qt/qthost.h"
#include "platform/sqlite/sqlitejournal.h"

namespace {

using namespace melvane;

// The store the game saves to, killing the game at its K-th flush before anything is written:
// a kill that falls after the journal took a step and before the profile that names it.
class KillingStore : public SettingsStore {
public:
    KillingStore(SettingsStore &store, int killAt) : store_(store), killAt_(killAt) {}
    std::optional<std::string> value(const std::string &application, const std::string &section,
                                     const std::string &key) const override
    {
        return store_.value(application, section, key);
    }
    void setValue(const std::string &application, const std::string &section, const std::string &key,
                  const std::string &value) override
    {
        store_.setValue(application, section, key, value);
    }
    bool flush() override
    {
        if (++flushes_ == killAt_) {
            std::fflush(stdout);
            std::raise(SIGKILL);
        }
        return store_.flush();
    }
    std::string location() const override { return store_.location(); }

private:
    SettingsStore &store_;
    int killAt_;
    int flushes_ = 0;
};

// The game's journal, telling the test each step it took as soon as it is committed.
class PrintingJournal : public Journal {
public:
    explicit PrintingJournal(Journal &journal) : journal_(journal) {}
    bool open() override { return journal_.open(); }
    std::int64_t record(const JournalStep &step) override
    {
        const std::int64_t serial = journal_.record(step);
        if (serial == 0)
            return serial;
        const auto n = static_cast<long long>(serial);
        std::printf("step %d %lld\n", static_cast<int>(step.kind), n);
        if ((step.kind == StepKind::Spin || step.kind == StepKind::FreeSpin) && step.freeSpinsAdded > 0)
            std::printf("award %lld\n", n);
        if (step.kind == StepKind::GambleLost)
            std::printf("lost %lld\n", n);
        std::fflush(stdout);
        return serial;
    }
    std::vector<JournalGame> lastGames(int player, int count) override { return journal_.lastGames(player, count); }
    std::optional<JournalStep> lastStep(int player) override { return journal_.lastStep(player); }

private:
    Journal &journal_;
};

// What a player at the window would press next, when gambling every win.
void pressLikeAGambler(Melvane &m)
{
    const auto shown = [](const Button &b) { return b.visible() && b.live(); };
    if (m.pandouble.visible()) {
        // Red, until the card is lost or the win has doubled twice; then it is taken.
        if (m.gamble.betred.live())
            (m.gambleamount >= 4 * m.gamble.stakedAmount ? m.gamble.cancelbet : m.gamble.betred).press();
    } else if (shown(m.doublebutton)) {
        m.doublebutton.press();
    } else if (shown(m.takewin)) {
        m.takewin.press();
    } else if (!m.creditCovers()) {
        m.cmdfastmoney.press();
    } else if (shown(m.play[1])) {
        m.play[1].press();
    }
}

} // namespace

int main(int argc, char **argv)
{
    const auto usage = [] {
        std::fprintf(stderr,
                     "usage: melvane-crashplay STORE-FOLDER [--check] [--gamble] [--awards] [--kill-at-save K]\n");
        return 2;
    };
    if (argc < 2)
        return usage();
    bool check = false, gambler = false, awards = false;
    int killAt = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--check")
            check = true;
        else if (option == "--gamble")
            gambler = true;
        else if (option == "--awards")
            awards = true;
        else if (option == "--kill-at-save" && i + 1 < argc && (killAt = std::atoi(argv[++i])) > 0)
            continue;
        else
            return usage();
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QSettingsStore settings{std::string(argv[1])};
    KillingStore store(settings, killAt);
    // The autoplay notice has been seen, so no message box waits for a click.
    settings.setValue("key", "notice", "autoplay", "-1");
    settings.flush();

    // Three Scatters (stops 1, 1, 1, 1, 1) and a payout draw of 1, which lets any outcome stand:
    // the next six draws are all 0, which draws 1 of anything.
    int scriptedDraws = 0;
    std::mt19937_64 engine{std::random_device{}()};
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::function<double()> random;
    if (awards)
        random = [&] {
            if (scriptedDraws > 0) {
                --scriptedDraws;
                return 0.0;
            }
            return uniform(engine);
        };
    QtHost host(store, random);

    // As the game keeps it: beside the profiles in the settings folder.
    SqliteJournal sqliteJournal(QString::fromStdString(settings.folder()) + QStringLiteral("/journal.sqlite"));
    sqliteJournal.onTrouble = [](const Wording &message) {
        std::fprintf(stderr, "melvane-crashplay: journal: %s\n", message.english().c_str());
    };
    PrintingJournal journal(sqliteJournal);
    Melvane machine(host);
    machine.journal = &journal;
    if (!machine.load()) {
        std::fprintf(stderr, "melvane-crashplay: the start-up refused the screen\n");
        return 3;
    }
    // The fastest reels, and silence: there is no sound device to wait for.
    machine.g.reelspeed = 1;
    machine.g.soundonoff = 0;
    std::printf("started %d\n", machine.g.games);
    std::fflush(stdout);
    // What a restart leaves on disk, and nothing the way out would add.
    if (check)
        std::_Exit(0);

    // The first paid game of a run and one in five after it start a round.
    int paidGames = 0;
    const auto scriptAward = [&] {
        if (awards)
            scriptedDraws = 6;
    };
    if (machine.freespins == 0)
        scriptAward();
    machine.onResolved = [&] {
        if (machine.freespins == 0 && machine.freespinwin == 0) {
            std::printf("settled %d\n", machine.g.games);
            std::fflush(stdout);
            if (++paidGames % 5 == 0)
                scriptAward();
        }
        // A round carried on from the store runs without autoplay: collect it, then play on.
        if (!gambler && machine.freespinsover > 0 && machine.autoplay == 0)
            QTimer::singleShot(0, &app, [&machine, &scriptAward] {
                machine.takewin.press();
                machine.cmdfastmoney.press();
                scriptAward();
                machine.autoplayon.press();
            });
    };
    QTimer hands;
    if (gambler) {
        // A glance at the machine every 50 ms; a press that runs a spin or a card returns when it
        // is done, and the timer waits for it.
        QObject::connect(&hands, &QTimer::timeout, &app, [&machine] { pressLikeAGambler(machine); });
        hands.start(50);
    } else {
        QTimer::singleShot(0, &app, [&machine] {
            machine.cmdfastmoney.press();
            machine.autoplayon.press();
        });
    }
    return app.exec();
}
