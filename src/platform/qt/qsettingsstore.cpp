#include "platform/qt/qsettingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace melvane {

namespace {

const QString kOrganization = QStringLiteral("Melvane");

QString text(const std::string &utf8) { return QString::fromStdString(utf8); }

QString keyPath(const std::string &section, const std::string &key) { return text(section) + '/' + text(key); }

} // namespace

QSettingsStore::QSettingsStore(std::optional<std::string> baseDirectory) : baseDirectory_(std::move(baseDirectory)) {}

QSettingsStore::~QSettingsStore() = default;

QSettings &QSettingsStore::settingsOf(const std::string &application) const
{
    std::unique_ptr<QSettings> &settings = settings_[application];
    if (!settings) {
        if (baseDirectory_) {
            // On Unix the native format is a file: the per-user layout, rooted at the folder given.
            const QString file = text(*baseDirectory_) + '/' + kOrganization + '/' + text(application) + ".conf";
            settings = std::make_unique<QSettings>(file, QSettings::NativeFormat);
        } else {
            settings =
                std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization, text(application));
        }
        // Only the game's own file counts, never the organization-wide or system-wide ones.
        settings->setFallbacksEnabled(false);
    }
    return *settings;
}

std::optional<std::string> QSettingsStore::value(const std::string &application, const std::string &section,
                                                 const std::string &key) const
{
    const QVariant stored = settingsOf(application).value(keyPath(section, key));
    if (!stored.isValid())
        return std::nullopt;
    // A hand-edited value with unquoted commas comes back as a list; the person meant one text.
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", ")).toStdString();
    return stored.toString().toStdString();
}

void QSettingsStore::setValue(const std::string &application, const std::string &section, const std::string &key,
                              const std::string &value)
{
    QSettings &settings = settingsOf(application);
    settings.setValue(keyPath(section, key), text(value));
}

std::string QSettingsStore::folder() const
{
    return QFileInfo(settingsOf("keys").fileName()).absolutePath().toStdString();
}

bool QSettingsStore::flush()
{
    // QSettings writes a temporary file and renames it over the old one, so a file on disk
    // holds either the whole save or the one before it; a write that failed leaves the old one.
    bool written = true;
    for (auto &[application, settings] : settings_) {
        // QSettings keeps the first error it met for good, so a store whose write failed once
        // would never tell a later success: a fresh one over the same file takes every value
        // the old one holds and writes them all.
        if (settings->status() != QSettings::NoError) {
            auto fresh = std::make_unique<QSettings>(settings->fileName(), QSettings::NativeFormat);
            fresh->setFallbacksEnabled(false);
            for (const QString &key : settings->allKeys())
                fresh->setValue(key, settings->value(key));
            settings = std::move(fresh);
        }
        settings->sync();
        written = settings->status() == QSettings::NoError && written;
    }
    return written;
}

std::string QSettingsStore::location() const
{
    return QDir::toNativeSeparators(QFileInfo(settingsOf("keys").fileName()).absoluteFilePath()).toStdString();
}

} // namespace melvane
