#pragma once
// Loading a text file into the sample box.
#include <string>
#include <vector>

namespace platform {
class Prompts;
class System;
} // namespace platform
namespace ui {
class MainForm;
}

namespace editing {

// The largest text file loaded, however much memory is free: the sample box and the calls
// on its text count in int, so a larger file is one that cannot be read.
constexpr unsigned long long largestTextFile = 1ull << 30;

// Asks for a text file with ForOpen and loads it into the sample.
void OpenFile(ui::MainForm& mainForm, platform::Prompts& prompts, platform::System& system);

// Files dragged onto the main window: the first is loaded as OpenFile loads the chosen one.
void openDroppedFiles(ui::MainForm& mainForm, platform::System& system,
                      const std::vector<std::wstring>& files);

} // namespace editing
