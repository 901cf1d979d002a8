#pragma once
// The report command: the current font, size and effects written to a file the user names.
#include "forms/MainForm.h"
#include "platform/Prompts.h"

namespace report {

void saveReport(forms::MainForm& main, platform::Prompts& prompts); // ReportMenu, SaveReport

} // namespace report
