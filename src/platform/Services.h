#pragma once
#include "platform/FontCollection.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/System.h"

namespace platform {

// The outside world as the windows see it: real in the program, fakes in tests.
struct Services {
    FontCollection& fonts;
    Prompts& prompts;
    Shell& shell;
    System& system;
};

} // namespace platform
