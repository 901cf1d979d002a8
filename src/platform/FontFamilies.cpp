#include "platform/FontFamilies.h"

#include "platform/CallbackGuard.h"
#include "platform/Handles.h"

#include <windows.h>

namespace platform {

namespace {

int CALLBACK onFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM take) {
    return guardCallback(
        "the font enumeration",
        [&] {
            (*reinterpret_cast<const std::function<void(const wchar_t*)>*>(take))(font->lfFaceName);
            return 1;
        },
        [] { return 0; });
}

} // namespace

void enumerateFamilies(const std::function<void(const wchar_t* name)>& take) {
    const WindowDC screen(nullptr);
    if (!screen.get())
        return;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen.get(), &all, onFamily, reinterpret_cast<LPARAM>(&take), 0);
}

} // namespace platform
