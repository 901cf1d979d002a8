#pragma once
// The six editing commands. They act on the text box the user last worked in, as the
// edit-target marker names it, not on the focused control: a click on a picture button
// or the menu may have taken the focus away.
#include "ui/MainForm.h"

namespace editing {

ui::TextBox& target(ui::MainForm& main);

void UndoCode(ui::MainForm& main);
void CutCode(ui::MainForm& main);
void CopyCode(ui::MainForm& main);
void PasteCode(ui::MainForm& main);
void DelCode(ui::MainForm& main);
void SelectAllCode(ui::MainForm& main);

} // namespace editing
