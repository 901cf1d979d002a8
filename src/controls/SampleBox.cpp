#include "controls/SampleBox.h"

#include "controls/Form.h"

namespace controls {

SampleBox::Batch::~Batch() {
    if (--box_.batches_ == 0 && box_.stale_)
        box_.applyFont();
}

void SampleBox::create(HWND parent, int id, const RECT& place) {
    TextBox::create(parent, id, place);
    const FontDescription& stored = layout().font;
    name_ = stored.face;
    size_ = stored.points;
    bold_ = stored.weight >= FW_BOLD;
    italic_ = stored.italic;
    underline_ = stored.underline;
    strikethru_ = stored.strikeout;
    applyFont();
}

void SampleBox::rescale(const RECT& place) {
    moveTo(place);
    applyFont(); // its own font, at the new dpi
}

void SampleBox::releaseWindowResources() {
    font_.reset();
}

void SampleBox::applyFont() {
    if (!hwnd())
        return;
    stale_ = false;
    // Any character set: every listed face, symbol fonts included, shows as itself.
    platform::Font next(CreateFontW(fontHeight(size_, form().dpi()), 0, 0, 0,
                                    bold_ ? FW_BOLD : FW_NORMAL, italic_, underline_, strikethru_,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name_.c_str()));
    if (!next)
        return;
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(next.get()), TRUE);
    font_ = std::move(next); // the old one goes only now, once the new one is in place
}

bool SampleBox::setFontName(std::wstring_view name) {
    if (name.empty() || name.size() >= LF_FACESIZE)
        return false;
    change(name_, std::wstring(name));
    return true;
}

bool SampleBox::setFontSize(float points) {
    if (!(points > 0.0f))
        return false;
    change(size_, points);
    return true;
}

void SampleBox::setForeColor(COLORREF color) {
    setForeColorValue(color & 0x00FFFFFFu);
    if (hwnd())
        InvalidateRect(hwnd(), nullptr, TRUE);
}

} // namespace controls
