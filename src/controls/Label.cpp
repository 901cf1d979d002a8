#include "controls/Label.h"

#include "controls/Accessible.h"
#include "controls/Form.h"
#include "platform/WindowText.h"

#include <algorithm>

namespace controls {

int Label::fittingWidth(const std::wstring& caption) const {
    const platform::WindowDC dc(hwnd() ? hwnd() : form().hwnd());
    const platform::Selection font(dc.get(), form().font(layout().font));
    RECT text{};
    DrawTextW(dc.get(), caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int width = text.right - text.left;
    const int widest = layout().maxWidth ? scale(layout().maxWidth, form().dpi()) : width;
    return std::min(width, widest);
}

void Label::create(HWND parent, int id, const RECT& place) {
    RECT r = place;
    if (layout().place.width == 0) {
        // One line of text, as wide as the caption in the label's own font.
        r.right = r.left + fittingWidth(std::wstring(layout().caption));
        r.bottom = r.top + scale(13, form().dpi());
    }
    const bool clickable = layout().kind == Kind::LinkLabel || !layout().toolTip.empty();
    // A label that sizes itself is one line: should the room be short, the end is cut,
    // rather than whole words wrapped out of sight.
    DWORD style = (layout().place.width == 0 ? SS_LEFTNOWORDWRAP : SS_LEFT) | SS_NOPREFIX;
    if (clickable)
        style |= SS_NOTIFY;
    if (layout().flags & EndEllipsis)
        style |= SS_ENDELLIPSIS;
    HWND window = createWindow(parent, id, r, L"STATIC", style);
    if (layout().kind == Kind::LinkLabel)
        link_ = platform::Subclass::install<&Label::handleLink>(window, *this);
}

LRESULT Label::handleLink(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETOBJECT:
        // The system's object would call it plain text: it is a link, named by its caption.
        if (asksForClient(lParam))
            if (const LRESULT answer = answerClient(window, wParam, platform::windowText(window),
                                                    AccessibleRole::Link))
                return answer;
        break;
    case BM_CLICK: // what a screen reader's default action sends
        click();
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void Label::setCaption(const std::wstring& caption) {
    SetWindowTextW(hwnd(), caption.c_str());
    fitCaption(caption);
}

void Label::fitCaption(const std::wstring& caption) {
    if (layout().place.width != 0)
        return;
    SetWindowPos(hwnd(), nullptr, 0, 0, fittingWidth(caption), scale(13, form().dpi()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void Label::rescale(const RECT& place) {
    Control::rescale(place);
    fitCaption(caption());
}

void Label::notify(WORD code) {
    if (code == STN_CLICKED)
        click();
}

std::wstring Label::caption() const {
    return platform::windowText(hwnd());
}

} // namespace controls
