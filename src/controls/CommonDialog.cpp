#include "controls/CommonDialog.h"

namespace controls {

bool CommonDialog::showFileDialog(platform::Prompts& prompts, HWND owner, bool save) {
    fileName_.clear();
    platform::FileDialogRequest request{std::wstring(settings_.title),
                                        std::wstring(settings_.filter), L"", 0};
    const bool chosen = save ? prompts.saveFile(owner, request) : prompts.openFile(owner, request);
    if (!chosen || request.fileName.empty())
        return false;
    fileName_ = request.fileName;
    return true;
}

bool CommonDialog::showOpen(platform::Prompts& prompts, HWND owner) {
    return showFileDialog(prompts, owner, false);
}

bool CommonDialog::showSave(platform::Prompts& prompts, HWND owner) {
    return showFileDialog(prompts, owner, true);
}

bool CommonDialog::showColor(platform::Prompts& prompts, HWND owner, COLORREF from) {
    COLORREF chosen = from;
    if (!prompts.chooseColor(owner, chosen))
        return false;
    color_ = chosen;
    return true;
}

} // namespace controls
