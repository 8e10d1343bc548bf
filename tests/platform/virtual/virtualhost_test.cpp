#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/machine/controls.h"
#include "platform/virtual/virtualhost.h"

namespace melvane {
namespace {

// Timers tick at their intervals; one stopped and started again counts its interval afresh;
// timers due at the same instant tick in the order they were started.
TEST(VirtualHostTimers, TimersTickInTheOrderTheyFallDue)
{
    VirtualHost host;
    std::vector<std::string> ticks;
    Timer a("a", 100);
    Timer b("b", 100);
    Timer c("c", 250);
    for (Timer *t : {&a, &b, &c}) {
        t->attach(&host);
        t->setAction([&ticks, &host, t] { ticks.push_back(t->name() + std::to_string(host.now())); });
    }
    b.start();
    a.start();
    c.start();
    host.advance(150);
    a.stop();
    host.advance(20);
    a.start(); // at 170: next due at 270
    host.advance(130);

    EXPECT_EQ(ticks, (std::vector<std::string>{"b100", "a100", "b200", "c250", "a270", "b300"}));
}

} // namespace
} // namespace melvane
