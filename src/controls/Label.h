#pragma once
// A label; a link-style one is clicked and reads to a screen reader as a link.
#include "controls/Control.h"
#include "platform/WindowProcedure.h"

namespace controls {

class Label : public Control {
public:
    using Control::Control;
    std::wstring caption() const;
    // A label that sizes itself takes the new caption's width, up to its widest.
    void setCaption(const std::wstring& caption);
    void notify(WORD code) override;
    void rescale(const RECT& place) override;

protected:
    bool shows(const ControlLayout& layout) const override {
        return layout.kind == Kind::Label || layout.kind == Kind::LinkLabel;
    }
    void create(HWND parent, int id, const RECT& place) override;

private:
    int fittingWidth(const std::wstring& caption) const;
    void fitCaption(const std::wstring& caption);
    LRESULT handleLink(HWND, UINT, WPARAM, LPARAM);
    platform::Subclass link_; // a link label's only
};

} // namespace controls
