#pragma once
// Find as you type: every change of the find box selects the first font whose name
// begins with its text.
#include <string>

namespace controls {
class ListBox;
}
namespace ui {
class MainForm;
}

namespace preview {

// Selects the list's first entry that begins with the text, ignoring case; no entry when
// none does. The selection raises the list's click handling.
void FindInList(controls::ListBox& list, const std::wstring& text);

void findAsYouType(ui::MainForm& mainForm); // the find box changed
void findBoxUsed(ui::MainForm& mainForm);   // clicked or focused: the editing target

} // namespace preview
