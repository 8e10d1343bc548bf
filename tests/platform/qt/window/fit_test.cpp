// Every caption of the cabinet, in every language, fits its control at the design size: each
// line within the control's width and all of them within its height, in the control's own font.
#include <gtest/gtest.h>

#include "platform/qt/fitting.h"
#include "windowsession.h"

namespace melvane::window_testing {
namespace {

using testing_support::overflows;

TEST(Fit, EveryCaptionOfTheCabinetFitsItsControlInEveryLanguage)
{
    for (const char *code : testing_support::kLanguages) {
        SCOPED_TRACE(code);
        const testing_support::ShownLanguage language(code);
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
}

} // namespace
} // namespace melvane::window_testing
