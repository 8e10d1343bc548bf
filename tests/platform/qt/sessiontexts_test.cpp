// Every caption and message of a long session of hostile play, as the windows word them: in
// English byte for byte what the game has, and in another language never the English words.
#include <QCoreApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

#include "game/explorer/explorer.h"
#include "game/explorer/internal.h"
#include "game/machine/melvane.h"
#include "game/profiles/optionswindow.h"
#include "platform/qt/gametexts.h"
#include "platform/qt/languages.h"

namespace melvane {
namespace {

// The controls of the main window and, while it is open, of the options window that show words.
std::vector<const Control *> wordedControls(const explorer::Settings::Sight &seen)
{
    const Melvane &m = seen.machine;
    std::vector<const Control *> all = {&m.COINSIN,      &m.cmdfastmoney,       &m.takewin,        &m.doublebutton,
                                        &m.autoplayon,   &m.autoplayoff,        &m.pannomoney,     &m.PANELBANK,
                                        &m.Lblcredit,    &m.LABLAST,            &m.lbllast,        &m.LABWIN,
                                        &m.lblwin,       &m.lblcurrentwin,      &m.spinsleft,      &m.lblsession,
                                        &m.lblautoplay,  &m.gamble.betred,      &m.gamble.betblack, &m.gamble.cancelbet,
                                        &m.gamble.risklab, &m.gamble.lblblackred, &m.gamble.lblsuit, &m.gamble.Label1};
    for (std::size_t i = 1; i <= 5; ++i) {
        all.push_back(&m.play[i]);
        all.push_back(&m.payline[i]);
    }
    if (const OptionsWindow *o = seen.options) {
        const std::initializer_list<const Control *> labels = {
            &o->lblplayername, &o->lblcurrentplayer, &o->lblgames, &o->lblwager,     &o->lbltotalwon,
            &o->lblwinlose,    &o->lblreturned,      &o->lblinvested, &o->lblfreespins, &o->fastslow,
            &o->speedlab,      &o->btnokplayer,      &o->Btndeletedetails, &o->cmdlargescreen, &o->cmdorigonal,
            &o->Text1};
        for (const Control *c : labels)
            all.push_back(c);
        for (std::size_t i = 1; i <= 6; ++i)
            all.push_back(&o->machine[i]);
        for (std::size_t i = 1; i <= 2; ++i)
            all.push_back(&o->sounds[i]);
    }
    return all;
}

struct Shown {
    std::string english, shown;
};

// Plays a long hostile session and hands every caption, window title and message on the way,
// as the English and as the windows show it, to `look`.
void playWatching(const std::function<void(const Shown &)> &look)
{
    explorer::Settings settings;
    settings.seed = 20261210;
    std::size_t messagesSeen = 0;
    settings.observe = [&](const explorer::Settings::Sight &seen) {
        for (const Control *c : wordedControls(seen))
            look({c->caption(), GameTexts::caption(*c).toStdString()});
        look({seen.machine.caption, GameTexts::text(seen.machine.captionWording).toStdString()});
        if (seen.messages.size() < messagesSeen)
            messagesSeen = 0;
        for (; messagesSeen < seen.messages.size(); ++messagesSeen) {
            const MessageBoxRequest &r = seen.messages[messagesSeen];
            look({r.title, GameTexts::text(r.titleWording).toStdString()});
            look({r.text, GameTexts::text(r.textWording).toStdString()});
        }
    };
    const explorer::RunResult run = explorer::explore(settings, 10'000);
    ASSERT_FALSE(run.failure) << run.failure->check << ": " << run.failure->detail;
}

struct Application {
    int argc = 1;
    char name[16] = "sessiontexts";
    char *argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
};

TEST(SessionTexts, InEnglishEveryCaptionAndMessageIsShownByteForByteAsTheGameHasIt)
{
    Application a;
    GameTexts::setLanguage(installTranslations(a.app, std::string("en")));
    std::set<std::string> different, distinct;
    playWatching([&](const Shown &s) {
        distinct.insert(s.english);
        if (s.shown != s.english)
            different.insert("\"" + s.english + "\" shown as \"" + s.shown + "\"");
    });
    EXPECT_TRUE(different.empty()) << ::testing::PrintToString(different);
    // The session reached the game's many texts, not a handful.
    EXPECT_GT(distinct.size(), 300u) << "texts compared";
}

TEST(SessionTexts, InGermanNoTextIsLeftInEnglishButNamesAndNumbers)
{
    Application a;
    GameTexts::setLanguage(installTranslations(a.app, std::string("de")));
    // Three letters running in a row make a word; a text of no word at all is a number or money.
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    // The game's name and the symbols, and the player names the session typed, stay as they are.
    static const QRegularExpression kept(QStringLiteral("^(Slots?[ _])?Melvane$"), QRegularExpression::CaseInsensitiveOption);
    std::set<std::string> typed;
    for (const std::string &name : explorer::typedNames())
        typed.insert(QString::fromStdString(name).toUpper().toStdString());
    std::set<std::string> english;
    std::size_t compared = 0;
    playWatching([&](const Shown &s) {
        const QString shown = QString::fromStdString(s.shown);
        if (!word.match(shown).hasMatch() || typed.count(shown.toUpper().toStdString()) != 0 || kept.match(shown).hasMatch())
            return;
        ++compared;
        if (s.shown == s.english)
            english.insert(s.english);
    });
    GameTexts::setLanguage(QLocale(QLocale::English));
    EXPECT_TRUE(english.empty()) << ::testing::PrintToString(english);
    EXPECT_GT(compared, 1000u) << "texts of words compared";
}

} // namespace
} // namespace melvane
