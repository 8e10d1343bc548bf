#include "windowsession.h"

#include <QLabel>
#include <QTest>

namespace melvane::window_testing {

WindowSession::WindowSession(InMemorySettingsStore stored) : store(std::move(stored))
{
    host.setRefresh([this] { window.refresh(); });
    host.setRepaintReels([this] { window.repaintReels(); });
    m.load();
    window.move(0, 0);
    window.show();
    window.refresh();
}

double WindowSession::nextDraw()
{
    if (draws.empty())
        return static_cast<double>(unscripted() >> 11) * 0x1p-53;
    const double r = draws.front();
    draws.pop_front();
    return r;
}

void WindowSession::queueSpin(const Stops &stops, int payoutDraw, int multiplierDraw)
{
    for (int s : stops)
        queueDraw(kStops, s);
    if (multiplierDraw > 0)
        queueDraw(25, multiplierDraw);
    queueDraw(m.g.machinepay, payoutDraw);
}

QPushButton *WindowSession::button(const char *name) const
{
    return window.findChild<QPushButton *>(QString::fromLatin1(name));
}

QString WindowSession::text(const char *labelName) const
{
    const auto *label = window.findChild<QLabel *>(QString::fromLatin1(labelName));
    return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

void WindowSession::click(const char *buttonName) const
{
    if (QPushButton *b = button(buttonName))
        QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace melvane::window_testing
