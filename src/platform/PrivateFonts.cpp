#include "platform/PrivateFonts.h"

#include "platform/CallbackGuard.h"
#include "platform/Handles.h"

#include <windows.h>

#include <algorithm>

namespace platform {

namespace {

int CALLBACK onFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

int CALLBACK onEachFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM families) {
    // Out of memory, the enumeration stops with the families it has.
    return guardCallback(
        "the font enumeration",
        [&] {
            reinterpret_cast<FamilySet*>(families)->insert(font->lfFaceName);
            return 1;
        },
        [] { return 0; });
}

} // namespace

bool IgnoringCase::operator()(const std::wstring& a, const std::wstring& b) const {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_LESS_THAN;
}

FamilySet PrivateFonts::listedFamilies() {
    LOGFONTW every{};
    every.lfCharSet = DEFAULT_CHARSET;
    const WindowDC screen(nullptr);
    FamilySet families;
    if (screen.get())
        EnumFontFamiliesExW(screen.get(), &every, onEachFamily, reinterpret_cast<LPARAM>(&families),
                            0);
    return families;
}

bool PrivateFonts::familyListed(const std::wstring& family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    if (family.empty() || family.size() >= LF_FACESIZE)
        return false;
    family.copy(wanted.lfFaceName, family.size());
    const WindowDC screen(nullptr);
    bool found = false;
    if (screen.get())
        EnumFontFamiliesExW(screen.get(), &wanted, onFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

int PrivateFonts::add(const std::wstring& path) {
    const int fonts = AddFontResourceExW(path.c_str(), FR_PRIVATE, nullptr);
    if (fonts > 0)
        added_.push_back(path);
    return fonts;
}

void PrivateFonts::remove(const std::wstring& path) {
    const auto at = std::find(added_.begin(), added_.end(), path);
    if (at == added_.end())
        return;
    RemoveFontResourceExW(path.c_str(), FR_PRIVATE, nullptr);
    added_.erase(at);
}

void PrivateFonts::removeAll() {
    for (const std::wstring& path : added_)
        RemoveFontResourceExW(path.c_str(), FR_PRIVATE, nullptr);
    added_.clear();
}

} // namespace platform
