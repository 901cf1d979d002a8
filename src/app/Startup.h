#pragma once
// From the splash to the main window's first state.
#include "forms/MainForm.h"
#include "forms/ReadForm.h"
#include "platform/FontCollection.h"

#include <functional>

namespace app {

// The main window's load: the edit target, the font list filled with a yield after each
// name, the first font and the size 8 selected, Tahoma as the sample's font for now.
void loadMainForm(forms::MainForm& main, platform::FontCollection& fonts,
                  const std::function<void()>& yield);

// One tick of the splash's timer: load the main window, reset the sample, show the main
// window and hide the splash. Every step goes on when one before it failed. The timer is
// switched off only once the splash reports itself hidden, so a failed hide is retried.
void readingSequence(forms::ReadForm& splash, forms::MainForm& main);

} // namespace app
