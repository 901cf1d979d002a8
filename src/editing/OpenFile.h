#pragma once
// Loading a text file into the sample box.
#include "forms/MainForm.h"
#include "platform/Prompts.h"
#include "platform/System.h"

#include <string>
#include <vector>

namespace editing {

// OpenButton, OpenFileMenu
void openTextFile(forms::MainForm& main, platform::Prompts& prompts, platform::System& system);

// Files dragged onto the main window: the first is loaded as openTextFile loads the chosen one.
void openDroppedFiles(forms::MainForm& main, platform::System& system,
                      const std::vector<std::wstring>& files);

} // namespace editing
