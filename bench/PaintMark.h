#pragma once
// What paint_mark.dll, a hook in every process of the session, shares with the benchmark:
// when the process being timed last returned from painting a window.
#include <windows.h>

namespace bench {

struct PaintMarks {
    DWORD process;        // the process the benchmark times now
    LONGLONG lastPainted; // system time of its last WM_PAINT done, 0 before any
};

constexpr const wchar_t* paintMarksName = L"Local\\GlyphmereBenchPaintMarks";

} // namespace bench
