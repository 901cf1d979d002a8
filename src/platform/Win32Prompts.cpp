#include "platform/Win32Platform.h"

#include "platform/CurrentFolder.h"
#include "platform/InputDialog.h"

#include <commdlg.h>

#include <algorithm>
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

} // namespace

int Win32Prompts::messageBox(HWND owner, const std::wstring& text, UINT style,
                             const std::wstring& title) {
    return MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

std::wstring Win32Prompts::inputBox(HWND owner, const std::wstring& prompt,
                                    const std::wstring& title, const std::wstring& initial) {
    return runInputDialog(owner, prompt, title, initial);
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
