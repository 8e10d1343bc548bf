#include "game/machine/controls.h"

#include "game/ports/host.h"

namespace melvane {

void Timer::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    if (host_ != nullptr)
        host_->timerChanged(*this);
}

void Timer::fire()
{
    if (!enabled_ || ticking_ || !action_)
        return;
    ticking_ = true;
    ++ticks_;
    action_();
    ticking_ = false;
}

} // namespace melvane
