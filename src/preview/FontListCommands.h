#pragma once
// Three commands on the font list: how many fonts, repaint, copy the selected name.
#include "forms/MainForm.h"
#include "platform/Prompts.h"

namespace preview {

void countFonts(forms::MainForm& main, platform::Prompts& prompts); // FontsCounter, FontCounterTool
void refreshList(forms::MainForm& main);                            // RefreshListMenu, RefreshList
void copyFontName(forms::MainForm& main, platform::Prompts& prompts); // CopyFontName

} // namespace preview
