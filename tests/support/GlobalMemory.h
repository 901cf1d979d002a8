#pragma once
// A movable global memory block with one owner, for what the tests hand to the clipboard
// and to WM_DROPFILES: freed unless it was handed over (release()).
#include "platform/Handles.h"

#include <windows.h>

#include <cstring>
#include <string_view>

namespace support {
struct GlobalBlock {
    static HGLOBAL empty() { return nullptr; }
    static bool valid(HGLOBAL block) { return block != nullptr; }
    static void free(HGLOBAL block) { GlobalFree(block); }
};
} // namespace support

using GlobalMemory = platform::Owned<HGLOBAL, support::GlobalBlock>;

// A new block holding these bytes; empty when there is no memory for it.
inline GlobalMemory globalCopy(std::string_view bytes) {
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1));
    void* target = block ? GlobalLock(block.get()) : nullptr;
    if (!target)
        return {};
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(block.get());
    return block;
}
