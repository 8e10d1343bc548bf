#include "platform/qt/pictures/scaledpictures.h"

#include <QMetaObject>

namespace melvane {

namespace {

bool sameRatio(qreal a, qreal b) { return qAbs(a - b) < 1e-6; }

} // namespace

ScaledPictures::ScaledPictures(const Pictures &design) : design_(design), wanted_(design.devicePixelRatio()) {}

ScaledPictures::~ScaledPictures()
{
    // The drawing cannot be cut short; its answer, posted to this object, dies with it.
    if (worker_.joinable())
        worker_.join();
}

void ScaledPictures::request(qreal devicePixelRatio)
{
    if (devicePixelRatio <= 0 || sameRatio(devicePixelRatio, wanted_))
        return;
    wanted_ = devicePixelRatio;
    // A set at another ratio goes at once: two large sets would double the memory.
    if (drawn_ && !sameRatio(drawn_->devicePixelRatio(), wanted_)) {
        drawn_.reset();
        if (onChange_)
            onChange_();
    }
    startDrawing();
}

const Pictures &ScaledPictures::current() const { return drawn_ ? *drawn_ : design_; }

bool ScaledPictures::sharp() const { return sameRatio(current().devicePixelRatio(), wanted_); }

void ScaledPictures::startDrawing()
{
    if (drawing_ > 0 || sharp())
        return;
    drawing_ = wanted_;
    const qreal ratio = wanted_;
    const unsigned drawing = ++drawings_;
    worker_ = std::thread([this, ratio, drawing] {
        std::unique_ptr<Pictures::Images> images = Pictures::draw(ratio, Pictures::Contents::Window);
        {
            const std::lock_guard<std::mutex> lock(resultMutex_);
            result_ = std::move(images);
        }
        // A drawing already collected by waitUntilSharp() is not collected again.
        QMetaObject::invokeMethod(
            this,
            [this, drawing] {
                if (drawing == drawings_)
                    collect();
            },
            Qt::QueuedConnection);
    });
}

void ScaledPictures::collect()
{
    if (drawing_ <= 0)
        return;
    worker_.join();
    std::unique_ptr<Pictures::Images> images;
    {
        const std::lock_guard<std::mutex> lock(resultMutex_);
        images = std::move(result_);
    }
    const qreal ratio = drawing_;
    drawing_ = 0;
    // The window may have changed size again while the set was drawn: draw the newer one.
    if (images && sameRatio(ratio, wanted_)) {
        drawn_ = std::make_unique<Pictures>(std::move(images));
        if (onChange_)
            onChange_();
    } else {
        startDrawing();
    }
}

void ScaledPictures::waitUntilSharp()
{
    while (!sharp()) {
        startDrawing();
        collect();
    }
}

} // namespace melvane
