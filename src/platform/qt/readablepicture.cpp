#include "platform/qt/readablepicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace melvane {

namespace {

using Reading = ReadablePicture::Reading;

// One line of a picture: a text of its own to a screen reader, where it stands on the screen.
// It reads the lines as they are now: past the end of fewer lines it is no longer valid.
class LineInterface : public QAccessibleInterface {
public:
    LineInterface(QWidget *widget, std::shared_ptr<const Reading> reading, std::size_t line)
        : widget_(widget), reading_(std::move(reading)), line_(line)
    {
    }

    bool isValid() const override { return !widget_.isNull() && line_ < reading_->lines.size(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() != nullptr ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(widget_.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? reading_->lines[line_].text : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        // The picture fills the widget, at whatever size the window is shown.
        const qreal x = static_cast<qreal>(widget_->width()) / reading_->design.width();
        const qreal y = static_cast<qreal>(widget_->height()) / reading_->design.height();
        const QRect box = reading_->lines[line_].box;
        const QRect shown = QRectF(box.x() * x, box.y() * y, box.width() * x, box.height() * y).toRect();
        return {widget_->mapToGlobal(shown.topLeft()), shown.size()};
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !isValid() || !widget_->isVisible();
        s.readOnly = true;
        return s;
    }

private:
    QPointer<QWidget> widget_;
    std::shared_ptr<const Reading> reading_;
    std::size_t line_;
};

// The picture: an image whose children are its lines. Qt's registry keeps the lines' interfaces,
// made the first time they are asked for and deleted with this one.
class PictureInterface : public QAccessibleWidget {
public:
    PictureInterface(QWidget *widget, std::shared_ptr<const Reading> reading)
        : QAccessibleWidget(widget, QAccessible::Graphic), reading_(std::move(reading))
    {
    }
    ~PictureInterface() override
    {
        for (const QAccessible::Id id : lines_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(reading_->lines.size()); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (lines_.size() <= static_cast<std::size_t>(index))
            lines_.push_back(
                QAccessible::registerAccessibleInterface(new LineInterface(widget(), reading_, lines_.size())));
        return QAccessible::accessibleInterface(lines_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

private:
    std::shared_ptr<const Reading> reading_;
    mutable std::vector<QAccessible::Id> lines_;
};

// What each readable widget reads, by the widget.
QHash<const QObject *, std::shared_ptr<const Reading>> &readings()
{
    static QHash<const QObject *, std::shared_ptr<const Reading>> all;
    return all;
}

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    const auto reading = readings().constFind(object);
    if (widget == nullptr || reading == readings().constEnd())
        return nullptr;
    return new PictureInterface(widget, *reading);
}

} // namespace

ReadablePicture::ReadablePicture(QWidget &widget, QSize design)
    : widget_(widget), reading_(std::make_shared<Reading>(Reading{{}, design}))
{
    static const bool installed = (QAccessible::installFactory(interfaceFor), true);
    (void)installed;
    readings().insert(&widget_, reading_);
    // An interface made for the widget before it was readable is made again, as a picture's.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&widget_);
    if (dynamic_cast<PictureInterface *>(made) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

ReadablePicture::~ReadablePicture()
{
    // An interface still asked for while the widget goes reads nothing.
    reading_->lines.clear();
    readings().remove(&widget_);
}

void ReadablePicture::setLines(std::vector<DrawnText> lines)
{
    const bool reordered = lines.size() != reading_->lines.size();
    reading_->lines = std::move(lines);
    QStringList all;
    for (const DrawnText &line : reading_->lines)
        all << line.text;
    widget_.setAccessibleDescription(all.join(QLatin1Char('\n')));
    if (!QAccessible::isActive())
        return;
    // A screen reader keeps what it read: it hears of every line that changed.
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(&widget_);
    if (reordered) {
        QAccessibleEvent event(picture, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
    for (int i = 0; i < picture->childCount(); ++i) {
        QAccessibleEvent event(picture->child(i), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace melvane
