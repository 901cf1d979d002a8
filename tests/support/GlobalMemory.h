#pragma once
// What the tests hand to the clipboard and to WM_DROPFILES: a global memory block with one
// owner (platform::GlobalBlock), freed unless it was handed over (release()).
#include "platform/Handles.h"

#include <windows.h>

#include <cstring>
#include <string_view>

// A new block holding these bytes; empty when there is no memory for it.
inline platform::GlobalBlock globalCopy(std::string_view bytes) {
    platform::GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1));
    const platform::LockedBlock target(block.get());
    if (!target)
        return {};
    std::memcpy(target.data(), bytes.data(), bytes.size());
    return block;
}
