#include "preview/FindFont.h"

#include "preview/FontChoice.h"

namespace preview {

void FindInList(ui::ListBox& list, const std::wstring& text) {
    // From the top (-1): the list's own prefix search over its sorted entries.
    const LRESULT found = SendMessageW(list.hwnd(), LB_FINDSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    list.setListIndex(found == LB_ERR ? -1 : static_cast<int>(found));
}

void findAsYouType(forms::MainForm& main) {
    ui::SampleBox::Batch oneFont(main.BigText);
    FindInList(main.FontList, main.FontFind.text());
    sizeChosen(main);
}

void findBoxUsed(forms::MainForm& main) {
    main.WhichOne.setText(L"FontFind");
}

} // namespace preview
