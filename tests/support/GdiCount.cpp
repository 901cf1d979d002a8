#include "support/GdiCount.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace {

// Wine answers 0 to GetGuiResources; its GDI handle table, which the process block points
// to, tells instead. One entry: the object, its owner, then a word whose third byte is the
// object's type (0 for a free entry), then a user pointer.
struct HandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint32_t unique;
    std::uint64_t user;
};

int countHandleTable() {
    using QueryFn = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query ||
        query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return -1;
    const PEB* peb = basic.PebBaseAddress;
#ifdef _WIN64
    constexpr size_t tableOffset = 0xF8;
#else
    constexpr size_t tableOffset = 0x94;
#endif
    const auto* table = *reinterpret_cast<const HandleEntry* const*>(
        reinterpret_cast<const char*>(peb) + tableOffset);
    if (!table)
        return -1;
    int count = 0;
    for (int i = 0; i < 0x10000; ++i)
        count += (table[i].unique >> 16) & 0x7F ? 1 : 0;
    return count;
}

} // namespace

int gdiObjectCount() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<int>(count);
    return countHandleTable();
}
