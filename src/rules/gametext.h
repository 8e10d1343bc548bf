#pragma once

namespace melvane {

// Marks the game's English texts for translation. `GameText::tr` stands for the text itself:
// the game keeps its English, and a window looks the text up in the player's language. Qt's
// lupdate finds the texts by the call and files them all under one context, the class's name
// (which it gives them too where it cannot tell which class a call is on).
struct GameText {
#ifdef MELVANE_LUPDATE
    Q_DECLARE_TR_FUNCTIONS(GameText)
#endif
    static constexpr const char *tr(const char *text) { return text; }
    // A text with a count (%n), which a language may word by the count: singular, plural...
    static constexpr const char *tr(const char *text, const char *, int) { return text; }
};
// The count of a counted text is only known where it is shown.
inline constexpr int kCounted = -1;
inline constexpr const char *kGameTextContext = "GameText";

} // namespace melvane
