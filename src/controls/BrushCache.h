#pragma once
// The solid brushes a form paints with, one for each colour, owned here until the cache goes.
#include "platform/Handles.h"

#include <map>

namespace controls {

class BrushCache {
public:
    HBRUSH brush(COLORREF color);

private:
    std::map<COLORREF, platform::Brush> brushes_;
};

} // namespace controls
