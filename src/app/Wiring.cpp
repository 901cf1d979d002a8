#include "app/Wiring.h"

#include "editing/EditCommands.h"
#include "editing/OpenFile.h"
#include "platform/Services.h"
#include "preview/Effects.h"
#include "preview/FindFont.h"
#include "preview/FontChoice.h"
#include "preview/FontFilePreview.h"
#include "preview/FontListCommands.h"
#include "report/ReportCommand.h"
#include "shell/LaunchCommands.h"
#include "shell/Support.h"
#include "shell/WinFontFolder.h"
#include "ui/AboutForm.h"
#include "ui/ForGlyphmere.h"
#include "ui/MainForm.h"
#include "ui/Product.h"
#include "ui/ReadForm.h"
#include "windows/AboutForm.h"
#include "windows/ForGlyphmere.h"

namespace app {

void wirePreview(ui::MainForm& mainForm, platform::Services& services,
                 const preview::FontFilePreview& fontFiles) {
    auto& prompts = services.prompts;
    mainForm.FontList.onClick = [&mainForm] { preview::fontChosen(mainForm); };
    mainForm.Sizelist.onClick = [&mainForm] { preview::sizeChosen(mainForm); };
    mainForm.BigText.onClick = [&mainForm] { preview::sampleUsed(mainForm); };
    mainForm.BigText.onGotFocus = [&mainForm] { preview::sampleUsed(mainForm); };
    mainForm.ClearText.onClick = [&mainForm] { preview::clearSample(mainForm); };
    mainForm.RemoveAll.onClick = [&mainForm] { preview::clearSample(mainForm); };

    mainForm.Bold.onClick = [&mainForm] { preview::boldSwitched(mainForm); };
    mainForm.Italic.onClick = [&mainForm] { preview::italicSwitched(mainForm); };
    mainForm.Underline.onClick = [&mainForm] { preview::underlineSwitched(mainForm); };
    mainForm.Strikeout.onClick = [&mainForm] { preview::strikeoutSwitched(mainForm); };
    mainForm.RemoveEffects.onClick = [&mainForm] { preview::removeAllEffects(mainForm); };
    mainForm.RemoveLabel.onClick = [&mainForm] { preview::removeAllEffects(mainForm); };
    mainForm.ColorClick.onClick = [&mainForm, &prompts] { preview::pickColor(mainForm, prompts); };

    mainForm.FontFind.onChange = [&mainForm] { preview::findAsYouType(mainForm); };
    mainForm.FontFind.onClick = [&mainForm] { preview::findBoxUsed(mainForm); };
    mainForm.FontFind.onGotFocus = [&mainForm] { preview::findBoxUsed(mainForm); };

    mainForm.FontsCounter.onClick = [&mainForm, &prompts, &fontFiles] {
        preview::countFonts(mainForm, prompts, fontFiles);
    };
    mainForm.FontCounterTool.onClick = [&mainForm, &prompts, &fontFiles] {
        preview::countFonts(mainForm, prompts, fontFiles);
    };
    mainForm.RefreshLisr.onClick = [&mainForm] { preview::refreshList(mainForm); };
    mainForm.RefreshList.onClick = [&mainForm] { preview::refreshList(mainForm); };
    mainForm.CopyFontName.onClick = [&mainForm, &prompts] {
        preview::copyFontName(mainForm, prompts);
    };
}

void wireEditing(ui::MainForm& mainForm, platform::Services& services) {
    auto& prompts = services.prompts;
    auto& system = services.system;
    mainForm.Undo.onClick = [&mainForm] { editing::UndoCode(mainForm); };
    mainForm.UndoButton.onClick = [&mainForm] { editing::UndoCode(mainForm); };
    mainForm.Cut2.onClick = [&mainForm] { editing::CutCode(mainForm); };
    mainForm.Cut.onClick = [&mainForm] { editing::CutCode(mainForm); };
    mainForm.Copy2.onClick = [&mainForm] { editing::CopyCode(mainForm); };
    mainForm.Copy.onClick = [&mainForm] { editing::CopyCode(mainForm); };
    mainForm.Paste2.onClick = [&mainForm] { editing::PasteCode(mainForm); };
    mainForm.Paste.onClick = [&mainForm] { editing::PasteCode(mainForm); };
    mainForm.Delete2.onClick = [&mainForm] { editing::DelCode(mainForm); };
    mainForm.Delete.onClick = [&mainForm] { editing::DelCode(mainForm); };
    mainForm.SelectAll.onClick = [&mainForm] { editing::SelectAllCode(mainForm); };
    mainForm.OpenFileMenu.onClick = [&mainForm, &prompts, &system] {
        editing::OpenFile(mainForm, prompts, system);
    };
    mainForm.OpenButton.onClick = [&mainForm, &prompts, &system] {
        editing::OpenFile(mainForm, prompts, system);
    };
}

void wireReport(ui::MainForm& mainForm, platform::Services& services) {
    auto& prompts = services.prompts;
    mainForm.ReportMenu.onClick = [&mainForm, &prompts] { report::ReportCode(mainForm, prompts); };
    mainForm.SaveReport.onClick = [&mainForm, &prompts] { report::ReportCode(mainForm, prompts); };
}

// The handlers below outlive the calls that make them: each names what it captures, and
// captures only windows and services, which live as long as the program (the locals are
// references to them, never copies).
void wireLaunches(Windows w, platform::Services& services) {
    ui::ReadForm& readForm = w.readForm;
    ui::MainForm& mainForm = w.mainForm;
    ui::AboutForm& aboutForm = w.aboutForm;
    ui::ForGlyphmere& forGlyphmere = w.forGlyphmere;
    auto& shell = services.shell;
    mainForm.OpenWinFonts.onClick = [&readForm, &services, &mainForm] {
        shell::openFontsFolder(services, readForm, mainForm.hwnd());
    };
    mainForm.FontFolder.onClick = [&readForm, &services, &mainForm] {
        shell::openFontsFolder(services, readForm, mainForm.hwnd());
    };
    mainForm.CharacterMapButton.onClick = [&readForm, &services, &mainForm] {
        shell::openCharacterMap(services, readForm, mainForm.hwnd());
    };
    mainForm.CharacterMap.onClick = [&readForm, &services, &mainForm] {
        shell::openCharacterMap(services, readForm, mainForm.hwnd());
    };
    mainForm.HowInstall.onClick = [&readForm, &services] { shell::openHowTo(services, readForm); };
    mainForm.License.onClick = [&readForm, &services, &mainForm] {
        shell::openLicense(services, readForm, mainForm.hwnd());
    };
    mainForm.Image4.onClick = [&readForm, &services] { shell::openDonation(services, readForm); };
    mainForm.Contact.onClick = [&shell] { shell::Support::MailSupport(shell); };
    mainForm.Downloadcom.onClick = [&shell] { shell::Support::OpenDownloadPage(shell); };
    // The about and feedback windows are not modal, but the main window waits while one is open.
    mainForm.AboutPro.onClick = [&mainForm, &aboutForm] {
        windows::openAboutForm(aboutForm, mainForm);
    };
    mainForm.LikeIt.onClick = [&mainForm, &forGlyphmere] {
        windows::openForGlyphmere(forGlyphmere, mainForm);
    };
}

void wireAboutForm(Windows w, platform::Services& services) {
    ui::ReadForm& readForm = w.readForm;
    ui::MainForm& mainForm = w.mainForm;
    ui::AboutForm& aboutForm = w.aboutForm;
    auto& shell = services.shell;
    aboutForm.onLoad = [&aboutForm, &services] {
        windows::aboutFormLoaded(aboutForm, services.system);
    };
    aboutForm.About_License.onClick = [&readForm, &services, &aboutForm] {
        shell::openLicense(services, readForm, aboutForm.hwnd());
    };
    aboutForm.Image1.onClick = [&readForm, &services] { shell::openDonation(services, readForm); };
    aboutForm.Label10.onClick = [&shell] { shell::Support::OpenDownloadPage(shell); };
    aboutForm.Label6.onClick = [&shell] { shell::Support::MailSupport(shell); };
    // Every way of closing gives the main window back.
    aboutForm.MinimizeToTray2.onClick = [&mainForm, &aboutForm] {
        windows::closeAboutForm(aboutForm, mainForm);
    };
    aboutForm.onEscape = [&mainForm, &aboutForm] { windows::closeAboutForm(aboutForm, mainForm); };
    aboutForm.onCloseRequest = [&mainForm, &aboutForm] {
        windows::closeAboutForm(aboutForm, mainForm);
    };
}

void wireForGlyphmere(Windows w, platform::Services& services) {
    ui::ReadForm& readForm = w.readForm;
    ui::MainForm& mainForm = w.mainForm;
    ui::ForGlyphmere& forGlyphmere = w.forGlyphmere;
    auto& shell = services.shell;
    forGlyphmere.Label6.onClick = [&shell] { shell::Support::MailSupport(shell); };
    forGlyphmere.Label4.onClick = [&forGlyphmere, &services] {
        windows::tellAFriend(forGlyphmere, services);
    };
    forGlyphmere.Label8.onClick = [&readForm, &shell] {
        shell::WinFontFolder::ShellOpen(shell, readForm, std::wstring(ui::product::firstSiteHome),
                                        L"", L"");
    };
    forGlyphmere.Label12.onClick = [&readForm, &shell] {
        shell::WinFontFolder::ShellOpen(shell, readForm, std::wstring(ui::product::secondSiteHome),
                                        L"", L"");
    };
    forGlyphmere.Image1.onClick = [&forGlyphmere, &services] {
        windows::firstSiteNote(forGlyphmere, services.prompts);
    };
    forGlyphmere.Image2.onClick = [&forGlyphmere, &services] {
        windows::secondSiteNote(forGlyphmere, services.prompts);
    };
    forGlyphmere.Image3.onClick = [&mainForm, &forGlyphmere] {
        windows::closeForGlyphmere(forGlyphmere, mainForm);
    };
    forGlyphmere.onEscape = [&mainForm, &forGlyphmere] {
        windows::closeForGlyphmere(forGlyphmere, mainForm);
    };
    forGlyphmere.onCloseRequest = [&mainForm, &forGlyphmere] {
        windows::closeForGlyphmere(forGlyphmere, mainForm);
    };
}

} // namespace app
