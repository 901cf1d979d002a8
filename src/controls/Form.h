#pragma once
// A top-level window made from its layout: a fixed dialog border, a caption-only title bar,
// the controls and decorations its members name, one tool-tip control, and the menu bar
// when it has one.
#include "controls/BrushCache.h"
#include "controls/Event.h"
#include "controls/FontCache.h"
#include "controls/Layout.h"
#include "controls/MenuTable.h"
#include "controls/ToolTips.h"
#include "platform/Handles.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace controls {

class Control;
class Decoration;
class MenuItem;
class Timer;

class Form {
public:
    explicit Form(const FormLayout& layout, std::span<const MenuItemLayout> menu = {});
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormLayout& layout() const { return layout_; }
    HWND hwnd() const { return hwnd_; }
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
    void setCaption(const std::wstring& caption);
    void minimize();
    // Posts the window a reminder that raises onReminder from the program's loop: work
    // taken in another's call (a message sent from another program) is done later, there.
    void remind();

    HACCEL accelerators() const { return accelerators_.get(); }
    // Lays the window out again for another dpi, as when it moves to another screen.
    void rescale(int dpi);
    HFONT font(const FontDescription& font) { return fonts_.font(font); }
    HBRUSH brush(COLORREF color) { return brushes_.brush(color); }
    // The member of that name, by which its layout knows it; null when none has it.
    Control* control(std::wstring_view name) const;
    MenuItem* menuItem(std::wstring_view name) const;
    // The layout's rows that no member bears, which would never be made or drawn; reported to
    // a debugger when the window is made.
    std::vector<std::wstring_view> rowsWithoutMember() const;
    // Gives a control a tool tip, or a new text for the one it has.
    void setToolTip(const Control& control, const std::wstring& text);

    // Whether a window is one of the program's forms (the message loop asks).
    static bool isForm(HWND window);
    // A message the program's loop has dispatched: a control hears here of the mouse button
    // released over it, at no cost to its other messages.
    static void dispatched(const MSG& message);
    // A key message the program's loop is about to dispatch: true when the control it is for
    // took it, and it goes no further.
    static bool keyTaken(const MSG& message);
    // The focus to the next control in the tab order after this one (`back`: before it), as
    // the dialog keys move it.
    void tabFrom(HWND control, bool back);

    Event onLoad;
    Event onUnload;
    Event onCloseRequest; // the window system asks the window to close
    Event onEscape;       // the Esc key, wherever the focus is in the window
    Event onReminder;     // see remind()
    Event onEnabled;      // enabled again, as when a dialog or window it waited for closes
    // Files dropped on a window that accepts them, in the order the shell gives them.
    std::function<void(const std::vector<std::wstring>&)> onFilesDropped;
    // Data of a kind that another program sent (WM_COPYDATA); answers whether it was taken.
    // The bytes are the sender's: the handler checks them before any use.
    std::function<bool(std::uintptr_t kind, std::string_view bytes)> onDataReceived;

private:
    // The members register when they are made and leave when they go, before the form.
    friend class Control;
    friend class Decoration;
    friend class MenuItem;
    friend class Timer;
    void bind(Control& control) { controls_.push_back(&control); }
    void bind(Decoration& decoration) { decorations_.push_back(&decoration); }
    void bind(MenuItem& item) { menuItems_.push_back(&item); }
    void bind(Timer& timer) { timers_.push_back(&timer); }
    void forget(Control& control);
    void forget(Decoration& decoration);
    void forget(MenuItem& item);
    void forget(Timer& timer);

    // Form.cpp: the window, its members, its size for the dpi, its life.
    void createWindow();
    void createControls();
    void startTimers();
    void fitToClient(bool centre = false);
    void loadIcons();
    void paintDecorations(HDC dc);
    void releaseResources(); // the window is gone: every member back as before loading
    Control* controlOf(HWND child) const;

    // FormMessages.cpp: every message, from WM_NCCREATE to WM_NCDESTROY, one handler each.
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onControlColors(HDC dc, HWND child, COLORREF defaultBack);
    bool onSetCursor(HWND child, LPARAM hit);
    bool onActivate(WPARAM wParam);
    bool onSetFocus(HWND previous);
    void onDropFiles(WPARAM drop);
    bool onCopyData(const COPYDATASTRUCT* data);
    void onDpiChanged(int dpi, const RECT* suggested);
    bool focusWhereTheUserWas(); // whether a control took the focus

    static constexpr UINT reminderMessage = WM_APP + 1;

    const FormLayout& layout_;
    std::span<const MenuItemLayout> menu_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    HWND lastFocus_ = nullptr;
    ToolTips toolTips_;
    platform::AcceleratorTable accelerators_;
    platform::Icon smallIcon_;
    platform::Icon bigIcon_;
    FontCache fonts_;
    BrushCache brushes_;
    std::vector<Control*> controls_; // in the order they were declared
    // The controls given their layouts (a refused one has no window); index +
    // firstControlId (Form.cpp) is the control's id.
    std::vector<Control*> created_;
    std::vector<Decoration*> decorations_;
    std::vector<MenuItem*> menuItems_;
    std::vector<Timer*> timers_;
};

} // namespace controls
