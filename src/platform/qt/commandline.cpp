#include "platform/qt/commandline.h"

#include <algorithm>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace melvane {

namespace {

constexpr const char *kProgram = "melvane";

// One line whatever the arguments held: control characters show as '?'.
CommandLine refuse(QString message)
{
    for (QChar &c : message)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('?');
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.text = std::string(kProgram) + ": " + message.toStdString() + "\n";
    return line;
}

CommandLine print(const QString &text)
{
    CommandLine line;
    line.action = CommandLine::Action::Print;
    line.text = text.toStdString();
    return line;
}

QString quoted(const QString &text) { return QLatin1Char('\'') + text + QLatin1Char('\''); }

QString tryHelp() { return QStringLiteral(" Try '%1 --help'.").arg(QLatin1String(kProgram)); }

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A five-reel video slot with a music theme, played for play money."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption player(QStringLiteral("player"),
                                    QStringLiteral("Start with player N (1 to 6) instead of player 1; a player whose "
                                                   "free-spin round was interrupted still comes first."),
                                    QStringLiteral("N"));
    const QCommandLineOption fullScreen(QStringLiteral("full-screen"), QStringLiteral("Show the machine full screen."));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Keep the players' settings, the window's place and the "
                                                     "game journal in DIR instead of the user's own folders "
                                                     "(for testing)."),
                                      QStringLiteral("DIR"));
    parser.addOptions({help, version, player, fullScreen, settings});

    if (!parser.parse(arguments))
        return refuse(parser.errorText() + tryHelp());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument ") + quoted(parser.positionalArguments().constFirst()) + '.' +
                      tryHelp());
    for (const QCommandLineOption *valued : {&player, &settings})
        if (parser.values(*valued).size() > 1)
            return refuse(QStringLiteral("--") + valued->names().constFirst() + QStringLiteral(" is given twice."));

    if (parser.isSet(help)) {
        // Without a QApplication the parser cannot know the program's name.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: %1 [options]").arg(QLatin1String(kProgram)));
        return print(text);
    }
    if (parser.isSet(version))
        return print(QStringLiteral("%1 %2\n").arg(QLatin1String(kProgram), QLatin1String(MELVANE_VERSION)));

    CommandLine line;
    if (parser.isSet(player)) {
        const QString text = parser.value(player);
        const bool digitsOnly = !text.isEmpty() && text.size() <= 2 &&
                                std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
        const int n = digitsOnly ? text.toInt() : 0;
        if (n < 1 || n > 6)
            return refuse(QStringLiteral("--player: ") + quoted(text) + QStringLiteral(" is not a player; choose 1 to 6."));
        line.options.player = n;
    }
    line.options.fullScreen = parser.isSet(fullScreen);
    if (parser.isSet(settings)) {
        const QString folder = parser.value(settings);
        if (folder.isEmpty())
            return refuse(QStringLiteral("--settings: give a folder."));
        const QFileInfo info(folder);
        if (info.exists() && !info.isDir())
            return refuse(QStringLiteral("--settings: ") + quoted(folder) + QStringLiteral(" is not a folder."));
        // A relative folder is taken from where the game was started.
        line.options.settingsFolder = QDir::cleanPath(info.absoluteFilePath()).toStdString();
    }
    return line;
}

} // namespace melvane
