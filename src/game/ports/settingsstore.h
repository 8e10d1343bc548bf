#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace melvane {

// The per-user store of text values by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nullopt when the key is missing.
    virtual std::optional<std::string> value(const std::string &application, const std::string &section,
                                             const std::string &key) const = 0;
    virtual void setValue(const std::string &application, const std::string &section, const std::string &key,
                          const std::string &value) = 0;
    // Puts what was written on disk at once, all of it or nothing: called after a whole
    // profile or flag has been written, so a save is never half on disk.
    virtual void flush() {}
};

// A store that lives in memory only: tests and tools.
class InMemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> value(const std::string &application, const std::string &section,
                                     const std::string &key) const override
    {
        const auto it = values_.find({application, section, key});
        if (it == values_.end())
            return std::nullopt;
        return it->second;
    }
    void setValue(const std::string &application, const std::string &section, const std::string &key,
                  const std::string &value) override
    {
        values_[{application, section, key}] = value;
        ++writes_;
    }
    void flush() override { ++flushes_; }
    int writes() const { return writes_; }
    int flushes() const { return flushes_; }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    int writes_ = 0;
    int flushes_ = 0;
};

} // namespace melvane
