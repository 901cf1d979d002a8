#include "controls/FontCache.h"

namespace controls {

HFONT FontCache::font(const FontDescription& wanted) {
    for (const auto& known : fonts_)
        if (known.description == wanted)
            return known.handle.get();
    platform::Font handle(CreateFontW(layoutFontHeight(wanted.points, dpi_), 0, 0, 0, wanted.weight,
                                      wanted.italic, wanted.underline, wanted.strikeout,
                                      wanted.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wanted.face));
    if (!handle)
        return nullptr;
    auto face = std::make_unique<std::wstring>(wanted.face ? wanted.face : L"");
    FontDescription description = wanted;
    description.face = face->c_str();
    fonts_.push_back({std::move(face), description, std::move(handle)});
    return fonts_.back().handle.get();
}

} // namespace controls
