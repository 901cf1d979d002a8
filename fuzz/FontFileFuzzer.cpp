// Random bytes into the font-file reader: it must never crash or read out of bounds, and
// every name it gives must be one GDI could take: not empty, no NUL, at most 31 units, and
// not twice in a face; a face it gives has a name, and it gives at most 256 faces. Run with
// a time limit for each input, so that a slow one fails it too.
#include "preview/FontFileFaces.h"
#include "pure/Latin1.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = preview::readFontFaces(bytes, latin1);
    if (read.faces.size() > 256)
        std::abort();
    for (const auto& face : read.faces) {
        const auto& names = face.familyNames;
        if (names.empty())
            std::abort();
        for (auto name = names.begin(); name != names.end(); ++name) {
            if (name->empty() || name->size() > 31 || name->find(L'\0') != std::wstring::npos ||
                std::find(names.begin(), name, *name) != name)
                std::abort();
        }
    }
    return 0;
}
