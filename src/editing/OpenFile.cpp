#include "editing/OpenFile.h"

#include "controls/WaitCursor.h"
#include "editing/TextDecoding.h"
#include "platform/CallbackGuard.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/System.h"
#include "ui/MainForm.h"

#include <algorithm>
#include <optional>

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

// Into the sample, whichever way the file was chosen: read whole. A file that cannot be
// read leaves the sample as it was, and so does one larger than the sample can count or
// whose load would not fit in memory, refused before it is read: it must not starve the
// machine.
void loadIntoSample(ui::MainForm& mainForm, platform::System& system, const std::wstring& path) {
    const controls::WaitCursor waiting;
    // Out of memory on the way all the same (std::bad_alloc, std::length_error), the load
    // ends there and the sample stays as it was.
    platform::guardCallback(
        "opening a text file",
        [&] {
            // The bytes are gone before the box takes its copy of the text.
            const auto text = readText(
                path, std::min(largestTextFile, system.memoryAvailable() / peakPerFileByte));
            if (text && boxCopy(*text) <= system.memoryAvailable())
                mainForm.BigText.setText(*text);
        },
        [] {});
}

} // namespace

void OpenFile(ui::MainForm& mainForm, platform::Prompts& prompts, platform::System& system) {
    if (mainForm.ForOpen.showOpen(prompts, mainForm.hwnd()))
        loadIntoSample(mainForm, system, mainForm.ForOpen.fileName());
}

void openDroppedFiles(ui::MainForm& mainForm, platform::System& system,
                      const std::vector<std::wstring>& files) {
    // The first one only; a folder cannot be read as a file and leaves the sample as it is.
    if (!files.empty())
        loadIntoSample(mainForm, system, files.front());
}

} // namespace editing
