#include "support/GlobalMemory.h"

#include <cstring>

GlobalMemory globalCopy(std::string_view bytes) {
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1));
    if (void* target = block ? GlobalLock(block.get()) : nullptr) {
        std::memcpy(target, bytes.data(), bytes.size());
        GlobalUnlock(block.get());
    } else {
        block.reset();
    }
    return block;
}
