#pragma once
// The stored settings of a common dialog; what a command needs beyond them it sets when
// it shows the dialog.
#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

struct CommonDialogSpec {
    std::wstring_view name{};
    std::wstring_view title{};
    std::wstring_view filter{}; // "description|pattern"
};

struct CommonDialog {
    explicit CommonDialog(const CommonDialogSpec& settings) : settings(settings) {}
    const CommonDialogSpec& settings;
    std::wstring fileName;
    COLORREF color = 0;
};

} // namespace ui
