#pragma once
// The report command: the current font, size and effects written to a file the user names.
#include "platform/Prompts.h"
#include "ui/MainForm.h"

namespace report {

void ReportCode(ui::MainForm& main, platform::Prompts& prompts); // ReportMenu, SaveReport

} // namespace report
