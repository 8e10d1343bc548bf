#include "platform/qt/commandline.h"

#include <algorithm>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

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

// A code as the desktop writes a language: "de", "ast", "fr_FR", "es-419".
bool isLanguageCode(const QString &code)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[a-z]{2,3}(?:[_-](?:[A-Z]{2}|[0-9]{3}))?")));
    return pattern.match(code).hasMatch();
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    const QString program = QLatin1String(kProgram);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "melvane::CommandLine", "A five-reel video slot with a music theme, played for play money."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("melvane::CommandLine", "Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("melvane::CommandLine", "Show the version and end."));
    const QCommandLineOption player(
        QStringLiteral("player"),
        QCoreApplication::translate("melvane::CommandLine",
                                    "Start with player N (1 to 6) instead of player 1; a player whose "
                                    "free-spin round was interrupted still comes first."),
        QCoreApplication::translate("melvane::CommandLine", "N"));
    const QCommandLineOption fullScreen(
        QStringLiteral("full-screen"),
        QCoreApplication::translate("melvane::CommandLine", "Show the machine full screen."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QCoreApplication::translate("melvane::CommandLine", "Keep the players' settings, the window's place and the "
                                                            "game journal in DIR instead of the user's own folders "
                                                            "(for testing)."),
        QCoreApplication::translate("melvane::CommandLine", "DIR"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate("melvane::CommandLine", "Choose the language of the game's texts, for example "
                                                            "de, fr, es or en; by default the desktop's language."),
        QCoreApplication::translate("melvane::CommandLine", "CODE"));
    parser.addOptions({help, version, player, fullScreen, settings, language});

    if (!parser.parse(arguments))
        return refuse(QCoreApplication::translate("melvane::CommandLine", "%1 Try '%2 --help'.")
                          .arg(parser.errorText(), program));
    if (!parser.positionalArguments().isEmpty())
        return refuse(QCoreApplication::translate("melvane::CommandLine", "unexpected argument '%1'. Try '%2 --help'.")
                          .arg(parser.positionalArguments().constFirst(), program));
    for (const QCommandLineOption *valued : {&player, &settings, &language})
        if (parser.values(*valued).size() > 1)
            return refuse(QCoreApplication::translate("melvane::CommandLine", "--%1 is given twice.")
                              .arg(valued->names().constFirst()));

    if (parser.isSet(help)) {
        // Without a QApplication the parser cannot know the program's name.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(QLatin1Char('\n')),
                     QCoreApplication::translate("melvane::CommandLine", "Usage: %1 [options]").arg(program));
        return print(text);
    }
    if (parser.isSet(version))
        return print(QStringLiteral("%1 %2\n").arg(program, QLatin1String(MELVANE_VERSION)));

    CommandLine line;
    if (parser.isSet(player)) {
        const QString text = parser.value(player);
        const bool digitsOnly = !text.isEmpty() && text.size() <= 2 &&
                                std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
        const int n = digitsOnly ? text.toInt() : 0;
        if (n < 1 || n > 6)
            return refuse(
                QCoreApplication::translate("melvane::CommandLine", "--player: '%1' is not a player; choose 1 to 6.")
                    .arg(text));
        line.options.player = n;
    }
    line.options.fullScreen = parser.isSet(fullScreen);
    if (parser.isSet(settings)) {
        const QString folder = parser.value(settings);
        if (folder.isEmpty())
            return refuse(QCoreApplication::translate("melvane::CommandLine", "--settings: give a folder."));
        const QFileInfo info(folder);
        if (info.exists() && !info.isDir())
            return refuse(
                QCoreApplication::translate("melvane::CommandLine", "--settings: '%1' is not a folder.").arg(folder));
        // A relative folder is taken from where the game was started.
        line.options.settingsFolder = QDir::cleanPath(info.absoluteFilePath()).toStdString();
    }
    if (parser.isSet(language)) {
        const QString code = parser.value(language);
        if (!isLanguageCode(code))
            return refuse(QCoreApplication::translate(
                              "melvane::CommandLine",
                              "--language: '%1' is not a language code; give one such as de, fr_FR or es-419.")
                              .arg(code));
        line.options.language = code.toStdString();
    }
    return line;
}

std::optional<std::string> languageAsked(const QStringList &arguments)
{
    const QString option = QStringLiteral("--language");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size())
            return arguments[i + 1].toStdString();
        if (arguments[i].startsWith(option + '='))
            return arguments[i].mid(option.size() + 1).toStdString();
    }
    return std::nullopt;
}

} // namespace melvane
