// Random bytes into the text-file decoder: it must never crash, read out of bounds, keep a
// NUL or make more characters than the file has bytes (plus one for a half character).
#include "editing/TextDecoding.h"
#include "pure/Latin1.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring text = editing::decodeText(bytes, latin1);
    if (text.find(L'\0') != std::wstring::npos || text.size() > size + 1)
        std::abort();
    return 0;
}
