#include "editing/OpenFile.h"

#include "editing/TextDecoding.h"
#include "platform/Files.h"

#include <algorithm>
#include <stdexcept>

namespace editing {

namespace {

std::wstring fromAnsiCodePage(std::string_view bytes) {
    // A single-byte code page gives one character a byte. The conversion takes an int's
    // worth at a time, so a larger text goes in pieces, each ending after a line break where
    // it has one: a break is never part of a double-byte character.
    constexpr size_t piece = size_t{1} << 30;
    std::wstring text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        size_t size = std::min(bytes.size(), piece);
        if (size < bytes.size())
            if (const size_t lineEnd = bytes.substr(0, size).rfind('\n');
                lineEnd != std::string_view::npos)
                size = lineEnd + 1;
        const size_t at = text.size();
        text.resize(at + size);
        const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(size),
                                               text.data() + at, static_cast<int>(size));
        text.resize(at + static_cast<size_t>(std::max(length, 0)));
        bytes.remove_prefix(size);
    }
    return text;
}

// Into the sample, whichever way the file was chosen: read whole, whatever its size. A
// file that cannot be read, or not held in memory, leaves the sample as it was.
void loadIntoSample(forms::MainForm& main, const std::wstring& path) {
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    try {
        if (const auto bytes = platform::files::readAll(path))
            main.BigText.setText(decodeText(*bytes, fromAnsiCodePage));
    } catch (const std::exception&) {
        // Out of memory on the way (std::bad_alloc, std::length_error).
    }
    SetCursor(previous);
}

} // namespace

void OpenFile(forms::MainForm& main, platform::Prompts& prompts) {
    main.ForOpen.fileName.clear(); // every showing starts with an empty name
    platform::FileDialogRequest request{std::wstring(main.ForOpen.settings.title),
                                        std::wstring(main.ForOpen.settings.filter), L"", 0};
    if (!prompts.openFile(main.hwnd(), request) || request.fileName.empty())
        return;
    main.ForOpen.fileName = request.fileName;
    loadIntoSample(main, main.ForOpen.fileName);
}

void openDroppedFiles(forms::MainForm& main, const std::vector<std::wstring>& files) {
    // The first one only; a folder cannot be read as a file and leaves the sample as it is.
    if (!files.empty())
        loadIntoSample(main, files.front());
}

} // namespace editing
