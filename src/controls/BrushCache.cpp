#include "controls/BrushCache.h"

namespace controls {

HBRUSH BrushCache::brush(COLORREF color) {
    auto [at, added] = brushes_.try_emplace(color);
    if (added)
        at->second.reset(CreateSolidBrush(color));
    return at->second.get();
}

} // namespace controls
