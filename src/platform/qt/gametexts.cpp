#include "platform/qt/gametexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "rules/money.h"

namespace melvane {

namespace {

QLocale &chosen()
{
    static QLocale language(QLocale::English, QLocale::UnitedStates);
    return language;
}

QString translated(const char *text, int count = -1)
{
    return QCoreApplication::translate(kGameTextContext, text, nullptr, count);
}

} // namespace

void GameTexts::setLanguage(const QLocale &language) { chosen() = language; }
const QLocale &GameTexts::language() { return chosen(); }
bool GameTexts::isEnglish() { return chosen().language() == QLocale::English; }

QString GameTexts::text(const Wording &w)
{
    switch (w.kind()) {
    case Wording::Kind::Verbatim:
        return QString::fromStdString(w.text());
    case Wording::Kind::Money:
        return money(w.text());
    case Wording::Kind::Pattern:
        break;
    }
    // The translation's %n is filled by Qt; the values are put in as the English has them.
    const QString pattern = translated(w.text().c_str(), w.count() ? static_cast<int>(*w.count()) : -1);
    std::vector<std::string> args;
    args.reserve(w.args().size());
    for (const Wording &arg : w.args())
        args.push_back(text(arg).toStdString());
    return QString::fromStdString(fillPattern(pattern.toStdString(), args, w.count()));
}

QString GameTexts::text(const std::string &caption)
{
    if (caption.empty())
        return {};
    const QString shown = money(caption);
    if (shown != QString::fromStdString(caption))
        return shown;
    return translated(caption.c_str());
}

QString GameTexts::caption(const Control &control)
{
    return control.wording() ? text(*control.wording()) : text(control.caption());
}

QString GameTexts::money(std::int64_t coins) { return money(moneyCaption(coins)); }

QString GameTexts::money(const std::string &caption)
{
    const QString english = QString::fromStdString(caption);
    if (isEnglish())
        return english;
    static const QRegularExpression amount(QStringLiteral("^\\$ (-?)(\\d+)(?:\\.(\\d+))?$"));
    const QRegularExpressionMatch m = amount.match(english);
    if (!m.hasMatch())
        return english;
    const QLocale &l = chosen();
    QString number = l.toString(m.captured(2).toLongLong());
    if (!m.captured(3).isEmpty())
        number += l.decimalPoint() + m.captured(3);
    return QStringLiteral("$ ") + m.captured(1) + number;
}

} // namespace melvane
