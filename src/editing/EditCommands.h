#pragma once
// The six editing commands. They act on the text box the user last worked in, as the
// edit-target marker names it, not on the focused control: a click on a picture button
// or the menu may have taken the focus away.
#include "forms/MainForm.h"

namespace editing {

ui::TextBox& target(forms::MainForm& main);

void UndoCode(forms::MainForm& main);
void CutCode(forms::MainForm& main);
void CopyCode(forms::MainForm& main);
void PasteCode(forms::MainForm& main);
void DelCode(forms::MainForm& main);
void SelectAllCode(forms::MainForm& main);

} // namespace editing
