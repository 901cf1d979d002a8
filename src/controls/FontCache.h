#pragma once
// The fonts a form's controls are drawn in, made once for each description at one dpi and
// owned here until the cache goes.
#include "controls/Layout.h"
#include "platform/Handles.h"

#include <memory>
#include <string>
#include <vector>

namespace controls {

class FontCache {
public:
    explicit FontCache(int dpi = 96) : dpi_(dpi) {}
    // The font of that description; null when the system makes none, which is tried again
    // next time rather than remembered.
    HFONT font(const FontDescription& wanted);

private:
    // The description keeps its own copy of the face's name, since a caller's may not
    // outlive the cache.
    struct Known {
        std::unique_ptr<std::wstring> face;
        FontDescription description;
        platform::Font handle;
    };
    int dpi_;
    std::vector<Known> fonts_;
};

} // namespace controls
