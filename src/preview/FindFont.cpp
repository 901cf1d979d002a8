#include "preview/FindFont.h"

#include "preview/FontChoice.h"

namespace preview {

void findInList(ui::ListBox& list, const std::wstring& text) {
    list.setListIndex(list.findPrefix(text));
}

void findAsYouType(forms::MainForm& main) {
    ui::SampleBox::Batch oneFont(main.BigText);
    findInList(main.FontList, main.FontFind.text());
    sizeChosen(main);
}

void findBoxUsed(forms::MainForm& main) {
    main.WhichOne.setText(L"FontFind");
}

} // namespace preview
