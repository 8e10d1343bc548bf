#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "game/machine/controls.h"

namespace melvane {

// The deck: four aces. Hearts and diamonds are red, clubs and spades black.
enum Card : int { Hearts = 1, Clubs = 2, Diamonds = 3, Spades = 4 };
inline constexpr int kCards = 4;

// Pictures of `imagelistcards`: the aces 1-4 by card, the joker 5, the suit tiles 6-9 by card.
inline constexpr int kJokerPicture = 5;
constexpr Picture cardPicture(int card) { return {ImageList::Cards, card, 0}; }
constexpr Picture jokerPicture() { return {ImageList::Cards, kJokerPicture, 0}; }
constexpr Picture tilePicture(int card) { return {ImageList::Cards, kJokerPicture + card, 0}; }

// A button that shows a picture.
class PictureButton : public Button {
public:
    using Button::Button;
    const Picture &picture() const { return picture_; }
    void setPicture(Picture p) { change(picture_, p); }

private:
    Picture picture_;
};

// Where things stand inside the panel, in twips.
namespace gamblelayout {
inline constexpr int kSuitSize = 810;
inline constexpr std::array<Geometry, 5> kSuitbet = {{
    {},
    {240, 1080, kSuitSize, kSuitSize},
    {2680, 1080, kSuitSize, kSuitSize},
    {240, 2640, kSuitSize, kSuitSize},
    {2680, 2640, kSuitSize, kSuitSize},
}};
// 100 x 153 pixels, between the two columns of suits.
inline constexpr Geometry kCardholder = {1170, 1080, 1500, 2295};
// Each colour button sits between the two suits of its colour.
inline constexpr Geometry kBetred = {240, 1965, kSuitSize, 600};
inline constexpr Geometry kBetblack = {2680, 1965, kSuitSize, 600};
inline constexpr Geometry kRisklab = {240, 120, 3360, 285};
inline constexpr Geometry kLblblackred = {240, 420, 3360, 285};
inline constexpr Geometry kLblsuit = {240, 720, 3360, 285};
inline constexpr Geometry kLabel1 = {360, 3600, 2895, 285};
inline constexpr Geometry kCancelbet = {700, 5265, 2250, 345};

// The strip of past cards: five places, oldest on the left.
inline constexpr int kStripPlaces = 5;
inline constexpr int kStripLeft = 360;
inline constexpr int kStripPitch = 600;
inline constexpr int kStripTop = 3960;
inline constexpr int kStripSize = 495;
constexpr Geometry stripPlace(int place) // place 0..4
{
    return {kStripLeft + kStripPitch * place, kStripTop, kStripSize, kStripSize};
}

// The win and loss banners slide down from near the top to their resting place.
inline constexpr int kBannerLeft = 700;
inline constexpr int kBannerWidth = 2250;
inline constexpr int kBannerHeight = 450;
inline constexpr int kBannerDesignTop = 5000;
inline constexpr int kBannerSlideFirstTop = 10;
inline constexpr int kBannerSlideLastTop = 4800;
} // namespace gamblelayout

// The controls inside the gamble panel `pandouble`, and what the gamble keeps between clicks.
struct GamblePanel {
    PictureBox piccardholder{"piccardholder", "", gamblelayout::kCardholder};
    Button betred{"betred", GameText::tr("Red"), gamblelayout::kBetred};
    Button betblack{"betblack", GameText::tr("Black"), gamblelayout::kBetblack};
    std::array<PictureButton, 5> suitbet; // 1..4
    Button cancelbet{"cancelbet", GameText::tr("Collect"), gamblelayout::kCancelbet};
    Label risklab{"risklab", "", gamblelayout::kRisklab};
    Label lblblackred{"lblblackred", "", gamblelayout::kLblblackred};
    Label lblsuit{"lblsuit", "", gamblelayout::kLblsuit};
    PictureBox gamblewin{"gamblewin", "",
                         {gamblelayout::kBannerLeft, gamblelayout::kBannerDesignTop, gamblelayout::kBannerWidth,
                          gamblelayout::kBannerHeight}};
    PictureBox gamblelose{"gamblelose", "",
                          {gamblelayout::kBannerLeft, gamblelayout::kBannerDesignTop, gamblelayout::kBannerWidth,
                           gamblelayout::kBannerHeight}};
    std::array<PictureBox, 6> historypic; // 1..5
    Label Label1{"Label1", GameText::tr("past history"), gamblelayout::kLabel1};

    // What was taken out of the credit when the gamble opened: what a collect has really won
    // is the amount at risk less this.
    std::int32_t stakedAmount = 0;
    // The card drawn last (1..4), for the journal.
    int lastCard = 0;
    // The last card lost the stake: the panel only shows the loss now, nothing is at risk.
    bool lost = false;

    // Cards are resolved one at a time: a click that arrives while a card is being resolved
    // waits here until that card has been settled.
    bool resolvingCard = false;
    std::deque<Button *> waitingClicks;

    GamblePanel()
    {
        for (int i = 1; i <= kCards; ++i) {
            const auto k = static_cast<std::size_t>(i);
            suitbet[k] = PictureButton("suitbet(" + std::to_string(i) + ")", "", gamblelayout::kSuitbet[k]);
            suitbet[k].setPicture(tilePicture(i));
        }
        for (int place = 0; place < gamblelayout::kStripPlaces; ++place) {
            const auto k = static_cast<std::size_t>(place + 1);
            historypic[k] = PictureBox("historypic(" + std::to_string(place + 1) + ")", "",
                                       gamblelayout::stripPlace(place));
            historypic[k].hide();
        }
        piccardholder.setPicture(jokerPicture());
        gamblewin.hide();
        gamblelose.hide();
    }
    GamblePanel(const GamblePanel &) = delete;
    GamblePanel &operator=(const GamblePanel &) = delete;
};

} // namespace melvane
