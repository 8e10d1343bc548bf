#pragma once

#include <optional>
#include <string>

#include <QLocale>

class QCoreApplication;

namespace melvane {

// Installs the translations of the game's texts and of Qt's own (its buttons, its dialogs) for
// the language asked for ("de", "fr_CA"), or else for the first of the desktop's languages the
// game has. English is the texts' own language and needs none; a language the game lacks is
// passed over. The game's own are read from where the package installs them, or else from the
// copy built into the program. Returns the language the texts are shown in.
QLocale installTranslations(QCoreApplication &app, const std::optional<std::string> &asked);

} // namespace melvane
