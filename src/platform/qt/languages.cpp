#include "platform/qt/languages.h"

#include <algorithm>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace melvane {

namespace {

// The game's translations: those installed with it, relative to the program's folder, and
// the copy built into the program.
QStringList gameTranslationFolders()
{
    QStringList folders;
#ifdef MELVANE_INSTALLED_TRANSLATIONS
    folders << QCoreApplication::applicationDirPath() + QStringLiteral("/" MELVANE_INSTALLED_TRANSLATIONS);
#endif
    folders << QStringLiteral(":/i18n");
    return folders;
}

bool install(QCoreApplication &app, const QLocale &language, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(language, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QLocale installTranslations(QCoreApplication &app, const std::optional<std::string> &asked)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QStringList wanted =
        asked ? QStringList{QString::fromStdString(*asked)} : QLocale::system().uiLanguages();
    for (const QString &code : wanted) {
        const QLocale language(code);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return english;
        const QStringList folders = gameTranslationFolders();
        if (std::none_of(folders.begin(), folders.end(), [&](const QString &folder) {
                return install(app, language, QStringLiteral("melvane"), folder);
            }))
            continue;
        // Qt's own texts in the same language, when the system has them.
        install(app, language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return language;
    }
    return english;
}

} // namespace melvane
