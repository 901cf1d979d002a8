#include "platform/InputDialog.h"

#include "platform/WindowProcedure.h"
#include "platform/WindowText.h"

#include <vector>

namespace platform {

namespace {

// A modal dialog made in memory: the prompt, an edit field, OK and Cancel.
class InputDialog {
public:
    InputDialog(const std::wstring& prompt, const std::wstring& initial)
        : prompt_(prompt), text_(initial) {}

    std::wstring run(HWND owner, const std::wstring& title) {
        const auto layout = dialogTemplate(title);
        const INT_PTR answer = DialogBoxIndirectParamW(
            GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
            boundDialogProcedure<&InputDialog::handle>, reinterpret_cast<LPARAM>(this));
        return answer == IDOK ? text_ : std::wstring{};
    }

private:
    static constexpr WORD promptId = 100;
    static constexpr WORD editId = 101;

    std::vector<WORD> dialogTemplate(const std::wstring& title) const {
        std::vector<WORD> t;
        auto dword = [&](DWORD value) {
            t.push_back(LOWORD(value));
            t.push_back(HIWORD(value));
        };
        auto text = [&](const std::wstring& s) {
            t.insert(t.end(), s.begin(), s.end());
            t.push_back(0);
        };
        auto align = [&] {
            if (t.size() % 2)
                t.push_back(0);
        };
        auto item = [&](DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls,
                        const std::wstring& caption) {
            align();
            dword(style | WS_CHILD | WS_VISIBLE);
            dword(0);
            t.insert(t.end(), {WORD(x), WORD(y), WORD(cx), WORD(cy), id, 0xFFFF, cls});
            text(caption);
            t.push_back(0); // no creation data
        };
        dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        dword(0);
        t.push_back(4); // items
        t.insert(t.end(), {0, 0, 240, 90});
        t.push_back(0); // no menu
        t.push_back(0); // default class
        text(title);
        t.push_back(8);
        text(L"MS Shell Dlg");
        item(SS_LEFT | SS_NOPREFIX, 7, 7, 170, 56, promptId, 0x0082, L"");
        item(BS_DEFPUSHBUTTON | WS_TABSTOP, 183, 7, 50, 14, IDOK, 0x0080, L"OK");
        item(BS_PUSHBUTTON | WS_TABSTOP, 183, 25, 50, 14, IDCANCEL, 0x0080, L"Cancel");
        item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 68, 226, 14, editId, 0x0081, L"");
        return t;
    }

    INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
        switch (message) {
        case WM_INITDIALOG:
            SetDlgItemTextW(dialog, promptId, prompt_.c_str());
            SetDlgItemTextW(dialog, editId, text_.c_str());
            SendDlgItemMessageW(dialog, editId, EM_SETSEL, 0, -1);
            SetFocus(GetDlgItem(dialog, editId));
            return FALSE; // the focus is set
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                text_ = windowText(GetDlgItem(dialog, editId));
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        }
        return FALSE;
    }

    std::wstring prompt_;
    std::wstring text_;
};

} // namespace

std::wstring runInputDialog(HWND owner, const std::wstring& prompt, const std::wstring& title,
                            const std::wstring& initial) {
    return InputDialog(prompt, initial).run(owner, title);
}

} // namespace platform
