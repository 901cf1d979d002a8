#pragma once
// A text box with the selection as properties and the events Change, Click and GotFocus.
#include "controls/Control.h"

#include <optional>

namespace controls {

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
    void notify(WORD code) override;
    void buttonReleased() override;
    bool keyPressed(const MSG& key) override;

    Event onChange;
    Event onGotFocus;
    // Ctrl+C in a multi-line box, instead of its own copy, when set.
    Event onCopyKey;

protected:
    bool shows(const ControlLayout& layout) const override { return layout.kind == Kind::TextBox; }
    void create(HWND parent, int id, const RECT& place) override;

private:
    // Changes made by code raise Change once themselves, whatever the control reports, and
    // only when the text really changed.
    template <typename Edit> void changeByCode(Edit&& edit);
    void changed(); // the control or code changed the text, or may have
    bool changingByCode_ = false;
    struct Holding;
    bool inChange_ = false; // raising Change: `seen_` is the text
    bool multiLine_ = false;
    bool readOnly_ = false;
    // The text as Change last saw it; none when not known, as after a change that nobody
    // listened to.
    std::optional<std::wstring> seen_;
};

} // namespace controls
