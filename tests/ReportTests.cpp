// The report: its text byte for byte, its defaults, and a file that is written whole or
// not at all.
#include "platform/Handles.h"
#include "support/MainWindowTest.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string rule(54, '-');

// The twelve lines as they must stand in the file.
std::string expectedReport(const std::string& font, const std::string& size,
                           const std::string& effects) {
    return "Glyphmere 3.5 Report \r\n"
           " \r\n" +
           rule + " \r\n" + " \r\n" + "Selected font: " + font + " \r\n" +
           "Selected size: " + size + " \r\n" + "Selected effects: " + effects + " \r\n" + " \r\n" +
           rule + " \r\n" + " \r\n" +
           "Thank you for using Glyphmere - Version 3.5 \r\n"
           "If you like it please vote for it at downloads.example.com\r\n";
}

class Report : public MainWindowTest {
protected:
    void report(const std::wstring& path) {
        world.prompts.fileAnswer = path;
        drive::pressKey(loop(), GetFocus(), 'S', MOD_CONTROL);
    }
    TempFolder folder;
};

TEST_F(Report, TheWorkedExampleByteForByte) {
    chooseFont(L"Tahoma");
    clickEntry(main().Sizelist, 4);
    checkBox(main().Underline);
    const std::wstring path = folder.file(L"report.txt");
    report(path);
    EXPECT_EQ(readBytes(path), expectedReport("Tahoma", "12", "Underline "));
    ASSERT_EQ(world.prompts.saveRequests.size(), 1u);
    EXPECT_EQ(world.prompts.saveRequests[0].title, L"Save Report As");
    EXPECT_EQ(world.prompts.saveRequests[0].filter, L"Glyphmere Report *.txt|*.txt");
    EXPECT_EQ(world.prompts.saveRequests[0].fileName, L"");
    EXPECT_EQ(lastMessage().text, L"Report Saved: \r\n \r\n" + path);
    EXPECT_EQ(lastMessage().style, 64u);
    EXPECT_EQ(lastMessage().title, L"Glyphmere");
    EXPECT_EQ(lastMessage().owner, main().hwnd());
    EXPECT_EQ(folder.names(), std::vector<std::wstring>{L"report.txt"}) << "nothing else left";
}

TEST_F(Report, EffectsInTheirOrderNoneAndAGrayedBox) {
    chooseFont(L"Verdana");
    report(folder.file(L"none.txt"));
    EXPECT_EQ(readBytes(folder.file(L"none.txt")), expectedReport("Verdana", "8", " No one used"));

    for (ui::CheckBox* box : {&main().Italic, &main().Strikeout, &main().Bold, &main().Underline})
        checkBox(*box);
    report(folder.file(L"all.txt"));
    EXPECT_EQ(readBytes(folder.file(L"all.txt")),
              expectedReport("Verdana", "8", "Bold Underline Strikeout Italic "));

    main().Bold.setValue(2);
    ASSERT_EQ(main().Bold.value(), 2);
    report(folder.file(L"grayed.txt"));
    EXPECT_EQ(readBytes(folder.file(L"grayed.txt")),
              expectedReport("Verdana", "8", "Underline Strikeout Italic "));
}

TEST_F(Report, NoFontNoSizeSelectsTheDefaultsWhichStayAfterACancel) {
    auto& main = this->main();
    findText(L"zzz");
    main.Sizelist.setListIndex(-1);
    ASSERT_EQ(main.FontList.text(), L"");
    const std::wstring sampleFont = main.BigText.fontName();
    main.BigText.setFontSize(30.0f);
    world.prompts.fileAnswer.clear(); // cancel
    drive::click(main.SaveReport.hwnd());
    loop().yield();
    EXPECT_EQ(main.Sizelist.text(), L"8");
    EXPECT_EQ(main.BigText.fontSize(), 8.0f) << "the size list's handling ran";
    EXPECT_EQ(main.FontList.text(), sampleFont);
    EXPECT_TRUE(folder.names().empty()) << "nothing written";
    EXPECT_TRUE(world.prompts.messageBoxes.empty()) << "nothing shown";
}

TEST_F(Report, TheSameNameTwiceHoldsOnlyTheSecondReportAndNamesStayAsTyped) {
    const std::wstring path = folder.file(L"Bericht ohne Endung");
    writeBytes(path, std::string(5000, 'o')); // an old, longer file
    chooseFont(L"Arial");
    report(path);
    chooseFont(L"Symbol");
    report(path);
    EXPECT_EQ(readBytes(path), expectedReport("Symbol", "8", " No one used"));
    EXPECT_EQ(folder.names(), std::vector<std::wstring>{L"Bericht ohne Endung"})
        << "no extension added, nothing else left";

    const std::wstring unicodePath =
        folder.file(L"\u0420\u0435\u043F\u043E\u0440\u0442 \u2713.txt");
    report(unicodePath);
    EXPECT_EQ(readBytes(unicodePath), expectedReport("Symbol", "8", " No one used"));
}

TEST_F(Report, AFontNameOutsideTheAnsiCodePageIsWrittenAsTheCodePageConvertsIt) {
    const std::wstring name = L"\u5B8B\u4F53 Sans";
    main().FontList.addItem(name);
    main().FontList.setText(name);
    report(folder.file(L"cjk.txt"));
    char converted[64] = {};
    WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, converted, sizeof converted, nullptr, nullptr);
    EXPECT_EQ(readBytes(folder.file(L"cjk.txt")), expectedReport(converted, "8", " No one used"));
    if (GetACP() == 1252) {
        EXPECT_EQ(std::string(converted), "?? Sans");
    }
}

TEST_F(Report, AFailedSaveKeepsTheOldFileLeavesNothingAndSaysSo) {
    const std::string old = "the old file, which must survive";
    const std::wstring readOnly = folder.file(L"read-only.txt");
    writeBytes(readOnly, old);
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::wstring locked = folder.file(L"locked.txt");
    writeBytes(locked, old);
    platform::KernelHandle holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    const std::wstring missing = folder.file(L"no such folder\\report.txt");

    for (const std::wstring& path : {readOnly, locked, missing}) {
        world.prompts.messageBoxes.clear();
        report(path);
        ASSERT_EQ(world.prompts.messageBoxes.size(), 1u) << std::string(path.begin(), path.end());
        EXPECT_EQ(lastMessage().text, L"The report could not be saved to: \r\n \r\n" + path);
        EXPECT_EQ(lastMessage().style, 48u);
        EXPECT_EQ(lastMessage().title, L"Glyphmere");
        EXPECT_EQ(lastMessage().owner, main().hwnd());
    }
    holder.reset();
    EXPECT_EQ(readBytes(readOnly), old);
    EXPECT_EQ(readBytes(locked), old);
    EXPECT_EQ(folder.names(), (std::vector<std::wstring>{L"locked.txt", L"read-only.txt"}))
        << "no new file left behind";
}

} // namespace
