#pragma once

#include <memory>
#include <vector>

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace melvane {

// One text of a picture, with the box it stands in, in the picture's design pixels.
struct DrawnText {
    QString text;
    QRect box;
};

// What a screen reader reads of a widget that draws itself as one picture: line by line, each
// line an accessible text of its own where it stands in the picture, and all of them together
// the picture's description. The widget holds one, made once the widget is whole.
class ReadablePicture {
public:
    // `widget` shows the picture whole; `design` is the picture's size the boxes are given in.
    ReadablePicture(QWidget &widget, QSize design);
    ~ReadablePicture();
    ReadablePicture(const ReadablePicture &) = delete;
    ReadablePicture &operator=(const ReadablePicture &) = delete;

    const std::vector<DrawnText> &lines() const { return reading_->lines; }
    // Reads `lines` from now on; a screen reader is told that they changed.
    void setLines(std::vector<DrawnText> lines);

    // What the screen reader's interfaces read, which may outlive the widget: it is emptied then.
    struct Reading {
        std::vector<DrawnText> lines;
        QSize design;
    };

private:
    QWidget &widget_;
    std::shared_ptr<Reading> reading_;
};

} // namespace melvane
