#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include <QObject>

#include "platform/qt/pictures/pictures.h"

namespace melvane {

// The pictures at the size the window shows them. The design set is there from the start; a
// set for another ratio is drawn afresh from the artwork on a worker thread when asked for,
// so the pictures stay sharp at any size. Until it is ready the set shown before stands in,
// drawn scaled. Lives on the thread of the windows.
class ScaledPictures : public QObject {
public:
    explicit ScaledPictures(const Pictures &design);
    ~ScaledPictures() override;
    ScaledPictures(const ScaledPictures &) = delete;
    ScaledPictures &operator=(const ScaledPictures &) = delete;

    // Asks for the pictures at `devicePixelRatio` device pixels to a design pixel and returns
    // at once. The design set's own ratio needs no drawing.
    void request(qreal devicePixelRatio);
    // The sharpest set at hand: the one drawn at the ratio asked for once it is ready, until
    // then the one shown before or the design set.
    const Pictures &current() const;
    // The design set, drawn at start-up.
    const Pictures &design() const { return design_; }
    // current() is drawn at the ratio asked for last.
    bool sharp() const;
    // Called on the windows' thread whenever current() changes.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
    // Blocks until the set asked for has taken over (benchmarks and screenshots).
    void waitUntilSharp();

private:
    void startDrawing();
    void collect();

    const Pictures &design_;
    std::unique_ptr<Pictures> drawn_;
    qreal wanted_;
    qreal drawing_ = 0; // the ratio the worker draws at, 0 while it is idle
    unsigned drawings_ = 0; // drawings started so far; only the thread of the windows counts
    std::thread worker_;
    std::mutex resultMutex_;
    std::unique_ptr<Pictures::Images> result_;
    std::function<void()> onChange_;
};

} // namespace melvane
