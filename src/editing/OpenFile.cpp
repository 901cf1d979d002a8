#include "editing/OpenFile.h"

#include "editing/TextDecoding.h"
#include "platform/Files.h"

#include <new>

namespace editing {

namespace {

std::wstring fromAnsiCodePage(std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    std::wstring text(bytes.size(), L'\0'); // a single-byte code page: one character a byte
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), size);
    text.resize(static_cast<size_t>(std::max(length, 0)));
    return text;
}

// Into the sample, whichever way the file was chosen.
void loadIntoSample(ui::MainForm& main, platform::Prompts& prompts, const std::wstring& path) {
    // A file that cannot be read leaves the sample as it was. A very large one would keep
    // the window from answering for many seconds while the box takes it in: say so instead.
    const auto size = platform::files::sizeOf(path);
    if (!size)
        return;
    if (*size > largestFile) {
        const std::wstring sep = main.EnterLine.text();
        prompts.messageBox(L"The file is too large to show in the sample (more than 8 MB):" + sep +
                               sep + path,
                           MB_OK | MB_ICONWARNING, L"Glyphmere");
        return;
    }
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    try {
        if (const auto bytes = platform::files::readAll(path))
            main.BigText.setText(decodeText(*bytes, fromAnsiCodePage));
    } catch (const std::bad_alloc&) {
        // Not enough memory for it: the sample stays as it was.
    }
    SetCursor(previous);
}

} // namespace

const unsigned long long largestFile = 8ull << 20;

void OpenFile(ui::MainForm& main, platform::Prompts& prompts) {
    main.ForOpen.fileName.clear(); // every showing starts with an empty name
    platform::FileDialogRequest request{std::wstring(main.ForOpen.settings.title),
                                        std::wstring(main.ForOpen.settings.filter), L"", 0};
    if (!prompts.openFile(main.hwnd(), request) || request.fileName.empty())
        return;
    main.ForOpen.fileName = request.fileName;
    loadIntoSample(main, prompts, main.ForOpen.fileName);
}

void openDroppedFiles(ui::MainForm& main, platform::Prompts& prompts,
                      const std::vector<std::wstring>& files) {
    // The first one only; a folder is no text and leaves the sample as it is.
    if (!files.empty())
        loadIntoSample(main, prompts, files.front());
}

} // namespace editing
