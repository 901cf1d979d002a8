#pragma once
// Find as you type: every change of the find box selects the first font whose name
// begins with its text.
#include "forms/MainForm.h"

#include <string>

namespace preview {

// Selects the list's first entry that begins with the text, ignoring case; no entry when
// none does. The selection raises the list's click handling.
void findInList(ui::ListBox& list, const std::wstring& text);

void findAsYouType(forms::MainForm& main); // FontFind change
void findBoxUsed(forms::MainForm& main);   // FontFind click or focus

} // namespace preview
