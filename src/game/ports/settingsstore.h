#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>

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

// A store that lives in memory only: tests and tools. The game saves its whole profile after
// every settled step, twenty values to one section in a row, so a write finds that section
// without a search and its key by hashing; no text is built or copied but a new one.
class InMemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> value(const std::string &application, const std::string &section,
                                     const std::string &key) const override
    {
        const auto app = values_.find(application);
        if (app == values_.end())
            return std::nullopt;
        const auto sec = app->second.find(section);
        if (sec == app->second.end())
            return std::nullopt;
        const auto it = sec->second.find(key);
        if (it == sec->second.end())
            return std::nullopt;
        return it->second;
    }
    void setValue(const std::string &application, const std::string &section, const std::string &key,
                  const std::string &value) override
    {
        if (recent_.keys == nullptr || section != recent_.section || application != recent_.application) {
            recent_.keys = &values_[application][section];
            recent_.application = application;
            recent_.section = section;
        }
        (*recent_.keys)[key] = value;
        ++writes_;
    }
    void flush() override { ++flushes_; }
    int writes() const { return writes_; }
    int flushes() const { return flushes_; }

private:
    using Keys = std::unordered_map<std::string, std::string>;
    std::map<std::string, std::map<std::string, Keys>> values_;
    // The section written last. It points into this store's own maps, so a copy starts without it.
    struct Recent {
        std::string application;
        std::string section;
        Keys *keys = nullptr;
        Recent() = default;
        Recent(const Recent &) {}
        Recent &operator=(const Recent &)
        {
            keys = nullptr;
            return *this;
        }
    };
    Recent recent_;
    int writes_ = 0;
    int flushes_ = 0;
};

} // namespace melvane
