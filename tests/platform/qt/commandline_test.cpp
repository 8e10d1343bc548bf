#include "platform/qt/commandline.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/wait.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace melvane {
namespace {

CommandLine read(std::vector<QString> args)
{
    QStringList arguments{QStringLiteral("/usr/games/melvane")};
    for (const QString &a : args)
        arguments << a;
    return readCommandLine(arguments);
}

TEST(CommandLine, GoodOptionsChooseThePlayerTheScreenAndTheStore)
{
    const struct {
        std::vector<QString> args;
        int player;
        bool fullScreen;
        std::optional<std::string> settings;
        std::optional<std::string> language = std::nullopt;
    } cases[] = {
        {{}, 1, false, std::nullopt},
        {{"--player", "4"}, 4, false, std::nullopt},
        {{"--player=6"}, 6, false, std::nullopt},
        {{"--player", "01"}, 1, false, std::nullopt},
        {{"--full-screen"}, 1, true, std::nullopt},
        {{"--settings", "/tmp/melvane-a"}, 1, false, "/tmp/melvane-a"},
        {{"--settings=/tmp/b/", "--full-screen", "--player", "2"}, 2, true, "/tmp/b"},
        {{"--settings", "relative/c"}, 1, false, QDir::current().absoluteFilePath("relative/c").toStdString()},
        {{"--language", "de"}, 1, false, std::nullopt, "de"},
        {{"--language=fr_FR", "--player", "3"}, 3, false, std::nullopt, "fr_FR"},
        {{"--language", "es-419"}, 1, false, std::nullopt, "es-419"},
        {{"--language", "ast"}, 1, false, std::nullopt, "ast"},
    };
    for (const auto &c : cases) {
        const CommandLine line = read(c.args);
        SCOPED_TRACE(QStringList(c.args.begin(), c.args.end()).join(' ').toStdString());
        ASSERT_EQ(line.action, CommandLine::Action::Play) << line.text;
        EXPECT_EQ(line.options.player, c.player);
        EXPECT_EQ(line.options.fullScreen, c.fullScreen);
        EXPECT_EQ(line.options.settingsFolder, c.settings);
        EXPECT_EQ(line.options.language, c.language);
    }
}

TEST(CommandLine, HelpAndVersionArePrinted)
{
    for (const char *option : {"--help", "-h"}) {
        const CommandLine help = read({option});
        ASSERT_EQ(help.action, CommandLine::Action::Print);
        EXPECT_EQ(help.text.rfind("Usage: melvane [options]\n", 0), 0u) << help.text;
        for (const char *listed :
             {"--player <N>", "--full-screen", "--settings <DIR>", "--language <CODE>", "--version"})
            EXPECT_NE(help.text.find(listed), std::string::npos) << listed;
    }
    for (const char *option : {"--version", "-v"}) {
        const CommandLine version = read({option});
        ASSERT_EQ(version.action, CommandLine::Action::Print);
        EXPECT_EQ(version.text, "melvane " MELVANE_VERSION "\n");
    }
}

TEST(CommandLine, BadOptionsAreRefusedWithOneLine)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString aFile = scratch.filePath(QStringLiteral("profile.conf"));
    QFile(aFile).open(QIODevice::WriteOnly);

    const struct {
        std::vector<QString> args;
        const char *mentions;
    } cases[] = {
        {{"--player", "0"}, "choose 1 to 6"},
        {{"--player", "7"}, "choose 1 to 6"},
        {{"--player", "-1"}, "choose 1 to 6"},
        {{"--player", "three"}, "choose 1 to 6"},
        {{"--player", "2.0"}, "choose 1 to 6"},
        {{"--player", ""}, "choose 1 to 6"},
        {{"--player"}, "Missing value"},
        {{"--player", "2", "--player", "3"}, "given twice"},
        {{"--settings", "a", "--settings", "b"}, "given twice"},
        {{"--settings", ""}, "give a folder"},
        {{"--settings", aFile}, "is not a folder"},
        {{"--full-screen=yes"}, "Unexpected value"},
        {{"--fullscreen"}, "Unknown option 'fullscreen'"},
        {{"-platform", "xcb"}, "Unknown options"},
        {{"play"}, "unexpected argument 'play'"},
        {{"--bad\nline"}, "Unknown option 'bad?line'"},
        {{"--language", "DE"}, "'DE' is not a language code"},
        {{"--language", "de_fr"}, "is not a language code"},
        {{"--language", "en-US-x"}, "is not a language code"},
        {{"--language", "de\n"}, "'de?' is not a language code"},
        {{"--language", ""}, "is not a language code"},
        {{"--language", "de", "--language", "fr"}, "--language is given twice"},
    };
    for (const auto &c : cases) {
        const CommandLine line = read(c.args);
        SCOPED_TRACE(QStringList(c.args.begin(), c.args.end()).join(' ').toStdString());
        ASSERT_EQ(line.action, CommandLine::Action::Refuse);
        EXPECT_EQ(line.text.rfind("melvane: ", 0), 0u) << line.text;
        EXPECT_NE(line.text.find(c.mentions), std::string::npos) << line.text;
        EXPECT_EQ(line.text.find('\n'), line.text.size() - 1) << "one line: " << line.text;
    }
}

// The real program answers these before it opens a window, so they need no display.
TEST(CommandLine, TheGameEndsWithStatusZeroOrTwoWithoutADisplay)
{
    const struct {
        const char *args;
        int status;
        const char *firstLine;
    } cases[] = {
        {"--version", 0, "melvane " MELVANE_VERSION},
        {"--help", 0, "Usage: melvane [options]"},
        {"--player 9 2>&1", 2, "melvane: --player: '9' is not a player; choose 1 to 6."},
        // Told in the language asked for, even when that is all the line asks.
        {"--language de --help", 0, "Aufruf: melvane [Optionen]"},
        {"--language=fr --player 9 2>&1", 2, "melvane: --player : « 9 » n'est pas un joueur ; choisissez de 1 à 6."},
    };
    for (const auto &c : cases) {
        // An English desktop, whatever the machine's: the language is the test's to choose.
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL "
                                    "-u LC_MESSAGES LANG=C.UTF-8 " +
                                    std::string(MELVANE_GAME_BINARY) + " " + c.args;
        FILE *pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::array<char, 512> first{};
        const bool got = std::fgets(first.data(), static_cast<int>(first.size()), pipe) != nullptr;
        std::array<char, 4096> rest{};
        while (std::fgets(rest.data(), static_cast<int>(rest.size()), pipe) != nullptr) {
        }
        const int raw = pclose(pipe);
        ASSERT_TRUE(got) << c.args;
        EXPECT_EQ(std::string(first.data()), std::string(c.firstLine) + "\n") << c.args;
        EXPECT_TRUE(WIFEXITED(raw)) << c.args;
        EXPECT_EQ(WEXITSTATUS(raw), c.status) << c.args;
    }
}

} // namespace
} // namespace melvane
