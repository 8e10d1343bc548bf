// Every caption of the cabinet, in every language, fits its control at the design size: each
// line within the control's width and all of them within its height, in the control's own font.
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include "platform/qt/gametexts.h"
#include "windowsession.h"

namespace melvane::window_testing {
namespace {

// What does not fit in `widget` as it shows its text now; empty when it fits.
std::string overflow(const QWidget &widget, const QString &text)
{
    if (text.trimmed().isEmpty() || !widget.isVisibleTo(widget.window()))
        return {};
    const QFontMetrics metrics(widget.font());
    const QStringList lines = text.split('\n');
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
    // A single line stands in the middle of its control, whose height the design made for it.
    const int high = static_cast<int>(lines.size()) * metrics.height();
    if (widest <= widget.width() && (lines.size() == 1 || high <= widget.height()))
        return {};
    return widget.objectName().toStdString() + " \"" + text.toStdString() + "\": " + std::to_string(widest) + "x" +
           std::to_string(high) + " in " + std::to_string(widget.width()) + "x" + std::to_string(widget.height());
}

std::vector<std::string> overflows(const QWidget &window)
{
    std::vector<std::string> found;
    for (const QPushButton *b : window.findChildren<QPushButton *>())
        if (auto o = overflow(*b, b->text()); !o.empty())
            found.push_back(o);
    for (const QLabel *l : window.findChildren<QLabel *>())
        if (auto o = overflow(*l, l->wordWrap() ? QString() : l->text()); !o.empty())
            found.push_back(o);
    return found;
}

TEST(Fit, EveryCaptionOfTheCabinetFitsItsControlInEveryLanguage)
{
    for (const char *code : {"en", "de", "fr", "es"}) {
        SCOPED_TRACE(code);
        QTranslator translator;
        const bool translated = translator.load(QStringLiteral(":/i18n/melvane_%1.qm").arg(QLatin1String(code)));
        EXPECT_EQ(translated, std::string(code) != "en");
        if (translated)
            QCoreApplication::installTranslator(&translator);
        GameTexts::setLanguage(QLocale(QString::fromLatin1(code)));
        {
            WindowSession s;
            std::vector<std::string> found = overflows(s.window);
            // The captions that come and go: a refusal, a round's lines, the gamble's, autoplay's.
            s.m.pannomoney.show();
            s.m.spinsleft.show();
            s.m.spinsleft.setCaption(Wording(GameText::tr("     Freespins Remaining = %1"), {Wording::number(30)}));
            s.m.LABWIN.setCaption(GameText::tr("Good Luck"));
            s.m.lblautoplay.show();
            s.m.lblautoplay.setCaption(Wording(GameText::tr("Autoplay stopped: credit down more than %1 coins"),
                                               {Wording::number(10000)}));
            s.m.pandouble.show();
            s.m.gamble.risklab.setCaption(Wording(GameText::tr("At Risk  %1"), {Wording::number(1000000)}));
            s.m.gamble.lblblackred.setCaption(Wording(GameText::tr("Black/Red Win = %1"), {Wording::number(2000000)}));
            s.m.gamble.lblsuit.setCaption(Wording(GameText::tr("Suit Win = %1"), {Wording::number(4000000)}));
            s.window.refresh();
            for (std::string &o : overflows(s.window))
                found.push_back(std::move(o));
            EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
        }
        QCoreApplication::removeTranslator(&translator);
    }
    GameTexts::setLanguage(QLocale(QLocale::English));
}

} // namespace
} // namespace melvane::window_testing
