// The pay-table window: a picture drawn from the machine's own tables, so it cannot disagree
// with what the machine pays.
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "rules/grid.h"
#include "rules/outcometable.h"
#include "rules/parsheet.h"
#include "rules/paytable.h"
#include "rules/payoutcontrol.h"
#include "rules/returntoplayer.h"
#include "rules/scatters.h"
#include "screen.h"

namespace melvane {
namespace {

using testing_support::Screen;

const PaytablePicture &openPaytable(Screen &s)
{
    s.choose("mnuptble");
    EXPECT_TRUE(s.sides.paytable.isVisible());
    return s.sides.paytable.shown();
}

bool shows(const PaytablePicture &p, const QString &text)
{
    return std::any_of(p.texts.begin(), p.texts.end(), [&text](const DrawnText &t) { return t.text == text; });
}

// The texts drawn inside `area`, by the top of their box.
std::vector<DrawnText> textsWithin(const PaytablePicture &p, const QRect &area)
{
    std::vector<DrawnText> inside;
    for (const DrawnText &t : p.texts)
        if (area.contains(t.box))
            inside.push_back(t);
    return inside;
}

TEST(PaytableWindow, OpensWithItsCaptionAndItsCloseButton)
{
    Screen s;
    ASSERT_TRUE(s.loaded);

    openPaytable(s);

    EXPECT_EQ(s.sides.paytable.windowTitle(), QStringLiteral("PAYTABLE"));
    auto *close = Screen::child<QPushButton>(s.sides.paytable, "Command1");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("close  paytable"));
    EXPECT_EQ(close->geometry(), QRect(418, 7, 73, 33));
    EXPECT_FALSE(s.sides.paytable.shown().picture.isNull());
}

TEST(PaytableWindow, EveryPayOfThePayTableStandsBesideItsSymbolAndNoOther)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    const PaytablePicture &p = openPaytable(s);

    ASSERT_EQ(p.symbols.size(), kPayingSymbols.size());
    for (const DrawnSymbol &drawn : p.symbols) {
        const std::string_view name = symbolName(drawn.symbol);
        SCOPED_TRACE(std::string(name));
        const std::vector<DrawnText> inside = textsWithin(p, drawn.area);
        EXPECT_TRUE(std::any_of(inside.begin(), inside.end(), [&name](const DrawnText &t) {
            return t.text == QString::fromUtf8(name.data(), static_cast<int>(name.size()));
        }));
        for (int run = 2; run <= kReels; ++run) {
            SCOPED_TRACE(run);
            const auto label = std::find_if(inside.begin(), inside.end(),
                                             [run](const DrawnText &t) { return t.text == runLabel(run); });
            const int pay = basePay(drawn.symbol, run);
            if (pay == 0) {
                EXPECT_EQ(label, inside.end()) << "a run the table does not pay is not shown";
                continue;
            }
            ASSERT_NE(label, inside.end());
            EXPECT_TRUE(std::any_of(inside.begin(), inside.end(), [&](const DrawnText &t) {
                return t.text == payLabel(pay) && t.box.top() == label->box.top();
            })) << "pay " << pay << " on the line of its run";
        }
    }
}

TEST(PaytableWindow, TheReturnShownUnderEachPayoutSettingIsTheExactReturnOfTheWaysInPlay)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    for (const int waysmult : kWaysMults) {
        SCOPED_TRACE(waysmult);
        s.m.waysmult = static_cast<std::int16_t>(waysmult);
        const PaytablePicture &p = openPaytable(s);

        EXPECT_TRUE(shows(p, QStringLiteral("Return to player at %1 ways").arg(waysForWaysmult(waysmult))));
        const OutcomeDistribution d = enumerateOutcomes(OutcomeTable(waysmult));
        for (const int machinepay : kPayoutSettings) {
            SCOPED_TRACE(machinepay);
            const double exact = exactRtp(d, machinepay).totalReturn;
            EXPECT_TRUE(shows(p, QString::number(exact * 100.0, 'f', 2) + QStringLiteral(" %")));
            const std::string_view name = payoutSettingName(machinepay);
            EXPECT_TRUE(shows(p, QString::fromUtf8(name.data(), static_cast<int>(name.size()))));
        }
        s.sides.paytable.close();
        ASSERT_FALSE(s.sides.paytable.isVisible());
    }
}

TEST(PaytableWindow, UnderTheReturnsItTellsTheVolatilityOfTheSettingInForce)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    for (const int waysmult : {1, 25}) {
        const OutcomeDistribution d = enumerateOutcomes(OutcomeTable(waysmult));
        for (const int machinepay : kPayoutSettings) {
            SCOPED_TRACE(std::to_string(waysmult) + " " + std::to_string(machinepay));
            s.m.waysmult = static_cast<std::int16_t>(waysmult);
            s.m.g.machinepay = static_cast<std::int16_t>(machinepay);
            const PaytablePicture &p = openPaytable(s);
            const Volatility exact = volatilityOf(shownSpins(d, machinepay));
            const auto line = std::find_if(p.texts.begin(), p.texts.end(), [](const DrawnText &t) {
                return t.text.startsWith(QStringLiteral("Volatility: "));
            });
            ASSERT_NE(line, p.texts.end());
            EXPECT_EQ(line->text, volatilityLabel(exact));
            const auto sessions = std::find_if(p.texts.begin(), p.texts.end(), [](const DrawnText &t) {
                return t.text.startsWith(QStringLiteral("9 in 10 sessions of 1,000 spins return between "));
            });
            ASSERT_NE(sessions, p.texts.end());
            EXPECT_EQ(sessions->text, sessionsLabel(exact));
            // Both lines under the returns, inside the picture.
            const auto returns = std::find_if(p.texts.begin(), p.texts.end(), [](const DrawnText &t) {
                return t.text.startsWith(QStringLiteral("Return to player at "));
            });
            ASSERT_NE(returns, p.texts.end());
            EXPECT_GT(line->box.top(), returns->box.bottom());
            EXPECT_GT(sessions->box.top(), line->box.top());
            EXPECT_LE(sessions->box.bottom(), p.picture.height() / p.picture.devicePixelRatio());
            s.sides.paytable.close();
        }
    }
}

TEST(PaytableWindow, VolatilityLinesSayTheWordAndTheRangeInWholePercents)
{
    Volatility v;
    v.volatilityIndex = 9.8455;
    v.sessions[1] = {1'000, 0.48534, 1.10803};
    EXPECT_EQ(volatilityLabel(v).toStdString(), "Volatility: medium");
    EXPECT_EQ(sessionsLabel(v).toStdString(), "9 in 10 sessions of 1,000 spins return between 49% and 111%");
    v.volatilityIndex = 34.9;
    v.sessions[1] = {1'000, 0.0, 2.5};
    EXPECT_EQ(volatilityLabel(v).toStdString(), "Volatility: very high");
    EXPECT_EQ(sessionsLabel(v).toStdString(), "9 in 10 sessions of 1,000 spins return between 0% and 250%");
}

TEST(PaytableWindow, TheScatterPaysAndFreeSpinsComeFromTheScatterRules)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    const PaytablePicture &p = openPaytable(s);

    const struct {
        int scatters;
        const char *pays;
        const char *spins;
    } cases[] = {
        {5, "100 x stake", "30 free spins"},
        {4, "10 x stake", "20 free spins"},
        {3, "2 x stake", "10 free spins"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.scatters);
        const auto label = std::find_if(p.texts.begin(), p.texts.end(), [&c](const DrawnText &t) {
            return t.text == QStringLiteral("%1 Scatters").arg(c.scatters);
        });
        ASSERT_NE(label, p.texts.end());
        for (const char *expected : {c.pays, c.spins})
            EXPECT_TRUE(std::any_of(p.texts.begin(), p.texts.end(), [&](const DrawnText &t) {
                return t.text == QString::fromLatin1(expected) && t.box.top() == label->box.top();
            })) << expected;
    }
    EXPECT_TRUE(shows(p, QStringLiteral("In free spins every win is multiplied by 2, 3, 5 or 10.")));
}

TEST(PaytableWindow, SaysPlainlyHowOftenAWinAboveTwiceTheStakeStands)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    const PaytablePicture &p = openPaytable(s);

    EXPECT_TRUE(shows(p, QStringLiteral("A win above twice the stake stands only with the chance the payout setting "
                                        "gives, 1 in 5, 3 or 2; otherwise the spin is drawn again.")));
}

TEST(PaytableWindow, TheReturnsAreWorkedOutOnceForEveryWaysSetting)
{
    const ReturnToPlayerCache cache;
    for (const int waysmult : kWaysMults) {
        SCOPED_TRACE(waysmult);
        const std::vector<RtpFigures> rows = cache.figures(waysmult);
        ASSERT_EQ(rows.size(), kPayoutSettings.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].waysmult, waysmult);
            EXPECT_EQ(rows[i].machinepay, kPayoutSettings[i]);
        }
    }
    EXPECT_TRUE(cache.figures(2).empty()) << "no ways setting has a stake multiplier of 2";
}

TEST(PaytableWindow, PercentLabelsRoundToTwoPlaces)
{
    const struct {
        double share;
        const char *label;
    } cases[] = {
        {0.796691, "79.67 %"},
        {1.0, "100.00 %"},
        {3.401234, "340.12 %"},
        {0.0, "0.00 %"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(percentLabel(c.share).toStdString(), c.label);
}

} // namespace
} // namespace melvane
