#include "editing/EditCommands.h"

#include "platform/Clipboard.h"
#include "ui/MainForm.h"

namespace editing {

controls::TextBox& target(ui::MainForm& mainForm) {
    if (mainForm.WhichOne.text() == L"BigText")
        return mainForm.BigText;
    return mainForm.FontFind;
}

void UndoCode(ui::MainForm& mainForm) {
    target(mainForm).undo();
}

void CutCode(ui::MainForm& mainForm) {
    controls::TextBox& box = target(mainForm);
    const std::wstring selected = box.selText();
    // Nothing selected: the clipboard keeps what the user had. The text goes only once
    // the clipboard holds it.
    if (selected.empty())
        return;
    if (platform::clipboard::setText(mainForm.hwnd(), selected) ==
        platform::clipboard::Result::Done)
        box.setSelText(L"");
}

void CopyCode(ui::MainForm& mainForm) {
    const std::wstring selected = target(mainForm).selText();
    if (!selected.empty())
        platform::clipboard::setText(mainForm.hwnd(), selected);
}

void PasteCode(ui::MainForm& mainForm) {
    // A clipboard without text leaves the selection where it is.
    if (const auto text = platform::clipboard::text(mainForm.hwnd()))
        target(mainForm).setSelText(*text);
}

void DelCode(ui::MainForm& mainForm) {
    controls::TextBox& box = target(mainForm);
    if (box.selLength() > 0)
        box.setSelText(L"");
}

void SelectAllCode(ui::MainForm& mainForm) {
    controls::TextBox& box = target(mainForm);
    box.setSelStart(0);
    box.setSelLength(box.textLength());
}

} // namespace editing
