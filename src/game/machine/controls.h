#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "game/machine/wording.h"

namespace melvane {

class Host;

// Design position and size of a control, in twips (15 to a pixel).
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// One cell of a reel's strip picture, in twips; a reel at rest at a stop has the top of its
// picture that many cells above the window.
inline constexpr int kCellTwips = 1875;
constexpr std::int32_t reeltopFor(int stop) { return -kCellTwips * stop; }

// What the game logic drives of a control: the window layer shows it, the core never
// touches a widget. Every change bumps the revision, so the window can refresh cheaply.
class Control {
public:
    explicit Control(std::string name = {}, std::string caption = {}, Geometry geometry = {})
        : name_(std::move(name)), caption_(std::move(caption)), geometry_(geometry)
    {
    }

    const std::string &name() const { return name_; }
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    const std::string &caption() const { return caption_; }
    // The parts of a caption put together from them; none for a caption set as it stands.
    const std::optional<Wording> &wording() const { return wording_; }
    const Geometry &geometry() const { return geometry_; }
    unsigned revision() const { return revision_; }

    void setVisible(bool v) { change(visible_, v); }
    void setEnabled(bool e) { change(enabled_, e); }
    // A caption as it stands: a number, a name, or a whole text marked with GameText::tr.
    void setCaption(std::string c)
    {
        wording_.reset();
        change(caption_, std::move(c));
    }
    void setCaption(const char *c) { setCaption(std::string(c)); }
    // A caption put together from parts, kept as its parts for the player's language too.
    void setCaption(const Wording &w)
    {
        const bool same = wording_ == w;
        wording_ = w;
        change(caption_, w.english());
        if (!same)
            ++revision_;
    }
    void setGeometry(Geometry g)
    {
        geometry_ = g;
        ++revision_;
    }
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

protected:
    template <typename T>
    void change(T &field, T value)
    {
        if (field != value) {
            field = std::move(value);
            ++revision_;
        }
    }

private:
    std::string name_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::optional<Wording> wording_;
    Geometry geometry_;
    unsigned revision_ = 0;
};

class Button : public Control {
public:
    using Control::Control;
    void setAction(std::function<void()> action) { action_ = std::move(action); }
    // Whether a press would be taken now, beyond the enabled flag: a button whose action the
    // machine would refuse at this moment is shown disabled rather than lit and dead. The
    // window asks at every refresh.
    void setTakesPress(std::function<bool()> takes) { takes_ = std::move(takes); }
    bool hasPressCondition() const { return static_cast<bool>(takes_); }
    // Enabled, and its action would be taken now: what the window shows as a live button.
    bool live() const { return enabled() && (!takes_ || takes_()); }
    // A click, or a press from code: runs the click action only while the button is live.
    void press()
    {
        if (live() && action_)
            action_();
    }

private:
    std::function<void()> action_;
    std::function<bool()> takes_;
};

// The control the game asks to have the keyboard focus: a name ("" for the window itself) and
// a count of the requests, so the window gives the focus once per request and never takes it
// back from where the player has since moved it.
class FocusRequest {
public:
    FocusRequest &operator=(std::string name)
    {
        name_ = std::move(name);
        ++serial_;
        return *this;
    }
    void clear() { *this = std::string(); }
    const std::string &name() const { return name_; }
    bool empty() const { return name_.empty(); }
    unsigned serial() const { return serial_; }
    friend bool operator==(const FocusRequest &f, std::string_view name) { return f.name_ == name; }
    friend std::ostream &operator<<(std::ostream &out, const FocusRequest &f) { return out << '"' << f.name_ << '"'; }

private:
    std::string name_;
    unsigned serial_ = 0;
};

using Label = Control;
using Shape = Control;
using MenuItem = Button;

enum class ImageList { None, ImageList3, ImageList1, Cards };

// A picture from one of the window's image lists, optionally with a second one laid over it
// (white is transparent in ImageList3, so a badge over a note shows both).
struct Picture {
    ImageList list = ImageList::None;
    int index = 0;
    int overlay = 0; // index in the same list drawn on top, 0 for none
    friend bool operator==(const Picture &, const Picture &) = default;
};

// The music sheet of ImageList3: what a flasher shows at rest and what covers a cell.
inline constexpr Picture kCoverPicture{ImageList::ImageList3, 27, 0};

class PictureBox : public Control {
public:
    using Control::Control;
    const Picture &picture() const { return picture_; }
    void setPicture(Picture p) { change(picture_, p); }

private:
    Picture picture_;
};

// A window timer: an interval, an enabled flag and a tick action. The host schedules the
// ticks. A tick never runs inside its own tick, even when the action yields to events.
class Timer {
public:
    Timer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    const std::string &name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    bool ticking() const { return ticking_; }
    std::uint64_t ticks() const { return ticks_; }

    void attach(Host *host) { host_ = host; }
    void setAction(std::function<void()> action) { action_ = std::move(action); }
    // Enabling an enabled timer changes nothing; disabling and enabling again restarts it.
    void setEnabled(bool enabled);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

    // Called by the host when the interval has passed.
    void fire();

private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
    bool ticking_ = false;
    std::uint64_t ticks_ = 0;
    Host *host_ = nullptr;
    std::function<void()> action_;
};

} // namespace melvane
