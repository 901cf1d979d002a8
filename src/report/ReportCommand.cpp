#include "report/ReportCommand.h"

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "report/ReportText.h"
#include "ui/MainForm.h"
#include "ui/Messages.h"

namespace report {

void ReportCode(ui::MainForm& mainForm, platform::Prompts& prompts) {
    // Sensible defaults for what is not chosen; they select as a click would, and stay.
    if (mainForm.Sizelist.text().empty())
        mainForm.Sizelist.setText(L"8");
    if (mainForm.FontList.text().empty())
        mainForm.FontList.setText(mainForm.BigText.fontName());

    if (!mainForm.ForReport.showSave(prompts, mainForm.hwnd()))
        return;
    const std::wstring& path = mainForm.ForReport.fileName();

    Choice choice{mainForm.FontList.text(),        mainForm.Sizelist.text(),
                  mainForm.Bold.value() == 1,      mainForm.Underline.value() == 1,
                  mainForm.Strikeout.value() == 1, mainForm.Italic.value() == 1};
    const std::wstring sep = mainForm.EnterLine.text();
    const bool saved =
        platform::files::replaceWith(path, platform::toAnsiCodePage(reportText(choice, sep)));
    // The confirmation only for a file really written; a failure says so.
    if (saved)
        prompts.messageBox(mainForm.hwnd(), L"Report Saved:" + sep + sep + path,
                           ui::message::information, ui::message::title);
    else
        prompts.messageBox(mainForm.hwnd(), L"The report could not be saved to:" + sep + sep + path,
                           ui::message::warning, ui::message::title);
}

} // namespace report
