#pragma once
// The six editing commands of the main window. They act on the text box the user last
// worked in, as WhichOne names it, not on the focused control: a click on a picture button
// or the menu may have taken the focus away.
namespace controls {
class TextBox;
}
namespace ui {
class MainForm;
}

namespace editing {

controls::TextBox& target(ui::MainForm& mainForm);

void UndoCode(ui::MainForm& mainForm);
void CutCode(ui::MainForm& mainForm);
void CopyCode(ui::MainForm& mainForm);
void PasteCode(ui::MainForm& mainForm);
void DelCode(ui::MainForm& mainForm);
void SelectAllCode(ui::MainForm& mainForm);

} // namespace editing
