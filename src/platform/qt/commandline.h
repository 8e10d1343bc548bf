#pragma once

#include <optional>
#include <string>

#include <QStringList>

namespace melvane {

// What the player chose on the command line; every default is the game as designed.
struct GameOptions {
    int player = 1;                            // the profile to start with, 1..6
    bool fullScreen = false;                   // the main window fills the screen
    std::optional<std::string> settingsFolder; // the settings store's folder instead of the user's
    std::optional<std::string> language;       // the texts' language ("de", "fr_FR"); none: the desktop's
};

// What a command line asks for: play with the options, print a text (the help or the version)
// and end with status 0, or refuse it with one line on stderr and status 2.
struct CommandLine {
    enum class Action { Play, Print, Refuse };
    Action action = Action::Play;
    GameOptions options;
    std::string text; // Print: the text for stdout; Refuse: the line for stderr, newline included
};

// The exit status of a command line that ends the program at once.
inline constexpr int kPrintedStatus = 0;
inline constexpr int kRefusedStatus = 2;
// The exit status of a copy that found the game already running on its settings.
inline constexpr int kSettingsHeldStatus = 1;

// Reads the program's arguments, its own name first. It needs no QApplication, so the help,
// the version and a refusal work without a display.
CommandLine readCommandLine(const QStringList &arguments);
// The language a command line asks for, even one that is refused or only asks for the help, so
// that the answer is given in it; none when it asks for none.
std::optional<std::string> languageAsked(const QStringList &arguments);

} // namespace melvane
