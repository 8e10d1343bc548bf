#pragma once

// Whether the texts of a window fit their controls, and a language to show them in.
#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTranslator>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/gametexts.h"

namespace melvane::testing_support {

// The game's texts in one of its languages ("en", "de"...) while it stands.
class ShownLanguage {
public:
    explicit ShownLanguage(const char *code)
    {
        english_ = std::string(code) == "en";
        const bool loaded = translator_.load(QStringLiteral(":/i18n/melvane_%1.qm").arg(QLatin1String(code)));
        EXPECT_EQ(loaded, !english_) << code;
        if (loaded)
            QCoreApplication::installTranslator(&translator_);
        GameTexts::setLanguage(QLocale(QString::fromLatin1(code)));
    }
    ~ShownLanguage()
    {
        if (!english_)
            QCoreApplication::removeTranslator(&translator_);
        GameTexts::setLanguage(QLocale(QLocale::English));
    }
    ShownLanguage(const ShownLanguage &) = delete;
    ShownLanguage &operator=(const ShownLanguage &) = delete;

private:
    QTranslator translator_;
    bool english_ = false;
};

inline const char *const kLanguages[] = {"en", "de", "fr", "es"};

// What does not fit when `text`, in `font`, is laid out in `room` (lines broken at '\n' and, with
// `wraps`, at blanks); empty when it fits. `room` is the space the control leaves its text.
inline std::string overflow(const std::string &name, const QString &text, const QFont &font, const QSize &room,
                            bool wraps = false)
{
    if (text.trimmed().isEmpty())
        return {};
    const QFontMetrics metrics(font);
    int wide = 0;
    int high = 0;
    if (wraps) {
        const QRect laid = metrics.boundingRect(QRect(QPoint(), room), Qt::TextWordWrap, text);
        wide = laid.width();
        high = laid.height();
    } else {
        const QStringList lines = text.split('\n');
        for (const QString &line : lines)
            wide = std::max(wide, metrics.horizontalAdvance(line.trimmed()));
        // A single line stands in the middle of its control, whose height the design made for it.
        high = lines.size() == 1 ? 0 : static_cast<int>(lines.size()) * metrics.height();
    }
    if (wide <= room.width() && high <= room.height())
        return {};
    return name + " \"" + text.toStdString() + "\": " + std::to_string(wide) + "x" + std::to_string(high) + " in " +
           std::to_string(room.width()) + "x" + std::to_string(room.height());
}

// Every text of `window`'s shown buttons, labels and group boxes that does not fit its control.
inline std::vector<std::string> overflows(const QWidget &window)
{
    std::vector<std::string> found;
    const auto note = [&found](std::string o) {
        if (!o.empty())
            found.push_back(std::move(o));
    };
    const auto shown = [&window](const QWidget *w) { return w->isVisibleTo(&window) || w == &window; };
    for (const QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
        if (!shown(b))
            continue;
        const std::string name = b->objectName().toStdString();
        if (qobject_cast<const QRadioButton *>(b) || qobject_cast<const QCheckBox *>(b)) {
            // The caption stands right of the indicator and its gap.
            const bool radio = qobject_cast<const QRadioButton *>(b) != nullptr;
            const QStyle &style = *b->style();
            const int indicator =
                style.pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, b) +
                style.pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
            note(overflow(name, b->text(), b->font(), {b->width() - indicator, b->height()}));
        } else if (qobject_cast<const QPushButton *>(b)) {
            // A button that breaks its caption at blanks says so; it keeps a small margin.
            if (b->property("wrapsText").toBool())
                note(overflow(name, b->text(), b->font(), b->size() - QSize(6, 4), true));
            else
                note(overflow(name, b->text(), b->font(), b->size()));
        }
    }
    for (const QLabel *l : window.findChildren<QLabel *>())
        if (shown(l) && l->pixmap().isNull() && l->textFormat() != Qt::RichText &&
            !(l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text())))
            note(overflow(l->objectName().toStdString(), l->text(), l->font(), l->contentsRect().size(),
                          l->wordWrap()));
    for (const QGroupBox *g : window.findChildren<QGroupBox *>())
        if (shown(g))
            note(overflow(g->objectName().toStdString(), g->title(), g->font(), {g->width() - 12, g->height()}));
    return found;
}

} // namespace melvane::testing_support
