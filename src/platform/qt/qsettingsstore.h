#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "game/ports/settingsstore.h"

class QSettings;

namespace melvane {

// The settings store on QSettings in the platform's native per-user format: each application
// of the game is a QSettings application of the organization "Melvane", a section is a group.
class QSettingsStore : public SettingsStore {
public:
    // The current user's settings; with `baseDirectory` (tests) the files of the same layout
    // live under that folder instead.
    explicit QSettingsStore(std::optional<std::string> baseDirectory = std::nullopt);
    ~QSettingsStore() override;
    QSettingsStore(const QSettingsStore &) = delete;
    QSettingsStore &operator=(const QSettingsStore &) = delete;

    std::optional<std::string> value(const std::string &application, const std::string &section,
                                     const std::string &key) const override;
    void setValue(const std::string &application, const std::string &section, const std::string &key,
                  const std::string &value) override;
    // Writes every changed file to disk; false when one of them could not be written.
    bool flush() override;
    // The profiles' file.
    std::string location() const override;
    // The folder that holds the store's files.
    std::string folder() const;

private:
    QSettings &settingsOf(const std::string &application) const;

    std::optional<std::string> baseDirectory_;
    mutable std::map<std::string, std::unique_ptr<QSettings>> settings_;
};

} // namespace melvane
