#include "ui/Form.h"

#include "ui/Dpi.h"
#include "ui/Geometry.h"

namespace ui {

void Form::paintDecorations(HDC dc) {
    // Back to front, so that a band lies behind the lines drawn on it.
    for (auto row = layout_.controls.rbegin(); row != layout_.controls.rend(); ++row) {
        switch (row->kind) {
        case Kind::FilledRect: {
            const RECT r = pixels(layout_, *row, dpi_);
            FillRect(dc, &r, brush(resolveColor(row->backColor)));
            break;
        }
        case Kind::Frame: {
            RECT r = pixels(layout_, *row, dpi_);
            if (row->backColor != noColor)
                FillRect(dc, &r, brush(resolveColor(row->backColor)));
            DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
            break;
        }
        case Kind::Line: {
            const RECT r = linePixels(layout_, *row, dpi_);
            FillRect(dc, &r, brush(resolveColor(row->foreColor)));
            break;
        }
        default:
            break;
        }
    }
}

LRESULT Form::colors(HDC dc, HWND child, COLORREF defaultBack) {
    const Control* c = controlOf(child);
    if (!c) {
        SetBkColor(dc, defaultBack);
        return reinterpret_cast<LRESULT>(brush(defaultBack));
    }
    SetTextColor(dc, c->foreColor());
    SetBkColor(dc, c->backColor());
    return reinterpret_cast<LRESULT>(brush(c->backColor()));
}

HFONT Form::font(const FontSpec& wanted) {
    for (const auto& known : fonts_)
        if (known.description == wanted)
            return known.handle.get();
    platform::Font handle(CreateFontW(layoutFontHeight(wanted.points, dpi_), 0, 0, 0, wanted.weight,
                                      wanted.italic, wanted.underline, wanted.strikeout,
                                      wanted.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wanted.face));
    if (!handle)
        return nullptr; // a failure is tried again next time, not remembered as a font
    auto face = std::make_unique<std::wstring>(wanted.face ? wanted.face : L"");
    FontSpec description = wanted;
    description.face = face->c_str();
    fonts_.push_back({std::move(face), description, std::move(handle)});
    return fonts_.back().handle.get();
}

HBRUSH Form::brush(COLORREF color) {
    auto [at, added] = brushes_.try_emplace(color);
    if (added)
        at->second.reset(CreateSolidBrush(color));
    return at->second.get();
}

} // namespace ui
