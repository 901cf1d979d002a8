#pragma once
// Font files added for this process alone (FR_PRIVATE): no other program sees them, nothing
// is installed, and they are taken away again when their owner goes.
#include <set>
#include <string>
#include <vector>

namespace platform {

// Face names as the system matches them: ignoring case.
struct IgnoringCase {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
};
using FamilySet = std::set<std::wstring, IgnoringCase>;

class PrivateFonts {
public:
    PrivateFonts() = default;
    ~PrivateFonts() { removeAll(); }
    PrivateFonts(const PrivateFonts&) = delete;
    PrivateFonts& operator=(const PrivateFonts&) = delete;

    // Whether the system now lists a font family of that name, installed or added.
    static bool familyListed(const std::wstring& family);
    // Every family the system now lists for this process, installed or added, once each.
    static FamilySet listedFamilies();

    // How many fonts the file gave; 0 when none.
    int add(const std::wstring& path);
    void remove(const std::wstring& path);
    void removeAll();

private:
    std::vector<std::wstring> added_;
};

} // namespace platform
