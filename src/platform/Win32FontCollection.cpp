#include "platform/Win32Platform.h"

#include "platform/CallbackGuard.h"
#include "platform/Handles.h"

#include <unordered_set>

namespace platform {

namespace {

struct Enumeration {
    std::vector<std::wstring>* names;
    std::unordered_set<std::wstring> seen;
};

int CALLBACK onFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM context) {
    // Out of memory, the reading stops there with the names it has.
    return guardCallback(
        "the font enumeration",
        [&] {
            auto& enumeration = *reinterpret_cast<Enumeration*>(context);
            std::wstring name = font->lfFaceName;
            // The system reports a family once per character set; the list wants it once.
            if (enumeration.seen.insert(name).second)
                enumeration.names->push_back(std::move(name));
            return 1;
        },
        [] { return 0; });
}

} // namespace

void Win32FontCollection::read() {
    read_ = true;
    const WindowDC screen(nullptr);
    if (!screen.get())
        return;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    Enumeration enumeration{&names_, {}};
    EnumFontFamiliesExW(screen.get(), &all, onFamily, reinterpret_cast<LPARAM>(&enumeration), 0);
}

int Win32FontCollection::count() {
    if (!read_)
        read();
    return static_cast<int>(names_.size());
}

std::wstring Win32FontCollection::faceName(int index) {
    if (!read_)
        read();
    if (index < 0 || static_cast<size_t>(index) >= names_.size())
        return {};
    return names_[static_cast<size_t>(index)];
}

} // namespace platform
