#include "platform/PrivateFonts.h"

#include "platform/Handles.h"

#include <windows.h>

#include <algorithm>

namespace platform {

namespace {

int CALLBACK onFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

} // namespace

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

bool PrivateFonts::add(const std::wstring& path) {
    if (AddFontResourceExW(path.c_str(), FR_PRIVATE, nullptr) == 0)
        return false;
    added_.push_back(path);
    return true;
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
