#include "preview/FindFont.h"

#include "preview/FontChoice.h"
#include "ui/MainForm.h"

namespace preview {

void FindInList(controls::ListBox& list, const std::wstring& text) {
    list.setListIndex(list.findPrefix(text));
}

void findAsYouType(ui::MainForm& mainForm) {
    controls::SampleBox::Batch oneFont(mainForm.BigText);
    FindInList(mainForm.FontList, mainForm.FontFind.text());
    sizeChosen(mainForm);
}

void findBoxUsed(ui::MainForm& mainForm) {
    mainForm.WhichOne.setText(L"FontFind");
}

} // namespace preview
