#include "editing/EditCommands.h"

#include "platform/Clipboard.h"

namespace editing {

ui::TextBox& target(forms::MainForm& main) {
    if (main.WhichOne.text() == L"BigText")
        return main.BigText;
    return main.FontFind;
}

void undoEdit(forms::MainForm& main) {
    target(main).undo();
}

void cutSelection(forms::MainForm& main) {
    ui::TextBox& box = target(main);
    const std::wstring selected = box.selText();
    // Nothing selected: the clipboard keeps what the user had. The text goes only once
    // the clipboard holds it.
    if (selected.empty())
        return;
    if (platform::clipboard::setText(main.hwnd(), selected) == platform::clipboard::Result::Done)
        box.setSelText(L"");
}

void copySelection(forms::MainForm& main) {
    const std::wstring selected = target(main).selText();
    if (!selected.empty())
        platform::clipboard::setText(main.hwnd(), selected);
}

void pasteText(forms::MainForm& main) {
    // A clipboard without text leaves the selection where it is.
    if (const auto text = platform::clipboard::text(main.hwnd()))
        target(main).setSelText(*text);
}

void deleteSelection(forms::MainForm& main) {
    ui::TextBox& box = target(main);
    if (box.selLength() > 0)
        box.setSelText(L"");
}

void selectAll(forms::MainForm& main) {
    ui::TextBox& box = target(main);
    box.setSelStart(0);
    box.setSelLength(box.textLength());
}

} // namespace editing
