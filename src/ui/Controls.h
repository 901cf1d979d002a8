#pragma once
// The control layer: thin classes over the standard controls that give them the
// semantics the program relies on. A selection or value changed from code raises the same
// click handling as the user's click, once, before the setter returns. Each class lives in
// a file of its own name (CommandButton and CheckBox in Buttons.cpp, Timer and MenuItem,
// the members without a window, in FormMembers.cpp).
#include "platform/Handles.h"
#include "ui/Layout.h"
#include "ui/WindowProcedure.h"

#include <functional>
#include <optional>
#include <string>

namespace ui {

class Form;

using Event = std::function<void()>;

// Raises an event handler without letting an exception reach the window system.
void raise(const Event& event);

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
    const ControlSpec& layout() const { return *layout_; }
    Form& form() const { return form_; }

    bool visible() const;
    bool enabled() const;
    void setFocus();

    // Colours used when the control is painted.
    COLORREF foreColor() const { return foreColor_; }
    COLORREF backColor() const { return backColor_; }

    Event onClick;

protected:
    friend class Form;
    // Whether a row of the table is one this class shows; the form makes no window for any
    // other, so that a table and a member that disagree cannot pass unnoticed.
    virtual bool shows(const ControlSpec& row) const = 0;
    // Makes the window of the control at its place in pixels.
    virtual void create(HWND parent, int id, const RECT& place) = 0;
    // A WM_COMMAND notification from the control.
    virtual void notify(WORD /*code*/) {}
    // The control's window went with its form's: lets go of what was made for it. Only the
    // form calls it, once the window is destroyed.
    virtual void releaseWindowResources() {}
    // A new place and font after the window's dpi changed.
    virtual void rescale(const RECT& place);
    void moveTo(const RECT& place);

    HWND createWindow(HWND parent, int id, const RECT& place, const wchar_t* windowClass,
                      DWORD style, DWORD exStyle = 0);

    // Raises Click for a click that finds the control taking input. A click can come later
    // than the user's own: a screen reader's or another program's BM_CLICK, queued behind a
    // command that opened a dialog, or posted while another window has this one wait.
    void click();
    // For the system's own buttons, which click themselves on BM_CLICK: drops the ones that
    // find the control taking no input.
    LRESULT dropClickWithoutInput(HWND, UINT, WPARAM, LPARAM);

    void setForeColorValue(COLORREF color) { foreColor_ = color; }
    // A window's text, whatever its length.
    static std::wstring windowText(HWND window);

private:
    Form& form_;
    std::wstring_view name_;
    const ControlSpec* layout_ = nullptr;
    HWND hwnd_ = nullptr;
    COLORREF foreColor_ = 0;
    COLORREF backColor_ = 0;
};

// A link-style label reads to a screen reader as a link.
class Label : public Control {
public:
    using Control::Control;
    std::wstring caption() const;
    // A label that sizes itself takes the new caption's width, up to its widest.
    void setCaption(const std::wstring& caption);

protected:
    bool shows(const ControlSpec& row) const override {
        return row.kind == Kind::Label || row.kind == Kind::LinkLabel;
    }
    void create(HWND parent, int id, const RECT& place) override;
    void notify(WORD code) override;
    void rescale(const RECT& place) override;

private:
    int fittingWidth(const std::wstring& caption) const;
    void fitCaption(const std::wstring& caption);
    LRESULT handleLink(HWND, UINT, WPARAM, LPARAM);
    Subclass link_; // a link label's only
};

class CommandButton : public Control {
public:
    using Control::Control;

protected:
    bool shows(const ControlSpec& row) const override { return row.kind == Kind::Button; }
    void create(HWND parent, int id, const RECT& place) override;
    void notify(WORD code) override;

private:
    Subclass lateClicks_;
};

// A picture that reacts to a click; a PictureBox row also takes the focus, and Space or
// Enter clicks it. A screen reader reads it as a button named by its tool tip.
class PictureButton : public Control {
public:
    using Control::Control;
    ~PictureButton() override;
    HICON picture() const { return icon_.get(); }

protected:
    // A PictureBox row is in the tab order, an Image row never is.
    bool shows(const ControlSpec& row) const override {
        return row.kind == Kind::PictureBox ? row.tabIndex >= 0
                                            : row.kind == Kind::Image && row.tabIndex < 0;
    }
    void create(HWND parent, int id, const RECT& place) override;
    void releaseWindowResources() override;
    void rescale(const RECT& place) override;

private:
    void loadPicture(int width, int height);
    void paint(HDC dc);
    LRESULT handle(HWND, UINT, WPARAM, LPARAM);
    platform::Icon icon_;
    bool pressed_ = false;      // by the mouse
    bool spacePressed_ = false; // by the keyboard
};

class CheckBox : public Control {
public:
    using Control::Control;
    int value() const; // 0 unchecked, 1 checked, 2 grayed
    void setValue(int value);
    std::wstring caption() const;

protected:
    bool shows(const ControlSpec& row) const override { return row.kind == Kind::CheckBox; }
    void create(HWND parent, int id, const RECT& place) override;
    void notify(WORD code) override;

private:
    Subclass lateClicks_;
};

class ListBox : public Control {
public:
    using Control::Control;
    int listCount() const;
    std::wstring list(int index) const;
    int listIndex() const;                 // -1: nothing selected
    void setListIndex(int index);          // -1 clears the selection
    std::wstring text() const;             // the selected entry, empty when none
    void setText(std::wstring_view entry); // selects the entry equal to it, or none
    // The first entry that begins with the text, ignoring case, by the list's own search;
    // -1 when it finds none. Selects nothing.
    int findPrefix(const std::wstring& text) const;
    void addItem(const std::wstring& entry);
    void refresh();

protected:
    bool shows(const ControlSpec& row) const override { return row.kind == Kind::ListBox; }
    void create(HWND parent, int id, const RECT& place) override;
    void notify(WORD code) override;
};

class TextBox : public Control {
public:
    using Control::Control;

    std::wstring text() const;
    void setText(const std::wstring& text);
    int textLength() const; // in UTF-16 units, as the selection counts
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    std::wstring selText() const;
    void setSelText(const std::wstring& text); // replaces the selection, undoably
    void undo();                               // the box's own single-level undo

    Event onChange;
    Event onGotFocus;

protected:
    bool shows(const ControlSpec& row) const override { return row.kind == Kind::TextBox; }
    void create(HWND parent, int id, const RECT& place) override;
    void notify(WORD code) override;

private:
    // Changes made by code raise Change once themselves, whatever the control reports, and
    // only when the text really changed.
    template <typename Edit> void changeByCode(Edit&& edit);
    void changed(); // the control or code changed the text, or may have
    LRESULT handle(HWND, UINT, WPARAM, LPARAM);
    Subclass subclass_;
    bool changingByCode_ = false;
    // The text as Change last saw it; none when not known, as after a change that nobody
    // listened to.
    std::optional<std::wstring> seen_;
};

class Timer {
public:
    Timer(Form& form, std::wstring_view name);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    std::wstring_view name() const { return name_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    UINT interval() const { return interval_; }

    Event onTick;

private:
    friend class Form;
    void start(HWND window, UINT_PTR id, const ControlSpec& row);
    void stop();
    Form& form_;
    std::wstring_view name_;
    HWND window_ = nullptr;
    UINT_PTR id_ = 0;
    UINT interval_ = 0;
    bool enabled_ = false;
};

class MenuItem {
public:
    MenuItem(Form& form, std::wstring_view name);
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    std::wstring_view name() const { return name_; }
    Event onClick;

private:
    Form& form_;
    std::wstring_view name_;
};

} // namespace ui
