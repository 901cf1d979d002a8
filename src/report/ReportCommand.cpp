#include "report/ReportCommand.h"

#include "forms/Messages.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "report/ReportText.h"

namespace report {

void saveReport(forms::MainForm& main, platform::Prompts& prompts) {
    // Sensible defaults for what is not chosen; they select as a click would, and stay.
    if (main.Sizelist.text().empty())
        main.Sizelist.setText(L"8");
    if (main.FontList.text().empty())
        main.FontList.setText(main.BigText.fontName());

    main.ForReport.fileName.clear();
    platform::FileDialogRequest request{std::wstring(main.ForReport.settings.title),
                                        std::wstring(main.ForReport.settings.filter), L"", 0};
    if (!prompts.saveFile(main.hwnd(), request) || request.fileName.empty())
        return;
    main.ForReport.fileName = request.fileName;
    const std::wstring& path = main.ForReport.fileName;

    Choice choice{main.FontList.text(),        main.Sizelist.text(),
                  main.Bold.value() == 1,      main.Underline.value() == 1,
                  main.Strikeout.value() == 1, main.Italic.value() == 1};
    const std::wstring sep = main.EnterLine.text();
    const bool saved =
        platform::files::replaceWith(path, platform::toAnsiCodePage(reportText(choice, sep)));
    // The confirmation only for a file really written; a failure says so.
    if (saved)
        prompts.messageBox(main.hwnd(), L"Report Saved:" + sep + sep + path,
                           forms::message::information, forms::message::title);
    else
        prompts.messageBox(main.hwnd(), L"The report could not be saved to:" + sep + sep + path,
                           forms::message::warning, forms::message::title);
}

} // namespace report
