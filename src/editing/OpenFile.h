#pragma once
// Loading a text file into the sample box.
#include "platform/Prompts.h"
#include "ui/MainForm.h"

namespace editing {

void OpenFile(ui::MainForm& main, platform::Prompts& prompts); // OpenButton, OpenFileMenu

} // namespace editing
