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

} // namespace

void OpenFile(ui::MainForm& main, platform::Prompts& prompts) {
    main.ForOpen.fileName.clear(); // every showing starts with an empty name
    platform::FileDialogRequest request{std::wstring(main.ForOpen.settings.title),
                                        std::wstring(main.ForOpen.settings.filter), L"", 0};
    if (!prompts.openFile(main.hwnd(), request) || request.fileName.empty())
        return;
    main.ForOpen.fileName = request.fileName;
    // A file that cannot be read, or is too large for memory, leaves the sample as it was.
    const auto bytes = platform::files::readAll(main.ForOpen.fileName);
    if (!bytes)
        return;
    try {
        main.BigText.setText(decodeText(*bytes, fromAnsiCodePage));
    } catch (const std::bad_alloc&) {
    }
}

} // namespace editing
