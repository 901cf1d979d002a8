#pragma once
// What a control or a window tells its handler, and the one way it is told.
#include "platform/CallbackGuard.h"

#include <functional>

namespace controls {

using Event = std::function<void()>;

// Raises an event handler without letting an exception reach the window system: a handler
// that fails ends there.
inline void raise(const Event& event) {
    if (event)
        platform::guardCallback(
            "an event handler", [&] { event(); }, [] {});
}

} // namespace controls
