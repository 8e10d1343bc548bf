// The game's texts in the player's language: English untouched, a translation put in with the
// values as the English has them, money in the language's numbers.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "game/session/playersession.h"
#include "platform/qt/fitting.h"
#include "platform/qt/gametexts.h"

namespace melvane {
namespace {

struct English : ::testing::Test {
    void SetUp() override { GameTexts::setLanguage(QLocale(QLocale::English)); }
};

TEST_F(English, EveryKindOfTextIsShownByteForByteAsTheGameHasIt)
{
    const Wording cases[] = {
        GameText::tr("Not Enough Credit For This Bet !!"),
        Wording(GameText::tr("     Freespins Remaining = %1"), {Wording::number(7)}),
        signedCoinsText(-40),
        Wording(GameText::tr("Session %1     Net %2"),
                {Wording::verbatim("0:01:02"), Wording::counted(GameText::tr("%1%n coins (%2)", nullptr, kCounted), 125,
                                                                 {Wording::verbatim("+"), Wording::money(125)})}),
        Wording(GameText::tr("Current Player       %1"), {Wording::verbatim("ZOË %1 100%")}),
        Wording::money(123456789),
    };
    for (const Wording &w : cases)
        EXPECT_EQ(GameTexts::text(w).toStdString(), w.english());
    EXPECT_EQ(GameTexts::text(std::string("$ 0.25")), QStringLiteral("$ 0.25"));
}

TEST(OtherLanguages, MoneyIsWrittenInTheLanguagesNumbersWithTheDollarSignKept)
{
    const struct {
        QLocale::Language language;
        const char *english, *shown;
    } cases[] = {{QLocale::German, "$ 1234.5", "$ 1.234,5"},
                 {QLocale::French, "$ -0.4", "$ -0,4"},
                 {QLocale::Spanish, "$ 50", "$ 50"},
                 {QLocale::German, "Bet 1 Coin", "Bet 1 Coin"}}; // no translation loaded here
    for (const auto &c : cases) {
        GameTexts::setLanguage(QLocale(c.language));
        EXPECT_EQ(GameTexts::text(std::string(c.english)).toStdString(), c.shown) << c.english;
    }
    GameTexts::setLanguage(QLocale(QLocale::English));
}

TEST(OtherLanguages, ACountTakesThePluralOfItsSizeAndKeepsItsSign)
{
    const struct {
        const char *code;
        std::int64_t coins;
        const char *shown;
    } cases[] = {{"de", -48, "-48 Münzen ($ -0,48)"}, {"de", 1, "+1 Münze ($ 0,01)"}, {"de", -1, "-1 Münze ($ -0,01)"},
                 {"fr", 0, "0 jeton ($ 0)"},          {"es", -2, "-2 monedas ($ -0,02)"}};
    int argc = 1;
    char name[] = "gametexts_tests";
    char *argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    for (const auto &c : cases) {
        const testing_support::ShownLanguage language(c.code);
        EXPECT_EQ(GameTexts::text(signedCoinsText(c.coins)).toStdString(), c.shown) << c.code << " " << c.coins;
    }
}

} // namespace
} // namespace melvane
