#pragma once
// A form's one tool-tip control and the tips it shows for the form's controls.
#include <windows.h>

#include <string>
#include <vector>

namespace controls {

class ToolTips {
public:
    // Makes the tool-tip control, owned by the form's window and destroyed with it.
    void create(HWND form);
    // The form's window is gone, and the tool-tip control with it.
    void windowGone();
    HWND window() const { return window_; }
    // Gives a control of the form a tip, or a new text for the one it has.
    void set(HWND control, const std::wstring& text);

private:
    HWND form_ = nullptr;
    HWND window_ = nullptr;
    std::vector<HWND> tipped_; // the controls the tool-tip control knows
};

} // namespace controls
