#include "editing/OpenFile.h"

#include "editing/TextDecoding.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "ui/WaitCursor.h"

#include <stdexcept>

namespace editing {

namespace {

// Into the sample, whichever way the file was chosen: read whole, whatever its size. A
// file that cannot be read, or not held in memory, leaves the sample as it was.
void loadIntoSample(forms::MainForm& main, const std::wstring& path) {
    const ui::WaitCursor waiting;
    try {
        if (const auto bytes = platform::files::readAll(path))
            main.BigText.setText(decodeText(*bytes, platform::fromAnsiCodePage));
    } catch (const std::exception&) {
        // Out of memory on the way (std::bad_alloc, std::length_error).
    }
}

} // namespace

void openTextFile(forms::MainForm& main, platform::Prompts& prompts) {
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
