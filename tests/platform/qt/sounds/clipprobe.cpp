// Plays clips through ClipPlayer on the default audio output, then exits: a separate process,
// so the round-trip test can point it at a sound server of its own.
// Usage: clipprobe <run milliseconds> <clip>[:looped][@<start milliseconds>]...
// Exit status 3: the machine has no audio output.
#include "platform/qt/clipplayer.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: clipprobe <run milliseconds> <clip>[:looped][@<start milliseconds>]...\n", stderr);
        return 2;
    }
    melvane::ClipPlayer player;
    if (!player.hasOutput())
        return 3;
    player.loadAll();
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QStringList timed = arguments[i].split(QLatin1Char('@'));
        const QStringList clip = timed[0].split(QLatin1Char(':'));
        const int number = clip[0].toInt();
        const bool looped = clip.size() > 1 && clip[1] == QLatin1String("looped");
        const int startMs = timed.size() > 1 ? timed[1].toInt() : 0;
        QTimer::singleShot(startMs, Qt::PreciseTimer, &application, [&player, number, looped] { player.play(number, looped); });
    }
    QTimer::singleShot(arguments[1].toInt(), Qt::PreciseTimer, &application, [&player] {
        player.stop();
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
