#include "platform/FontFamilies.h"

#include "platform/CallbackGuard.h"
#include "platform/Handles.h"

#include <windows.h>

#include <string>

namespace platform {

namespace {

struct Enumeration {
    const std::function<void(const wchar_t*)>& take;
    std::wstring last;
};

int CALLBACK onFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM state) {
    return guardCallback(
        "the font enumeration",
        [&] {
            auto& enumeration = *reinterpret_cast<Enumeration*>(state);
            // A family comes once per character set, one after another: given once.
            if (enumeration.last != font->lfFaceName) {
                enumeration.last = font->lfFaceName;
                enumeration.take(font->lfFaceName);
            }
            return 1;
        },
        [] { return 0; });
}

} // namespace

void enumerateFamilies(const std::function<void(const wchar_t* name)>& take) {
    // A memory DC lists what the screen lists, without borrowing the screen's DC (a round
    // trip to the window server under Wine, twice each preview).
    const MemoryDC screen(CreateCompatibleDC(nullptr));
    if (!screen)
        return;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    Enumeration enumeration{take, {}};
    EnumFontFamiliesExW(screen.get(), &all, onFamily, reinterpret_cast<LPARAM>(&enumeration), 0);
}

} // namespace platform
