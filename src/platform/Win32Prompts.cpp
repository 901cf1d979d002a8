#include "platform/Win32Platform.h"

#include "platform/CurrentFolder.h"

#include <commdlg.h>

#include <vector>

namespace platform {

namespace {

// "Text File (*.txt)|*.txt" becomes the double-NUL list the file dialogs take.
std::wstring dialogFilter(const std::wstring& filter) {
    std::wstring result = filter;
    for (auto& c : result)
        if (c == L'|')
            c = L'\0';
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

bool fileDialog(HWND owner, FileDialogRequest& request, bool save) {
    const std::wstring filter = dialogFilter(request.filter);
    // Room for long paths; the dialog answers FNERR_BUFFERTOOSMALL beyond it.
    std::vector<wchar_t> path(32768, L'\0');
    request.fileName.copy(path.data(), std::min(request.fileName.size(), path.size() - 1));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.Flags = request.flags | OFN_EXPLORER | OFN_HIDEREADONLY;
    const std::wstring& folder = currentFolder::userFolder();
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    currentFolder::leaveUserFolder(); // the dialog made the chosen file's folder current
    if (!chosen)
        return false;
    request.fileName = path.data();
    return true;
}

// A modal dialog made in memory: the prompt, an edit field, OK and Cancel.
class InputDialog {
public:
    InputDialog(const std::wstring& prompt, const std::wstring& initial)
        : prompt_(prompt), text_(initial) {}

    std::wstring run(HWND owner, const std::wstring& title) {
        const auto layout = dialogTemplate(title);
        const INT_PTR answer = DialogBoxIndirectParamW(
            GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
            procedure, reinterpret_cast<LPARAM>(this));
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

    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<InputDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
        switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            self = reinterpret_cast<InputDialog*>(lParam);
            SetDlgItemTextW(dialog, promptId, self->prompt_.c_str());
            SetDlgItemTextW(dialog, editId, self->text_.c_str());
            SendDlgItemMessageW(dialog, editId, EM_SETSEL, 0, -1);
            SetFocus(GetDlgItem(dialog, editId));
            return FALSE; // the focus is set
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                HWND edit = GetDlgItem(dialog, editId);
                std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
                text.resize(static_cast<size_t>(
                    GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
                self->text_ = std::move(text);
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

int Win32Prompts::messageBox(HWND owner, const std::wstring& text, UINT style,
                             const std::wstring& title) {
    return MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

std::wstring Win32Prompts::inputBox(HWND owner, const std::wstring& prompt,
                                    const std::wstring& title, const std::wstring& initial) {
    return InputDialog(prompt, initial).run(owner, title);
}

bool Win32Prompts::chooseColor(HWND owner, COLORREF& color) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = color;
    dialog.lpCustColors = customColors_;
    dialog.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (!ChooseColorW(&dialog))
        return false;
    color = dialog.rgbResult;
    return true;
}

bool Win32Prompts::openFile(HWND owner, FileDialogRequest& request) {
    return fileDialog(owner, request, false);
}

bool Win32Prompts::saveFile(HWND owner, FileDialogRequest& request) {
    return fileDialog(owner, request, true);
}

} // namespace platform
