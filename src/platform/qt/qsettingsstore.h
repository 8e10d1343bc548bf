#pragma once

#include "profiles/settingsstore.h"

namespace melvane {

// The settings store on QSettings in the platform's native per-user format (placeholder).
class QSettingsStore : public SettingsStore {
public:
    std::optional<std::string> value(const std::string &, const std::string &, const std::string &) const override
    {
        return std::nullopt;
    }
    void setValue(const std::string &, const std::string &, const std::string &, const std::string &) override {}
};

} // namespace melvane
