#pragma once
// Three commands on the font list: how many fonts, repaint, copy the selected name.
#include "platform/Prompts.h"
#include "ui/MainForm.h"

namespace preview {

void countFonts(ui::MainForm& main, platform::Prompts& prompts);   // FontsCounter, FontCounterTool
void refreshList(ui::MainForm& main);                              // RefreshLisr, RefreshList
void copyFontName(ui::MainForm& main, platform::Prompts& prompts); // CopyFontName

} // namespace preview
