#pragma once
// Loading a text file into the sample box.
#include "platform/Prompts.h"
#include "ui/MainForm.h"

#include <string>
#include <vector>

namespace editing {

// The largest file the sample takes, in bytes.
extern const unsigned long long largestFile;

void OpenFile(ui::MainForm& main, platform::Prompts& prompts); // OpenButton, OpenFileMenu

// Files dragged onto the main window: the first is loaded as OpenFile loads the chosen one.
void openDroppedFiles(ui::MainForm& main, platform::Prompts& prompts,
                      const std::vector<std::wstring>& files);

} // namespace editing
