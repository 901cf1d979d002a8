#include "shell/LaunchCommands.h"

#include "platform/Files.h"
#include "platform/Services.h"
#include "shell/WinFontFolder.h"
#include "ui/Messages.h"

namespace shell {

std::wstring besideProgram(platform::System& system, const std::wstring& name) {
    return system.programFolder() + L"\\" + name;
}

namespace {

// The system's own Fonts folder and Character Map by their full paths: given a bare name the
// shell looks in the current folder and beside the program first, where a download may
// have put a folder or a program of that name. Where the system does not say where its
// folder is, nothing runs and the message says why.
void openInSystemFolder(platform::Services& services, const ui::ReadForm& readForm, HWND owner,
                        const std::wstring& folder, const std::wstring& name,
                        const wchar_t* cannot) {
    if (folder.empty()) {
        services.prompts.messageBox(owner, cannot, ui::message::warning, ui::message::title);
        return;
    }
    WinFontFolder::ShellOpen(services.shell, readForm,
                             name.empty() ? folder : folder + L"\\" + name, L"", L"");
}

} // namespace

void openFontsFolder(platform::Services& services, const ui::ReadForm& readForm, HWND owner) {
    openInSystemFolder(services, readForm, owner, services.system.fontsFolder(), L"",
                       L"Glyphmere cannot open the Fonts folder: Windows does not say where it "
                       L"is.");
}

void openCharacterMap(platform::Services& services, const ui::ReadForm& readForm, HWND owner) {
    openInSystemFolder(services, readForm, owner, services.system.systemFolder(), L"charmap.exe",
                       L"Glyphmere cannot start the Character Map: Windows does not say where "
                       L"its programs are.");
}

void openHowTo(platform::Services& services, const ui::ReadForm& readForm) {
    WinFontFolder::ShellOpen(services.shell, readForm,
                             besideProgram(services.system, L"Install Fonts.htm"), L"", L"");
}

void openDonation(platform::Services& services, const ui::ReadForm& readForm) {
    WinFontFolder::ShellOpen(services.shell, readForm,
                             besideProgram(services.system, L"Donate with PayPal.exe"), L"", L"");
}

void openLicense(platform::Services& services, const ui::ReadForm& readForm, HWND owner) {
    const std::wstring path = besideProgram(services.system, L"License Agreement.rtf");
    if (!platform::files::canRead(path)) {
        services.prompts.messageBox(owner,
                                    L"Glyphmere can not find the file License Agreement.rtf, "
                                    L"Please reinstall the application",
                                    ui::message::warning, ui::message::title);
        return;
    }
    WinFontFolder::ShellOpen(services.shell, readForm, path, L"", L"");
}

} // namespace shell
