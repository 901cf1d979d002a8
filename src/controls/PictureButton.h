#pragma once
// A picture that reacts to a click; a PictureBox layout also takes the focus, and Space or
// Enter clicks it. A screen reader reads it as a button named by its tool tip.
#include "controls/Control.h"
#include "platform/Handles.h"

namespace controls {

class PictureButton : public Control {
public:
    using Control::Control;
    ~PictureButton() override;
    void rescale(const RECT& place) override;

protected:
    // A PictureBox layout is in the tab order, an Image layout never is.
    bool shows(const ControlLayout& layout) const override {
        return layout.kind == Kind::PictureBox ? layout.tabIndex >= 0
                                               : layout.kind == Kind::Image && layout.tabIndex < 0;
    }
    void create(HWND parent, int id, const RECT& place) override;
    void releaseWindowResources() override;

private:
    void loadPicture(int width, int height);
    void paint(HDC dc);
    LRESULT handle(HWND, UINT, WPARAM, LPARAM);
    // One handler for each message it answers itself.
    LRESULT onFocusChange(HWND window);
    LRESULT onButtonDown(HWND window);
    LRESULT onButtonUp(HWND window, LPARAM at);
    bool onKeyDown(WPARAM key, LPARAM flags);
    bool onKeyUp(WPARAM key);
    LRESULT dialogCode(LPARAM message) const;
    LRESULT accessibleObject(HWND window, WPARAM wParam, LPARAM objectId);

    platform::Icon icon_;
    bool pressed_ = false;      // by the mouse
    bool spacePressed_ = false; // by the keyboard
};

} // namespace controls
