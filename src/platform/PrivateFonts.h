#pragma once
// Font files added for this process alone (FR_PRIVATE): no other program sees them, nothing
// is installed, and they are taken away again when their owner goes.
#include <string>
#include <vector>

namespace platform {

class PrivateFonts {
public:
    PrivateFonts() = default;
    ~PrivateFonts() { removeAll(); }
    PrivateFonts(const PrivateFonts&) = delete;
    PrivateFonts& operator=(const PrivateFonts&) = delete;

    // Whether the system now lists a font family of that name, installed or added.
    static bool familyListed(const std::wstring& family);

    // Whether the file gave at least one font.
    bool add(const std::wstring& path);
    void remove(const std::wstring& path);
    void removeAll();

private:
    std::vector<std::wstring> added_;
};

} // namespace platform
