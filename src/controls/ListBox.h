#pragma once
// A list box whose selection set from code raises its click handling, as the user's does.
#include "controls/Control.h"

namespace controls {

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
    // The first entry equal to the text, ignoring case; -1 when none is. Selects nothing.
    int findEntry(const std::wstring& text) const;
    void addItem(const std::wstring& entry);
    // Adds the entry to a sorted list unless one equal to it, ignoring case, is there, and
    // answers its index; -1 then, or when the list cannot take it. Looks only around the new
    // entry's place, where an equal one would lie.
    int addUnique(const std::wstring& entry);
    // Takes out the entry equal to the text, ignoring case; nothing when none is.
    void removeItem(const std::wstring& entry);
    void refresh();
    void notify(WORD code) override;

protected:
    bool shows(const ControlLayout& layout) const override { return layout.kind == Kind::ListBox; }
    void create(HWND parent, int id, const RECT& place) override;
};

} // namespace controls
