#pragma once
// From ReadForm to the main window's first state.
#include <functional>

namespace platform {
class FontCollection;
}
namespace ui {
class MainForm;
class ReadForm;
} // namespace ui

namespace app {

// The main window's load: the edit target, the font list filled with a yield after each
// name, the first font and the size 8 selected, Tahoma as the sample's font for now.
void loadMainForm(ui::MainForm& mainForm, platform::FontCollection& fonts,
                  const std::function<void()>& yield);

// One tick of ReadingTimer: load the main window, reset the sample, show the main window
// and hide ReadForm. Every step goes on when one before it failed. The timer is switched
// off only once ReadForm reports itself hidden, so a failed hide is retried.
void readingSequence(ui::ReadForm& readForm, ui::MainForm& mainForm);

} // namespace app
