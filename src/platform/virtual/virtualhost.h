#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "rules/reelstrips.h"
#include "game/ports/host.h"
#include "game/ports/settingsstore.h"

namespace melvane {

// A host on a virtual clock, for tests and tools: timers fire at their intervals in order as
// the clock is advanced, sleeps and waits cost no real time, random draws can be scripted,
// clips and message boxes are recorded, and the settings store lives in memory.
class VirtualHost : public Host {
public:
    explicit VirtualHost(std::uint64_t seed = 1);

    // ---- the clock
    std::int64_t now() const { return now_; }
    // Moves the clock forward, firing every timer as it falls due.
    void advance(std::int64_t ms);
    // Advances in steps of `stepMs` until `done` holds or `limitMs` has passed; true if it held.
    bool advanceUntil(const std::function<bool()> &done, std::int64_t limitMs, std::int64_t stepMs = 100);

    // ---- scripted input
    void queueUniform(double r) { uniforms_.push_back(r); }
    // The next draw of 1..n will give k.
    void queueDraw(int n, int k) { queueUniform((k - 0.5) / n); }
    void queueStops(const Stops &stops);
    std::size_t queuedDraws() const { return uniforms_.size(); }
    // Runs `input` at the next processing of events, before any timer (a click or a key).
    void post(std::function<void()> input) { postAt(now_, std::move(input)); }
    // Runs `input` at the first processing of events once the clock has reached `atMs`.
    void postAt(std::int64_t atMs, std::function<void()> input) { posted_.push_back({atMs, std::move(input)}); }
    void queueAnswer(MessageAnswer a) { answers_.push_back(a); }
    // The player's quick stop (a click on the reels, the space bar) during the frame pause in
    // progress; true when a landing took it.
    bool pressQuickStop();
    // Whether a landing is watching for the quick stop now.
    bool quickStopWatched() const { return static_cast<bool>(quickStop_); }

    // ---- the end of a run and the next one
    // The program is ending: from now on every yield, wait and pause returns at once, no timer
    // fires and no posted input is delivered, so a handler that was interrupted runs to its end
    // as it would while a real program quits.
    void endProgram() { ended_ = true; }
    bool ended() const { return ended_; }
    // A new run of the program on the same store and clock: the timers and the input of the run
    // that ended are forgotten. The machine of the old run must be gone before the new one starts.
    void startProgram();

    // ---- what the game did
    struct ClipEvent {
        std::int64_t at = 0;
        std::optional<Clip> clip; // nullopt: stop
        bool looped = false;
    };
    std::vector<ClipEvent> clips;
    bool recordClips = true;
    std::vector<MessageBoxRequest> messages;
    std::function<void(const MessageBoxRequest &)> onMessage; // called as each message is shown
    // Every uniform draw the game took, in order, while `recordDraws` holds.
    bool recordDraws = false;
    std::vector<double> draws;
    std::uint64_t sleeps = 0;
    std::int64_t sleptMs = 0;
    std::function<void(int)> onSleep; // called at every frame pause, with its length
    MousePointer pointer = MousePointer::Default;
    InMemorySettingsStore store;

    std::vector<Clip> clipsPlayed() const;

    // ---- Host
    void processEvents() override;
    void processEventsUntil(std::int64_t deadlineMs) override;
    void sleep(int ms) override;
    void setQuickStop(std::function<void()> stop) override { quickStop_ = std::move(stop); }
    std::int64_t monotonicMs() override { return now_; }
    double uniform() override;
    void playClip(Clip clip, bool looped) override;
    void stopClips() override;
    MessageAnswer showMessage(const MessageBoxRequest &request) override;
    SettingsStore &settings() override { return store; }
    void setMousePointer(MousePointer p) override { pointer = p; }
    void timerChanged(Timer &timer) override;
    int screenLogicalDpi() override { return logicalDpi; }
    void loadClips() override { ++clipLoads; }
    bool changeDisplayMode() override
    {
        ++displayModeChanges;
        return displayModeChangeWorks;
    }
    void restoreDisplayMode() override { ++displayModeRestores; }
    bool claimSettings() override { return !settingsHeldElsewhere; }

    int logicalDpi = 96;
    int clipLoads = 0;
    int displayModeChanges = 0;
    int displayModeRestores = 0;
    bool displayModeChangeWorks = true;
    bool settingsHeldElsewhere = false; // another copy of the game runs on the same settings

private:
    struct Scheduled {
        Timer *timer = nullptr;
        std::int64_t due = 0;
        std::uint64_t order = 0;
    };
    // The enabled timer due first at or before `limit`, skipping those ticking and `skip`.
    Scheduled *nextDue(std::int64_t limit, const std::vector<Timer *> &skip);
    // The schedule of a timer, made when it is first seen.
    Scheduled &scheduleOf(Timer *timer);
    void fire(Scheduled &at);
    void runPosted();

    std::int64_t now_ = 0;
    bool ended_ = false;
    std::uint64_t order_ = 0;
    // The running timers, searched at every yield of the game: a few, so a flat list beats a tree.
    std::vector<Scheduled> scheduled_;
    std::deque<double> uniforms_;
    struct Posted {
        std::int64_t at;
        std::function<void()> input;
    };
    std::deque<Posted> posted_;
    std::deque<MessageAnswer> answers_;
    std::function<void()> quickStop_;
    std::mt19937_64 engine_;
};

} // namespace melvane
