#pragma once
// A common dialog of a form: its stored settings, what the user last chose, and its
// show-open, show-save and show-colour operations.
#include "controls/Layout.h"
#include "platform/Prompts.h"

#include <string>
#include <string_view>

namespace controls {

class CommonDialog {
public:
    explicit CommonDialog(const CommonDialogSettings& settings) : settings_(settings) {}
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;

    // The file chosen last; every showing starts with none.
    const std::wstring& fileName() const { return fileName_; }
    COLORREF color() const { return color_; }

    // Each answers whether the user chose; only then does the choice change.
    bool showOpen(platform::Prompts& prompts, HWND owner);
    bool showSave(platform::Prompts& prompts, HWND owner);
    // Starts from the colour given.
    bool showColor(platform::Prompts& prompts, HWND owner, COLORREF from);

private:
    bool showFileDialog(platform::Prompts& prompts, HWND owner, bool save);

    const CommonDialogSettings& settings_;
    std::wstring fileName_;
    COLORREF color_ = 0;
};

} // namespace controls
