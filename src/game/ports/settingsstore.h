#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>

namespace melvane {

// Where one of the machine's own values stands, outside the players' profiles.
struct StoreKey {
    const char *application;
    const char *section;
    const char *key;
};

// The per-user store of text values by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nullopt when the key is missing.
    virtual std::optional<std::string> value(const std::string &application, const std::string &section,
                                             const std::string &key) const = 0;
    virtual void setValue(const std::string &application, const std::string &section, const std::string &key,
                          const std::string &value) = 0;
    std::optional<std::string> valueAt(const StoreKey &at) const { return value(at.application, at.section, at.key); }
    void setValueAt(const StoreKey &at, const std::string &text) { setValue(at.application, at.section, at.key, text); }
    // Puts what was written on disk at once, all of it or nothing: called after a whole
    // profile or flag has been written, so a save is never half on disk. False when it did not
    // reach the disk; what was on disk before stays there, and the next flush tries again.
    virtual bool flush() { return true; }
    // Where the store keeps the profiles, as a player would look for it; empty when nowhere.
    virtual std::string location() const { return {}; }
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
        if (failing_) {
            pending_[{application, section, key}] = value;
        } else {
            if (!pending_.empty())
                pending_.erase({application, section, key});
            (*recent_.keys)[key] = value;
        }
        ++writes_;
    }
    bool flush() override
    {
        ++flushes_;
        if (failing_)
            return false; // what waits is written once the store takes writes again
        for (auto &[where, value] : pending_)
            values_[std::get<0>(where)][std::get<1>(where)][std::get<2>(where)] = std::move(value);
        pending_.clear();
        return true;
    }
    int writes() const { return writes_; }
    int flushes() const { return flushes_; }
    // A store that stands for a full disk or a read-only folder: its flushes fail and keep
    // nothing of what was written since the last one that succeeded.
    void setFailing(bool failing) { failing_ = failing; }
    // What the disk holds: the writes no flush put there are dropped, and writes work again.
    void discardUnflushed()
    {
        pending_.clear();
        failing_ = false;
    }

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
    bool failing_ = false;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> pending_;
    int writes_ = 0;
    int flushes_ = 0;
};

} // namespace melvane
