// Benchmarks through the program's real code paths, with synthetic font collections from
// the fake seam. Each timed row runs the program's path and a baseline that does the same
// visible work the bare Win32 way, in turns in the same run: a ratio above 1 is what the
// program adds. `--quick` is a short run with small numbers.
#include "app/App.h"
#include "editing/OpenFile.h"
#include "preview/Effects.h"
#include "support/Drop.h"
#include "support/Fakes.h"
#include "support/GdiCount.h"
#include "support/TempFolder.h"
#include "support/WindowText.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

double milliseconds() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

template <typename Work> double timeOf(Work&& work) {
    const double started = milliseconds();
    work();
    return milliseconds() - started;
}

struct Stats {
    double median = 0, p95 = 0;
};

Stats statsOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    Stats s;
    s.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    s.p95 = samples[std::min(n - 1, static_cast<size_t>(std::ceil(0.95 * static_cast<double>(n))) - 1)];
    return s;
}

struct Row {
    std::string name;
    int n;
    Stats measured;
    Stats baseline;
    double ratio;
    std::string goal;
    bool met;
};

std::vector<Row> rows;

void add(const std::string& name, int n, double measured, double baseline, const std::string& goal,
         bool met) {
    const double ratio = baseline > 0 ? measured / baseline : 0;
    rows.push_back({name, n, {measured, measured}, {baseline, baseline}, ratio, goal, met});
}

// Every timed row has the same goal: the program within a tenth of the bare work. Its ratio
// is the median of each run's ratio to the baseline run beside it, which a change in the
// machine's load between runs does not move.
void addTimed(const std::string& name, int n, const std::vector<double>& program,
              const std::vector<double>& baseline) {
    std::vector<double> ratios;
    for (size_t i = 0; i < program.size(); ++i)
        ratios.push_back(program[i] / baseline[i]);
    const double ratio = statsOf(ratios).median;
    rows.push_back(
        {name, n, statsOf(program), statsOf(baseline), ratio, "ratio <= 1.10", ratio <= 1.10});
}

// The plain message loop of a window whose controls the keyboard moves between.
void pumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsDialogMessageW(GetAncestor(message.hwnd, GA_ROOT), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The program's path and its baseline in turns, each going first every other time, so
// that the machine's changing load and anything left warm fall on both alike.
template <typename Program, typename Baseline>
void timed(const std::string& name, int n, int pairs, Program&& program, Baseline&& baseline) {
    std::vector<double> ours, bare;
    for (int i = 0; i < pairs; ++i) {
        if (i % 2)
            bare.push_back(baseline(i));
        pumpPending(); // what one left behind is not the other's work
        ours.push_back(program(i));
        pumpPending();
        if (i % 2 == 0)
            bare.push_back(baseline(i));
    }
    addTimed(name, n, ours, bare);
}

std::vector<std::wstring> fontNames(int count) {
    std::vector<std::wstring> names;
    for (int i = 0; i < count; ++i)
        names.push_back(L"Font " + std::to_wstring(100000 + i));
    std::shuffle(names.begin(), names.end(), std::mt19937(12345));
    return names;
}

// The bare Win32 way: a plain window below the main window holding copies of its find
// box, font list, size list and sample box (the same class, styles, place and font),
// worked by plain messages; its window procedure is the only code of its own.
class Bare {
public:
    explicit Bare(ui::MainForm& mainForm) : points(static_cast<int>(mainForm.BigText.fontSize())) {
        static const ATOM hostClass = [] {
            WNDCLASSW c{};
            c.lpfnWndProc = procedure;
            c.hInstance = GetModuleHandleW(nullptr);
            c.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
            c.lpszClassName = L"GlyphmereBenchBare";
            return RegisterClassW(&c);
        }();
        RECT frame, client;
        GetWindowRect(mainForm.hwnd(), &frame);
        GetClientRect(mainForm.hwnd(), &client);
        host = CreateWindowExW(0, MAKEINTATOM(hostClass), L"", WS_POPUP | WS_CLIPCHILDREN,
                               frame.left, frame.bottom, client.right, client.bottom, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, host, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        find = copyOf(mainForm.FontFind);
        list = copyOf(mainForm.FontList);
        sizes = copyOf(mainForm.Sizelist);
        sample = copyOf(mainForm.BigText);
        SendMessageW(sample, EM_SETLIMITTEXT, 0, 0);
        LOGFONTW look{}; // a font of its own, as the program's sample has
        GetObjectW(windowFont(mainForm.BigText.hwnd()), sizeof look, &look);
        made_ = CreateFontIndirectW(&look);
        SendMessageW(sample, WM_SETFONT, reinterpret_cast<WPARAM>(made_), FALSE);
        for (int size = 8; size <= 72; ++size)
            SendMessageW(sizes, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(std::to_wstring(size).c_str()));
        SendMessageW(sizes, LB_SETCURSEL, static_cast<WPARAM>(mainForm.Sizelist.listIndex()), 0);
        const HDC screen = GetDC(nullptr);
        dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    ~Bare() {
        DestroyWindow(host);
        DeleteObject(made_);
    }
    Bare(const Bare&) = delete;
    Bare& operator=(const Bare&) = delete;

    // The list entry's font at the given size into the sample; the one before is freed.
    void setFont(LRESULT index, int size) {
        wchar_t face[LF_FACESIZE]{};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) < LF_FACESIZE)
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(face));
        const HFONT font =
            CreateFontW(-MulDiv(size, dpi_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face);
        SendMessageW(sample, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        DeleteObject(made_);
        made_ = font;
    }

    HWND host, find, list, sizes, sample;
    int points; // the size selected
    // A font file dropped on the copy: the family it is known to hold, and where it went.
    std::wstring dropFamily;
    LRESULT dropped = LB_ERR;

private:
    HWND copyOf(const controls::Control& control) {
        const HWND original = control.hwnd();
        wchar_t kind[32]{};
        GetClassNameW(original, kind, 32);
        RECT r;
        GetWindowRect(original, &r);
        MapWindowPoints(nullptr, GetParent(original), reinterpret_cast<POINT*>(&r), 2);
        // A list drops its scroll bar from its style while it has nothing to scroll; the
        // program made it with one.
        DWORD style = static_cast<DWORD>(GetWindowLongPtrW(original, GWL_STYLE));
        if (lstrcmpiW(kind, L"ListBox") == 0)
            style |= WS_VSCROLL;
        const HWND copy =
            CreateWindowExW(static_cast<DWORD>(GetWindowLongPtrW(original, GWL_EXSTYLE)), kind, L"",
                            style, r.left, r.top, r.right - r.left, r.bottom - r.top, host, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
        SendMessageW(copy, WM_SETFONT, SendMessageW(original, WM_GETFONT, 0, 0), FALSE);
        std::wstring tip(control.layout().toolTip); // and its tool tip, the usual way
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = host;
        tool.uId = reinterpret_cast<UINT_PTR>(copy);
        tool.lpszText = tip.data();
        if (!tip.empty())
            SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        return copy;
    }

    // A keystroke in the find box: the list's own prefix search selects, and a new
    // selection's font goes into the sample.
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* bare = reinterpret_cast<Bare*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        // A dropped font file: added for the process alone, its family into the list and
        // selected, its font into the sample.
        if (message == WM_DROPFILES && bare) {
            const auto drop = reinterpret_cast<HDROP>(wParam);
            wchar_t file[MAX_PATH]{};
            DragQueryFileW(drop, 0, file, MAX_PATH);
            DragFinish(drop);
            AddFontResourceExW(file, FR_PRIVATE, nullptr);
            bare->dropped = SendMessageW(bare->list, LB_ADDSTRING, 0,
                                         reinterpret_cast<LPARAM>(bare->dropFamily.c_str()));
            SendMessageW(bare->list, LB_SETCURSEL, static_cast<WPARAM>(bare->dropped), 0);
            bare->setFont(bare->dropped, bare->points);
            return 0;
        }
        if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && bare &&
            reinterpret_cast<HWND>(lParam) == bare->find) {
            wchar_t typed[64]{};
            GetWindowTextW(bare->find, typed, 64);
            const LRESULT before = SendMessageW(bare->list, LB_GETCURSEL, 0, 0);
            const LRESULT at = SendMessageW(bare->list, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(typed));
            SendMessageW(bare->list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
            if (at != LB_ERR && at != before)
                bare->setFont(at, bare->points);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    int dpi_ = 96;
    HFONT made_ = nullptr;
    HWND tips_ = nullptr;
};

// Start-up: the main window's load handler, timed on its own (making the window, its
// controls and the size list's entries comes before it). The bare reading runs a name at a
// time inside it, as each name is read, each step timed apart and taken out of the
// program's time: a change in the machine's load falls on both alike.
void startUp(int n, int runs) {
    const auto names = fontNames(n);
    fakes::World shapeWorld; // a main window loaded once, for the copies' shape
    app::App shape(shapeWorld.services);
    shape.mainForm.load();
    std::vector<double> program, baseline;
    for (int run = 0; run < runs; ++run) {
        Bare bare(shape.mainForm);
        fakes::World world;
        world.fonts.names = names;
        // Bare: one yield, every name added to the hidden copy of the list with a yield after
        // each, then the first entry selected and its font set into the sample at 8 points,
        // "8" selected.
        double inside = 0;
        world.fonts.onRead = [&](int index) {
            inside += timeOf([&] {
                if (index == 0)
                    pumpPending();
                SendMessageW(bare.list, LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(names[static_cast<size_t>(index)].c_str()));
                pumpPending();
            });
        };
        app::App app(world.services);
        auto& mainForm = app.mainForm;
        const controls::Event load = mainForm.onLoad;
        double took = 0;
        mainForm.onLoad = [&] { took = timeOf(load); };
        mainForm.load();
        const double after = timeOf([&] {
            SendMessageW(bare.list, LB_SETCURSEL, 0, 0);
            bare.setFont(0, 8);
            SendMessageW(bare.sizes, LB_SETCURSEL, 0, 0);
        });
        program.push_back(took - inside);
        baseline.push_back(inside + after);
        pumpPending();
    }
    addTimed("start-up reading (ms)", n, program, baseline);
}

// A main window read with the names and shown, as the user sees it, and the bare copy
// below it with the same names and selections.
struct Running {
    explicit Running(int n) {
        world.fonts.names = fontNames(n);
        auto& mainForm = app.mainForm;
        mainForm.load();
        mainForm.show();
        // At the top left, so that the bare copy has room below it on the screen.
        SetWindowPos(mainForm.hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        mainForm.Sizelist.setText(L"12");
        bare.emplace(mainForm);
        for (const auto& name : world.fonts.names)
            SendMessageW(bare->list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageW(bare->list, LB_SETCURSEL, 0, 0);
        ShowWindow(bare->host, SW_SHOWNOACTIVATE);
        app.loop.yield();
    }
    fakes::World world;
    app::App app{world.services};
    std::optional<Bare> bare;
};

void findAsYouType(int n, int samples) {
    Running running(n);
    auto& mainForm = running.app.mainForm;
    Bare& bare = *running.bare;
    // A word typed into a find box, focused and emptied first; each keystroke is timed from
    // the key posted to the find box, the list and the sample painted.
    const auto type = [](const std::wstring& word, HWND find, HWND list, HWND sample, auto&& pump,
                         std::vector<double>& times) {
        SetFocus(find);
        SetWindowTextW(find, L"");
        pump();
        for (const wchar_t c : word)
            times.push_back(timeOf([&] {
                PostMessageW(find, WM_CHAR, c, 1);
                pump();
                UpdateWindow(find);
                UpdateWindow(list);
                UpdateWindow(sample);
            }));
    };
    const auto programLoop = [&] { running.app.loop.yield(); };
    const std::wstring words[] = {L"Font 12", L"font 2999", L"Font 1000", L"FONT 11", L"Fon"};
    std::vector<double> program, baseline;
    for (size_t w = 0; program.size() < static_cast<size_t>(samples); ++w) {
        const std::wstring& word = words[w % std::size(words)];
        // Bare: the same keys through a plain message loop to the copy, whose host's
        // procedure above searches, selects and sets the font.
        if (w % 2)
            type(word, bare.find, bare.list, bare.sample, pumpPending, baseline);
        type(word, mainForm.FontFind.hwnd(), mainForm.FontList.hwnd(), mainForm.BigText.hwnd(),
             programLoop, program);
        if (w % 2 == 0)
            type(word, bare.find, bare.list, bare.sample, pumpPending, baseline);
    }
    addTimed("find as you type (ms)", n, program, baseline);
}

void fontSwitch(int n, int pairs, int sampleLength) {
    Running running(n);
    auto& mainForm = running.app.mainForm;
    Bare& bare = *running.bare;
    std::wstring text;
    while (static_cast<int>(text.size()) < sampleLength)
        text += L"The quick brown fox jumps over the lazy dog. 0123456789\r\n";
    text.resize(static_cast<size_t>(sampleLength));
    mainForm.BigText.setText(text);
    SetWindowTextW(bare.sample, text.c_str());
    running.app.loop.yield();
    std::mt19937 random(7);
    std::vector<int> picks(static_cast<size_t>(pairs));
    for (int& pick : picks)
        pick = static_cast<int>(random() % static_cast<unsigned>(n));
    const auto program = [&](int i) {
        return timeOf([&] {
            mainForm.FontList.setListIndex(picks[static_cast<size_t>(i)]);
            UpdateWindow(mainForm.BigText.hwnd());
            UpdateWindow(mainForm.FontList.hwnd());
        });
    };
    // Bare: the list's selection moved, the entry's font made at the same size and set into
    // the sample, both painted.
    const auto baseline = [&](int i) {
        return timeOf([&] {
            const int pick = picks[static_cast<size_t>(i)];
            SendMessageW(bare.list, LB_SETCURSEL, static_cast<WPARAM>(pick), 0);
            bare.setFont(pick, bare.points);
            UpdateWindow(bare.sample);
            UpdateWindow(bare.list);
        });
    };
    timed(sampleLength ? "font switch, 100,000 characters (ms)" : "font switch, empty sample (ms)",
          n, pairs, program, baseline);
}

// Lines of UTF-8 text with a few letters beyond ASCII, as a text file of that many MB.
std::string textFile(int megabytes) {
    const std::string line =
        "The quick brown fox jumps over the lazy dog: na\xC3\xAFve caf\xC3\xA9, "
        "0123456789\r\n";
    std::string bytes;
    while (bytes.size() + line.size() <= static_cast<size_t>(megabytes) << 20)
        bytes += line;
    return bytes;
}

void openTextFile(int megabytes, int pairs) {
    Running running(300);
    auto& mainForm = running.app.mainForm;
    Bare& bare = *running.bare;
    TempFolder folder;
    const std::wstring path = folder.file(L"sample.txt");
    writeBytes(path, textFile(megabytes));
    running.world.prompts.fileAnswer = path;
    const auto program = [&](int) {
        return timeOf([&] {
            editing::OpenFile(mainForm, running.world.prompts, running.world.system);
            UpdateWindow(mainForm.BigText.hwnd());
        });
    };
    // Bare: the file read whole, decoded from UTF-8, set into the sample and painted.
    const auto baseline = [&](int) {
        return timeOf([&] {
            const std::string bytes = readBytes(path);
            std::wstring text(bytes.size(), L'\0');
            text.resize(static_cast<size_t>(
                MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                    text.data(), static_cast<int>(text.size()))));
            SendMessageW(bare.sample, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            UpdateWindow(bare.sample);
        });
    };
    timed("open text file, N MB (ms)", megabytes, pairs, program, baseline);
}

// A font file dropped on the main window and previewed, from the posted drop to the painted
// sample: read, checked, copied, added for the program alone, its family into the list and
// selected, the sample's font made anew, both painted. Bare: the same drop posted to the copy,
// whose window procedure adds the file for the process alone, puts its family into the
// copy's list and selects it, makes its font at the size and sets it into the sample; both
// painted. Both take it all away again afterwards, untimed.
void previewFontFile(int n, int pairs) {
    Running running(n);
    auto& mainForm = running.app.mainForm;
    Bare& bare = *running.bare;
    const std::wstring path = testFont(L"GlyphmerePreviewTest.ttf");
    const std::wstring family = L"Glyphmere Preview Test";
    const auto program = [&](int) {
        const double took = timeOf([&] {
            postDrop(mainForm.hwnd(), {path});
            running.app.loop.yield();
            UpdateWindow(mainForm.FontList.hwnd());
            UpdateWindow(mainForm.BigText.hwnd());
        });
        running.app.fontFiles.removeAll();
        SendMessageW(mainForm.FontList.hwnd(), LB_DELETESTRING,
                     static_cast<WPARAM>(mainForm.FontList.findEntry(family)), 0);
        return took;
    };
    bare.dropFamily = family;
    const auto baseline = [&](int) {
        const double took = timeOf([&] {
            postDrop(bare.host, {path});
            pumpPending();
            UpdateWindow(bare.list);
            UpdateWindow(bare.sample);
        });
        RemoveFontResourceExW(path.c_str(), FR_PRIVATE, nullptr);
        SendMessageW(bare.list, LB_DELETESTRING, static_cast<WPARAM>(bare.dropped), 0);
        return took;
    };
    timed("preview a dropped font file (ms)", n, pairs, program, baseline);
}

size_t peakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

// First in the process: the peak only grows.
void memory(int n) {
    fakes::World world;
    world.fonts.names = fontNames(n);
    app::App app(world.services);
    const size_t before = peakWorkingSet();
    app.mainForm.load();
    const double grown = static_cast<double>(peakWorkingSet() - before) / (1024.0 * 1024.0);
    add("memory: peak working set grown (MB)", n, grown, 0, "<= 8", grown <= 8.0);
}

void gdiObjects(int actions) {
    Running running(2000);
    auto& mainForm = running.app.mainForm;
    std::mt19937 random(99);
    controls::CheckBox* boxes[] = {&mainForm.Bold, &mainForm.Italic, &mainForm.Underline,
                                   &mainForm.Strikeout};
    const auto act = [&](int count) {
        for (int i = 0; i < count; ++i) {
            switch (i % 3) {
            case 0:
                mainForm.FontList.setListIndex(static_cast<int>(random() % 2000));
                break;
            case 1: {
                controls::CheckBox& box = *boxes[random() % 4];
                box.setValue(1 - box.value());
                break;
            }
            default:
                running.world.prompts.colorAnswer = random() & 0xFFFFFF;
                preview::pickColor(mainForm, running.world.prompts);
            }
            if (i % 100 == 0)
                running.app.loop.yield();
        }
        running.app.loop.yield();
    };
    // Counted after a first round of each action, with the window painted and the pointer
    // away from it: what the system makes once is not taken for a leak, which grows with
    // the actions.
    SetCursorPos(0, 0);
    act(30);
    const int before = gdiObjectCount();
    act(actions);
    const int after = gdiObjectCount();
    add("GDI objects after the actions", actions, after, before, "no more",
        after >= 0 && after <= before);
}

void printTable() {
    std::printf("\n%-38s %7s %10s %10s %10s %7s  %-14s %s\n", "benchmark", "N", "median", "p95",
                "baseline", "ratio", "goal", "");
    for (const Row& r : rows) {
        std::printf("%-38s %7d %10.3f %10.3f %10.3f %7.2f  %-14s %s\n", r.name.c_str(), r.n,
                    r.measured.median, r.measured.p95, r.baseline.median, r.ratio, r.goal.c_str(),
                    r.met ? "met" : "NOT MET");
    }
}

} // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const bool quick = argc > 1 && std::string(argv[1]) == "--quick";
    if (quick) {
        memory(1000);
        startUp(300, 3);
        findAsYouType(1000, 20);
        fontSwitch(1000, 10, 0);
        fontSwitch(1000, 6, 100000);
        openTextFile(1, 2);
        previewFontFile(1000, 4);
        gdiObjects(300);
    } else {
        memory(30000);
        // Enough pairs a row that its ratio moves by less than about 0.05 between runs.
        startUp(300, 41);
        startUp(1000, 31);
        startUp(10000, 11);
        startUp(30000, 7);
        findAsYouType(30000, 400);
        fontSwitch(30000, 301, 0);
        fontSwitch(30000, 101, 100000);
        openTextFile(1, 21);
        openTextFile(10, 9);
        previewFontFile(30000, 41);
        gdiObjects(10000);
    }
    printTable();
    // A short run checks that it works; the one invariant it must hold is the GDI count.
    const bool leaked = std::any_of(
        rows.begin(), rows.end(), [](const Row& r) { return r.name.starts_with("GDI") && !r.met; });
    return leaked ? 1 : 0;
}
