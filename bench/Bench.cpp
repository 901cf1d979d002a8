// Benchmarks through the program's real code paths, with synthetic font collections from
// the fake seam. Each timed row runs the program's path and a baseline that does the same
// visible work the bare Win32 way, in turns in the same run: a ratio above 1 is what the
// program adds. `--quick` is a short run with small numbers.
#include "BareCopy.h"
#include "BareForm.h"
#include "Starting.h"
#include "Timing.h"
#include "app/App.h"
#include "editing/OpenFile.h"
#include "platform/Handles.h"
#include "preview/Effects.h"
#include "support/Drop.h"
#include "support/Fakes.h"
#include "support/GdiCount.h"
#include "support/TempFolder.h"
#include "support/WindowText.h"

#include <windows.h>

#include <commctrl.h>
#include <dwrite.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace bench;

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
        tips_ = bareToolTips(host);
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
        const HWND copy = bareCopyOf(control, host, tips_, false);
        SendMessageW(copy, WM_SETFONT, SendMessageW(control.hwnd(), WM_GETFONT, 0, 0), FALSE);
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
    explicit Running(int n, const std::vector<std::wstring>& more = {}) {
        world.fonts.names = fontNames(n);
        world.fonts.names.insert(world.fonts.names.end(), more.begin(), more.end());
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
        warnIfOffScreen(bare->host);
    }
    // Part of a copy off the screen is never painted: its baseline would do less work.
    static void warnIfOffScreen(HWND copy) {
        static bool warned = false;
        RECT placed;
        GetWindowRect(copy, &placed);
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        if (!warned && (placed.right > width || placed.bottom > height)) {
            warned = true;
            std::printf("warning: the bare copy reaches %ld by %ld px on a screen of %d by %d; "
                        "its rows are not fair (scripts/bench.sh makes the screen big enough)\n",
                        placed.right, placed.bottom, width, height);
        }
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

// The files of the face selected into the device context, the bare way: DirectWrite's GDI
// interop, each file's local loader asked for its path.
std::vector<std::wstring> bareFontFiles(HDC dc) {
    std::vector<std::wstring> paths;
    IDWriteFactory* factory = nullptr;
    IDWriteGdiInterop* interop = nullptr;
    IDWriteFontFace* face = nullptr;
    UINT32 count = 0;
    if (SUCCEEDED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                      reinterpret_cast<IUnknown**>(&factory))) &&
        SUCCEEDED(factory->GetGdiInterop(&interop)) &&
        SUCCEEDED(interop->CreateFontFaceFromHdc(dc, &face)) &&
        SUCCEEDED(face->GetFiles(&count, nullptr)) && count == 1) {
        IDWriteFontFile* file = nullptr;
        IDWriteFontFileLoader* loader = nullptr;
        IDWriteLocalFontFileLoader* local = nullptr;
        const void* key = nullptr;
        UINT32 keySize = 0, length = 0;
        if (SUCCEEDED(face->GetFiles(&count, &file)) &&
            SUCCEEDED(file->GetReferenceKey(&key, &keySize)) &&
            SUCCEEDED(file->GetLoader(&loader)) &&
            SUCCEEDED(loader->QueryInterface(__uuidof(IDWriteLocalFontFileLoader),
                                             reinterpret_cast<void**>(&local))) &&
            SUCCEEDED(local->GetFilePathLengthFromKey(key, keySize, &length))) {
            std::wstring path(length + 1, L'\0');
            local->GetFilePathFromKey(key, keySize, path.data(), length + 1);
            paths.push_back(path);
        }
        for (IUnknown* object : std::initializer_list<IUnknown*>{local, loader, file})
            if (object)
                object->Release();
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{face, interop, factory})
        if (object)
            object->Release();
    return paths;
}

// The details window opened on an installed font, from the command to the window painted:
// its facts read from the system and the font's tables, its files found, its rows shown.
// Bare: the font made and selected, its name table read whole (GetFontData), its files found
// through DirectWrite's GDI interop, and a plain window with copies of the details window's
// box and buttons, holding the same text, shown and painted, the copy of the main window
// disabled while it shows, as the main window waits.
void openingDetails(int n, int pairs) {
    const std::wstring family = L"Tahoma";
    Running running(n, {family});
    auto& mainForm = running.app.mainForm;
    auto& details = running.app.details;
    auto& form = running.app.detailsForm;
    mainForm.FontList.setText(family);
    details.open(); // made once, as the bare window is
    const std::wstring shown = form.Facts.text();
    details.close();
    BareForm bare(form);
    bare.make();
    const auto program = [&](int) {
        const double took = timeOf([&] {
            details.open();
            UpdateWindow(form.hwnd());
        });
        details.close();
        return took;
    };
    const auto baseline = [&](int) {
        const double took = timeOf([&] {
            EnableWindow(running.bare->host, FALSE); // the copy of the main window waits
            const platform::MemoryDC dc(CreateCompatibleDC(nullptr));
            const platform::Font font(CreateFontW(
                -100, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family.c_str()));
            const platform::Selection selected(dc.get(), font.get());
            const DWORD name = 'n' | 'a' << 8 | 'm' << 16 | 'e' << 24;
            std::string table(GetFontData(dc.get(), name, 0, nullptr, 0), '\0');
            GetFontData(dc.get(), name, 0, table.data(), static_cast<DWORD>(table.size()));
            bareFontFiles(dc.get());
            SetWindowTextW(bare.copies.front(), shown.c_str());
            ShowWindow(bare.host, SW_SHOW);
            UpdateWindow(bare.host);
        });
        ShowWindow(bare.host, SW_HIDE);
        EnableWindow(running.bare->host, TRUE);
        return took;
    };
    timed("open the details window (ms)", n, pairs, program, baseline);
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

} // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const bool quick = argc > 1 && std::string(argv[1]) == "--quick";
    if (quick) {
        memory(1000);
        timeToSplash(2);
        makingTheMainWindow(2);
        startUp(300, 3);
        findAsYouType(1000, 20);
        fontSwitch(1000, 10, 0);
        fontSwitch(1000, 6, 100000);
        openTextFile(1, 2);
        previewFontFile(1000, 4);
        openingDetails(1000, 4);
        gdiObjects(300);
    } else {
        memory(30000);
        // Enough pairs a row that its ratio moves by less than about 0.05 between runs.
        timeToSplash(81);
        makingTheMainWindow(41);
        startUp(300, 41);
        startUp(1000, 31);
        startUp(10000, 11);
        startUp(30000, 7);
        findAsYouType(30000, 400);
        fontSwitch(30000, 301, 0);
        fontSwitch(30000, 101, 100000);
        openTextFile(1, 21);
        openTextFile(10, 9);
        previewFontFile(30000, 81);
        openingDetails(30000, 81);
        gdiObjects(10000);
    }
    printTable();
    // A short run checks that it works; the one invariant it must hold is the GDI count.
    return bench::missed("GDI") ? 1 : 0;
}
