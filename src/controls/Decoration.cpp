#include "controls/Decoration.h"

#include "controls/Form.h"
#include "controls/Geometry.h"

namespace controls {

Decoration::Decoration(Form& form, std::wstring_view name) : form_(form), name_(name) {
    form.bind(*this);
}

Decoration::~Decoration() {
    form_.forget(*this);
}

void Decoration::paint(HDC dc, const ControlLayout& layout) const {
    const FormLayout& window = form_.layout();
    const int dpi = form_.dpi();
    switch (layout.kind) {
    case Kind::FilledRect: {
        const RECT r = pixels(window, layout, dpi);
        FillRect(dc, &r, form_.brush(resolveColor(layout.backColor)));
        break;
    }
    case Kind::Frame: {
        RECT r = pixels(window, layout, dpi);
        if (layout.backColor != noColor)
            FillRect(dc, &r, form_.brush(resolveColor(layout.backColor)));
        DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
        break;
    }
    case Kind::Line: {
        const RECT r = linePixels(window, layout, dpi);
        FillRect(dc, &r, form_.brush(resolveColor(layout.foreColor)));
        break;
    }
    default:
        break;
    }
}

} // namespace controls
