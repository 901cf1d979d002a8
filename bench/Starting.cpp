// What comes before the font names are read: the splash a double-click brings up, and the
// main window made with its controls.
#include "Starting.h"

#include "BareForm.h"
#include "PaintMark.h"
#include "Timing.h"
#include "app/App.h"
#include "support/Fakes.h"

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

namespace {

BOOL CALLBACK notePainted(HWND child, LPARAM whole) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
        *reinterpret_cast<bool*>(whole) = false;
    return TRUE;
}

struct PaintedSearch {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK findPainted(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<PaintedSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process || !IsWindowVisible(window) ||
        (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
        return TRUE;
    bool painted = !GetUpdateRect(window, nullptr, FALSE);
    EnumChildWindows(window, notePainted, reinterpret_cast<LPARAM>(&painted));
    if (painted)
        search.found = window;
    return !painted;
}

// A process's top-level window that is shown and painted whole: neither it nor a child has
// anything left to paint.
HWND paintedWindowOf(DWORD process) {
    PaintedSearch search{process};
    EnumWindows(findPainted, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring besideThisProgram(const wchar_t* name) {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

// The marks paint_mark.dll leaves from inside every process, and its hook.
class PaintMarksHook {
public:
    PaintMarksHook() {
        mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(PaintMarks), paintMarksName);
        marks_ = mapping_ ? static_cast<PaintMarks*>(
                                MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(PaintMarks)))
                          : nullptr;
        library_ = LoadLibraryW(besideThisProgram(L"paint_mark.dll").c_str());
        using Install = HHOOK (*)();
        if (const auto install = reinterpret_cast<Install>(
                reinterpret_cast<void*>(GetProcAddress(library_, "installPaintMarks"))))
            hook_ = install();
    }
    ~PaintMarksHook() {
        if (hook_)
            UnhookWindowsHookEx(hook_);
        if (marks_)
            UnmapViewOfFile(marks_);
        if (mapping_)
            CloseHandle(mapping_);
        if (library_)
            FreeLibrary(library_);
    }
    PaintMarksHook(const PaintMarksHook&) = delete;
    PaintMarksHook& operator=(const PaintMarksHook&) = delete;

    // From the process's creation, as the system records it, to the end of its last paint
    // before it first waits for input, which is its first window painted whole; the process
    // is ended then. Negative when it painted nothing, or not the whole window.
    double toFirstPaint(const std::wstring& program) {
        if (!hook_ || !marks_)
            return -1;
        std::wstring command = L"\"" + program + L"\"";
        STARTUPINFOW start{};
        start.cb = sizeof start;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE,
                            CREATE_SUSPENDED, nullptr, nullptr, &start, &process))
            return -1;
        marks_->process = process.dwProcessId;
        marks_->lastPainted = 0;
        ResumeThread(process.hThread);
        const bool idle = WaitForInputIdle(process.hProcess, 20000) == 0;
        const bool whole = idle && paintedWindowOf(process.dwProcessId);
        const LONGLONG painted = marks_->lastPainted;
        FILETIME created{}, exited{}, kernel{}, user{};
        GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user);
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
        // What the ended process leaves the servers to clean up is not the next start's work.
        Sleep(100);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        const auto since = static_cast<LONGLONG>(
            (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime);
        return whole && painted ? static_cast<double>(painted - since) / 10000.0 : -1;
    }

private:
    HANDLE mapping_ = nullptr;
    PaintMarks* marks_ = nullptr;
    HMODULE library_ = nullptr;
    HHOOK hook_ = nullptr;
};

} // namespace

void timeToSplash(int pairs) {
    const std::wstring program = besideThisProgram(L"glyphmere.exe");
    const std::wstring baseline = besideThisProgram(L"bare_splash.exe");
    PaintMarksHook marks;
    // The first start of each reads its files from the disk; the rows are of later ones.
    marks.toFirstPaint(program);
    marks.toFirstPaint(baseline);
    timed(
        "time to the splash (ms)", 0, pairs, [&](int) { return marks.toFirstPaint(program); },
        [&](int) { return marks.toFirstPaint(baseline); });
}

void makingTheMainWindow(int pairs) {
    // Made with its controls, menu, shortcuts, icons and pictures, shown and painted; what
    // it is loaded with is the start-up rows' work.
    fakes::World shapeWorld;
    app::App shape(shapeWorld.services);
    shape.mainForm.onLoad = {};
    shape.mainForm.load();
    BareForm bare(shape.mainForm);
    const auto program = [&](int) {
        fakes::World world;
        app::App app(world.services);
        app.mainForm.onLoad = {};
        return timeOf([&] { app.mainForm.show(); });
    };
    const auto baseline = [&](int) {
        const double took = timeOf([&] {
            bare.make();
            ShowWindow(bare.host, SW_SHOW);
            UpdateWindow(bare.host);
        });
        bare.destroy();
        return took;
    };
    timed("making the main window (ms)", 0, pairs, program, baseline);
}

} // namespace bench
