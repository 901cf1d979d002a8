#pragma once
// A top-level window made from its layout table: a fixed dialog border, a caption-only
// title bar, the controls, the decorations it paints itself, one tool-tip control, and
// the menu bar when it has one.
#include "platform/Handles.h"
#include "ui/Controls.h"
#include "ui/MenuTable.h"

#include <map>
#include <memory>
#include <span>
#include <vector>

namespace ui {

class Form {
public:
    explicit Form(const FormSpec& layout, std::span<const MenuSpec> menu = {});
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormSpec& layout() const { return layout_; }
    HWND hwnd() const { return hwnd_; }
    bool loaded() const { return hwnd_ != nullptr; }
    int dpi() const { return dpi_; }

    // Creates the window and its controls, hidden, then raises onLoad. Loading a loaded
    // form does nothing.
    void load();
    // Raises onUnload, then destroys the window. The form can be loaded again.
    void unload();

    void show(); // loads first when needed; centred on the screen at the first showing
    void hide();
    bool visible() const;
    void setEnabled(bool enabled);
    bool enabled() const;
    void bringToFront();
    void minimize();
    bool minimized() const;

    HACCEL accelerators() const { return accelerators_.get(); }
    // Lays the window out again for another dpi, as when it moves to another screen.
    void rescale(int dpi);
    HFONT font(const FontSpec& font); // owned by the form
    HBRUSH brush(COLORREF color);     // owned by the form
    const std::vector<Control*>& controls() const { return controls_; }
    Control* control(std::wstring_view name) const;
    HWND toolTips() const { return toolTips_; }
    // Gives a control a tool tip, or a new text for the one it has.
    void setToolTip(const Control& control, const std::wstring& text);

    // Whether a window is one of the program's forms (the message loop asks).
    static bool isForm(HWND window);

    Event onLoad;
    Event onUnload;
    Event onCloseRequest; // the window system asks the window to close
    Event onEscape;       // the Esc key, wherever the focus is in the window
    // Files dropped on a window that accepts them, in the order the shell gives them.
    std::function<void(const std::vector<std::wstring>&)> onFilesDropped;

private:
    friend class Control;
    friend class Timer;
    friend class MenuItem;
    void bind(Control& control) { controls_.push_back(&control); }
    void bind(Timer& timer) { timers_.push_back(&timer); }
    void bind(MenuItem& item) { menuItems_.push_back(&item); }
    // A member going away before the form: no pointer to it is kept.
    void forget(Control& control);
    void forget(Timer& timer);
    void forget(MenuItem& item);

    // Form.cpp: the window, its size for the dpi, its life.
    void createWindow();
    void fitToClient();
    void loadIcons();
    void releaseResources(); // the window is gone: every member back as before loading
    // FormControls.cpp: the controls in tab order, and the timers.
    void createControls();
    Control* controlOf(HWND child) const;
    // FormToolTips.cpp
    void createToolTips();
    // FormPainting.cpp: what the form paints itself, and the colours of its controls.
    void paintDecorations(HDC dc);
    LRESULT colors(HDC dc, HWND child, COLORREF defaultBack);
    // FormMessages.cpp: every message, from WM_NCCREATE to WM_NCDESTROY.
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool focusWhereTheUserWas(); // whether a control took the focus
    // DroppedFiles.cpp
    void filesDropped(WPARAM drop); // the HDROP of WM_DROPFILES

    const FormSpec& layout_;
    std::span<const MenuSpec> menu_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    bool shownOnce_ = false;
    HWND lastFocus_ = nullptr;
    HWND toolTips_ = nullptr;
    std::vector<HWND> tipped_; // the controls the tool-tip control knows
    platform::AcceleratorTable accelerators_;
    platform::Icon smallIcon_;
    platform::Icon bigIcon_;
    std::vector<Control*> controls_; // in the order they were declared
    // The controls given their rows (a refused one has no window); index + firstControlId
    // (FormControls.cpp) is the control's id.
    std::vector<Control*> created_;
    std::vector<Timer*> timers_;
    std::vector<MenuItem*> menuItems_;
    // Each font made, by its description; the description keeps its own copy of the face's
    // name, since a caller's may not outlive the form.
    struct KnownFont {
        std::unique_ptr<std::wstring> face;
        FontSpec description;
        platform::Font handle;
    };
    std::vector<KnownFont> fonts_;
    std::map<COLORREF, platform::Brush> brushes_;
};

} // namespace ui
