#include "editing/OpenFile.h"

#include "editing/TextDecoding.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "ui/WaitCursor.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace editing {

namespace {

// A load takes at its peak up to four bytes for each byte of the file: the bytes and the
// text made from them (one character a byte at most, two bytes a character) while it is
// decoded; once the bytes are freed, the text and the sample box's own copy of it.
constexpr unsigned long long peakPerFileByte = 4;

// The sample box's copy of the text: its characters, and what the box notes about each
// line (measured under Wine: about 64 bytes a line).
unsigned long long boxCopy(const std::wstring& text) {
    const auto lines = static_cast<unsigned long long>(std::count(text.begin(), text.end(), L'\n'));
    return sizeof(wchar_t) * text.size() + 64 * (lines + 1);
}

std::optional<std::wstring> readText(const std::wstring& path, unsigned long long largest) {
    const auto bytes = platform::files::readAll(path, largest);
    if (!bytes)
        return std::nullopt;
    return decodeText(*bytes, platform::fromAnsiCodePage);
}

// Into the sample, whichever way the file was chosen: read whole, whatever its size. A
// file that cannot be read leaves the sample as it was, and so does one whose load would
// not fit in memory, refused before it is read: it must not starve the machine.
void loadIntoSample(forms::MainForm& main, platform::System& system, const std::wstring& path) {
    const ui::WaitCursor waiting;
    try {
        // The bytes are gone before the box takes its copy of the text.
        const auto text = readText(path, system.memoryAvailable() / peakPerFileByte);
        if (text && boxCopy(*text) <= system.memoryAvailable())
            main.BigText.setText(*text);
    } catch (const std::exception&) {
        // Out of memory on the way all the same (std::bad_alloc, std::length_error).
    }
}

} // namespace

void openTextFile(forms::MainForm& main, platform::Prompts& prompts, platform::System& system) {
    main.ForOpen.fileName.clear(); // every showing starts with an empty name
    platform::FileDialogRequest request{std::wstring(main.ForOpen.settings.title),
                                        std::wstring(main.ForOpen.settings.filter), L"", 0};
    if (!prompts.openFile(main.hwnd(), request) || request.fileName.empty())
        return;
    main.ForOpen.fileName = request.fileName;
    loadIntoSample(main, system, main.ForOpen.fileName);
}

void openDroppedFiles(forms::MainForm& main, platform::System& system,
                      const std::vector<std::wstring>& files) {
    // The first one only; a folder cannot be read as a file and leaves the sample as it is.
    if (!files.empty())
        loadIntoSample(main, system, files.front());
}

} // namespace editing
