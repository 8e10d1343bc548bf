#include "game/machine/melvane.h"

#include "game/machine/timing.h"

namespace melvane {

namespace {

constexpr std::array<int, 6> kReelWindowLeft = {0, 970, 3020, 5050, 7100, 9140};
constexpr int kReelWindowTop = 1025;
constexpr std::array<int, 6> kButtonLeft = {0, 570, 2100, 3630, 5160, 6690};

constexpr std::array<const char *, 6> kPlayCaptions = {"", GameText::tr("Bet 1 Coin"), GameText::tr("Bet 2 Coins"), GameText::tr("Bet 5 Coins"), GameText::tr("Bet 10 Coins"),
    GameText::tr("Bet 20 Coins")};
constexpr std::array<const char *, 6> kPaylineCaptions = {"", GameText::tr(" Play 3 Lines"), GameText::tr("Play 9 Lines"), GameText::tr("Play 27 Lines"),
    GameText::tr("Play 81 Lines"), GameText::tr("Play 243 Lines")};

} // namespace

MachineControls::MachineControls()
    : COINSIN("COINSIN", GameText::tr("Click For Credit"), {9750, 7695, 1530, 630}),
      cmdfastmoney("cmdfastmoney", "", {8220, 7695, 1530, 630}),
      takewin("takewin", "", {4785, 7335, 2430, 630}),
      doublebutton("doublebutton", GameText::tr("Click to double or lose win"), {9750, 7080, 1530, 630}),
      autoplayon("autoplayon", "", {8220, 7080, 1530, 630}),
      autoplayoff("autoplayoff", "", {8220, 7080, 1530, 630}),
      pannomoney("pannomoney", GameText::tr("Not Enough Credit For This Bet !!"), {1320, 3000, 7005, 495}),
      PANELBANK("PANELBANK"), Lblcredit("Lblcredit"), LABLAST("LABLAST"), lbllast("lbllast"), LABWIN("LABWIN"),
      lblwin("lblwin"), lblcurrentwin("lblcurrentwin"), spinsleft("spinsleft", "", {2000, 7500, 8000, 645}),
      piclastbet("piclastbet", GameText::tr("LAST BET")), picthiswin("picthiswin", GameText::tr("THIS WIN")), pandouble("pandouble", "", {3600, 975, 3840, 5655}),
      mnuabout("mnuabout", GameText::tr("&About")), mnuptble("mnuptble", GameText::tr("&Paytable")),
      mnuplayer("mnuplayer", GameText::tr("&Options")), mnuexit("mnuexit", GameText::tr("&Exit")),
      mnuhistory("mnuhistory", GameText::tr("&History")),
      // On the keyboard strip under the buttons, where the cabinet has nothing to say.
      lblsession("lblsession", "", {600, 8490, 5175, 330}), lblautoplay("lblautoplay", "", {6000, 8490, 5700, 330})
{
    for (int i = 1; i <= 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int width = i == 4 ? 1575 : 1530;
        play[k] = Button("play(" + std::to_string(i) + ")", kPlayCaptions[k], {kButtonLeft[k], 7695, width, 630});
        payline[k] = Button("payline(" + std::to_string(i) + ")", kPaylineCaptions[k], {kButtonLeft[k], 7080, 1530, 630});
    }
    for (int c = 1; c <= kCells; ++c) {
        const auto k = static_cast<std::size_t>(c);
        const int reel = reelOfCell(c);
        const Geometry cellBox = {kReelWindowLeft[static_cast<std::size_t>(reel)],
                                  kReelWindowTop + kCellTwips * static_cast<int>(rowOfCell(c)), kCellTwips, kCellTwips};
        flasher[k] = PictureBox("flasher(" + std::to_string(c) + ")", "", cellBox);
        flasher[k].setPicture(kCoverPicture);
        flasher[k].hide();
        Shape[k] = Control("Shape(" + std::to_string(c) + ")", "", cellBox);
        Shape[k].hide();
    }

    // How the window looks before the first spin.
    pannomoney.hide();
    takewin.hide();
    autoplayoff.hide();
    doublebutton.setEnabled(false);
    picthiswin.hide();
    lblcurrentwin.hide();
    spinsleft.hide();
    pandouble.hide();
    lblautoplay.hide();
}

MachineTimers::MachineTimers()
    : Tmrtick("Tmrtick", timing::kTmrtickMs), tmrautospin("tmrautospin", timing::kTmrautospinMs),
      Timerflash("Timerflash", timing::kPresentationTimerMs),
      timerballflash("timerballflash", timing::kPresentationTimerMs),
      Timerscatter("Timerscatter", timing::kPresentationTimerMs),
      Timerwincounter("Timerwincounter", timing::kPresentationTimerMs),
      Timerrespin("Timerrespin", timing::kPresentationTimerMs)
{
}

Melvane::Melvane(Host &host) : tmrsession("tmrsession", timing::kSessionClockMs), host_(host)
{
    for (int r = 1; r <= kReels; ++r) {
        reelstop[static_cast<std::size_t>(r)] = 1;
        reeltop[static_cast<std::size_t>(r)] = reeltopFor(1);
        reelPosition[static_cast<std::size_t>(r)] = reeltopFor(1);
    }

    for (int i = 1; i <= 5; ++i) {
        play[static_cast<std::size_t>(i)].setAction([this, i] { playClick(i); });
        payline[static_cast<std::size_t>(i)].setAction([this, i] { paylineClick(i); });
    }
    COINSIN.setAction([this] { coinsinClick(); });
    cmdfastmoney.setAction([this] { fastmoneyClick(); });
    COINSIN.setTakesPress([this] { return coinsinTakes(); });
    cmdfastmoney.setTakesPress([this] { return fastmoneyTakes(); });
    takewin.setAction([this] { takewinClick(); });
    autoplayon.setAction([this] { autoplayonClick(); });
    autoplayoff.setAction([this] { autoplayoffClick(); });
    doublebutton.setAction([this] { doublebuttonClick(); });
    gamble.betred.setAction([this] { betredClick(); });
    gamble.betblack.setAction([this] { betblackClick(); });
    for (int i = 1; i <= kCards; ++i)
        gamble.suitbet[static_cast<std::size_t>(i)].setAction([this, i] { suitbetClick(i); });
    gamble.cancelbet.setAction([this] { cancelbetClick(); });
    mnuexit.setAction([this] { shutdown(); });

    for (Timer *t : {&Tmrtick, &tmrautospin, &Timerflash, &timerballflash, &Timerscatter, &Timerwincounter,
                     &Timerrespin, &tmrsession})
        t->attach(&host_);
    tmrsession.setAction([this] { tickTmrsession(); });
    Tmrtick.setAction([this] { tickTmrtick(); });
    tmrautospin.setAction([this] { tickTmrautospin(); });
    Timerflash.setAction([this] { tickTimerflash(); });
    timerballflash.setAction([this] { tickTimerballflash(); });
    Timerscatter.setAction([this] { tickTimerscatter(); });
    Timerwincounter.setAction([this] { tickTimerwincounter(); });
    Timerrespin.setAction([this] { tickTimerrespin(); });
}

} // namespace melvane
