#pragma once
// The six editing commands. They act on the text box the user last worked in, as the
// edit-target marker names it, not on the focused control: a click on a picture button
// or the menu may have taken the focus away.
#include "forms/MainForm.h"

namespace editing {

ui::TextBox& target(forms::MainForm& main);

void undoEdit(forms::MainForm& main);
void cutSelection(forms::MainForm& main);
void copySelection(forms::MainForm& main);
void pasteText(forms::MainForm& main);
void deleteSelection(forms::MainForm& main);
void selectAll(forms::MainForm& main);

} // namespace editing
