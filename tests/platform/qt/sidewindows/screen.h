#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <utility>
#include <optional>
#include <string>
#include <vector>

#include "game/machine/melvane.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qsettingsstore.h"
#include "platform/qt/qthost.h"
#include "platform/qt/sidewindows.h"

namespace melvane::testing_support {

// The real host, noting every clip the game starts (there is no sound device here).
class ListeningHost : public QtHost {
public:
    using QtHost::QtHost;
    void playClip(Clip clip, bool looped) override
    {
        clips.push_back(clip);
        QtHost::playClip(clip, looped);
    }
    std::vector<Clip> clips;
};

// Drawn once for the whole run, as the program draws them for its window (no reel strips):
// they take a while and never change.
inline const Pictures &pictures()
{
    static const Pictures shared(Pictures::draw(qApp->devicePixelRatio(), Pictures::Contents::Window));
    return shared;
}

// The game as the program puts it together, on a settings store in a folder of its own.
// `profile` is player 1's stored profile before the game starts.
struct Screen {
    // `random`, when given, makes the machine's draws: the real generator's otherwise.
    Screen(std::initializer_list<std::pair<const char *, const char *>> profile = {},
           std::function<double()> random = {})
        : store(folder.path().toStdString()), host(store, std::move(random)), m(host), window(m, host, pictures()),
          sides(m, window, host, pictures())
    {
        for (const auto &[key, value] : profile)
            store.setValue("keys", "player1", key, value);
        store.flush();
        host.setRefresh([this] { window.refresh(); });
        loaded = m.load();
        window.show();
        window.refresh();
    }

    // The menu entry the player chooses: "mnuabout", "mnuptble", "mnuplayer", "mnuexit".
    QAction *menu(const char *name)
    {
        for (QAction *action : window.menuBar()->actions())
            if (action->objectName() == QLatin1String(name))
                return action;
        ADD_FAILURE() << "no menu entry " << name;
        return nullptr;
    }
    void choose(const char *name)
    {
        if (QAction *action = menu(name))
            action->trigger();
    }

    template <typename W>
    static W *child(QWidget &parent, const char *name)
    {
        W *widget = parent.findChild<W *>(QString::fromLatin1(name));
        if (widget == nullptr)
            ADD_FAILURE() << "no widget " << name;
        return widget;
    }

    // What the settings store on disk holds for player 1, read afresh.
    std::optional<std::string> stored(const std::string &key) const
    {
        const QSettingsStore disk(folder.path().toStdString());
        return disk.value("keys", "player1", key);
    }

    // The windows of the game that are on screen, main window excluded.
    std::vector<const QWidget *> sideWindowsShown() const
    {
        std::vector<const QWidget *> shown;
        for (const QWidget *w : {static_cast<const QWidget *>(&sides.optionsDialog),
                                 static_cast<const QWidget *>(&sides.paytable), static_cast<const QWidget *>(&sides.about)})
            if (w->isVisible())
                shown.push_back(w);
        return shown;
    }

    QTemporaryDir folder;
    QSettingsStore store;
    ListeningHost host;
    Melvane m;
    MainWindow window;
    SideWindows sides;
    bool loaded = false;
};

// Clicks an option button on its round indicator: a radio button takes clicks on its
// indicator and caption only, and a short caption leaves most of the button blank.
inline void clickOption(QAbstractButton *option)
{
    ASSERT_NE(option, nullptr);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// A message box as the player saw it.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QStringList buttonTexts;
    QFont font;
    QWidget *parent = nullptr;
};

// Runs `action`, answering every message box it brings up with `answer`, and returns what the
// boxes said.
inline std::vector<ShownMessage> answeringMessages(const std::function<void()> &action,
                                                   QMessageBox::StandardButton answer = QMessageBox::Ok)
{
    std::vector<ShownMessage> seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&seen, answer] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (box == nullptr || !box->isVisible())
                continue;
            QStringList texts;
            for (const QAbstractButton *button : box->buttons())
                texts << button->text();
            texts.sort();
            seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), texts, box->font(),
                            box->parentWidget()});
            if (QAbstractButton *button = box->button(answer))
                button->click();
            else
                box->reject();
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

} // namespace melvane::testing_support
