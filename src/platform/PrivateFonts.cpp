#include "platform/PrivateFonts.h"

#include "platform/FontFamilies.h"

#include <windows.h>

#include <algorithm>

namespace platform {

bool IgnoringCase::operator()(const std::wstring& a, const std::wstring& b) const {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_LESS_THAN;
}

FamilySet PrivateFonts::listedFamilies() {
    FamilySet families;
    enumerateFamilies([&](const wchar_t* name) { families.insert(name); });
    return families;
}

bool PrivateFonts::familyListed(const std::wstring& family) {
    return listedFamilies().contains(family);
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
