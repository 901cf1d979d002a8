#pragma once
// A control of a form: its window, made from its layout when the form loads. A selection
// or value changed from code raises the same click handling as the user's click, once,
// before the setter returns.
#include "controls/Event.h"
#include "controls/Layout.h"

#include <string>
#include <string_view>

namespace controls {

class Form;

class Control {
public:
    Control(Form& form, std::wstring_view name);
    // Leaves the form and takes its window with it; the derived parts have let go of the
    // window before.
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::wstring_view name() const { return name_; }
    HWND hwnd() const { return hwnd_; }
    const ControlLayout& layout() const { return *layout_; }
    Form& form() const { return form_; }

    bool visible() const;
    bool enabled() const;
    void setVisible(bool visible);
    void setEnabled(bool enabled);
    void setFocus();

    // Colours used when the control is painted.
    COLORREF foreColor() const { return foreColor_; }
    COLORREF backColor() const { return backColor_; }

    Event onClick;

    // What its form does with it.
    // Makes the window at its place in pixels, in the given colours. A layout of a kind
    // this class does not show makes none, and false is answered: a layout and a member
    // that disagree must not pass unnoticed.
    bool make(HWND parent, int id, const ControlLayout& layout, const RECT& place,
              COLORREF foreColor, COLORREF backColor);
    // The window went with its form's: lets go of it and of what was made for it.
    void windowGone();
    // A new place and font after the window's dpi changed.
    virtual void rescale(const RECT& place);
    // A WM_COMMAND notification from the control.
    virtual void notify(WORD /*code*/) {}
    // The left mouse button went up over the control, as the program's loop saw it.
    virtual void buttonReleased() {}
    // A key for this control, seen by the program's loop before the window's dialog keys;
    // true when the control took it.
    virtual bool keyPressed(const MSG& /*key*/) { return false; }

protected:
    // Whether a layout is one of a kind this class shows.
    virtual bool shows(const ControlLayout& layout) const = 0;
    virtual void create(HWND parent, int id, const RECT& place) = 0;
    // Frees what was made for the window, once it is gone.
    virtual void releaseWindowResources() {}
    void moveTo(const RECT& place);

    HWND createWindow(HWND parent, int id, const RECT& place, const wchar_t* windowClass,
                      DWORD style, DWORD exStyle = 0);

    // Raises Click for a click that finds the control taking input. A click can come later
    // than the user's own: a screen reader's or another program's BM_CLICK, queued behind a
    // command that opened a dialog, or posted while another window has this one wait.
    void click();

    void setForeColorValue(COLORREF color) { foreColor_ = color; }

private:
    Form& form_;
    std::wstring_view name_;
    const ControlLayout* layout_ = nullptr;
    HWND hwnd_ = nullptr;
    COLORREF foreColor_ = 0;
    COLORREF backColor_ = 0;
};

} // namespace controls
