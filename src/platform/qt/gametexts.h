#pragma once

#include <cstdint>
#include <string>

#include <QLocale>
#include <QString>

#include "game/machine/controls.h"
#include "game/machine/wording.h"

namespace melvane {

// The game's own texts in the player's language. The game core keeps its English; these look
// each text up in the translation loaded for the language chosen at start-up. With English, or
// with no translation, they give the English byte for byte.
class GameTexts {
public:
    // The language the texts are shown in; English unless a translation was chosen.
    static void setLanguage(const QLocale &language);
    static const QLocale &language();
    static bool isEnglish();

    // A pattern with its values put in, a value as it stands, an amount of money as the
    // language writes numbers.
    static QString text(const Wording &wording);
    // A caption set as a whole: a marked text, a number or a name (shown as they stand), or an
    // amount of money ("$ 12.5").
    static QString text(const std::string &caption);
    // A control's caption, by its parts when it was put together from them.
    static QString caption(const Control &control);
    // An amount in the design's form ("$ 1234.5") in the language's numbers ("$ 1.234,5").
    static QString money(const std::string &caption);
    static QString money(std::int64_t coins);
};

} // namespace melvane
