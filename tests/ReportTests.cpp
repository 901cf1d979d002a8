// The report: its text byte for byte, its defaults, and a file that is written whole or
// not at all.
#include "support/Captions.h"
#include "support/MainWindowTest.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string rule(54, '-');

// The twelve lines as they must stand in the file.
std::string expectedReport(const std::string& font, const std::string& size,
                           const std::string& effects) {
    return "Glyphmere " GLYPHMERE_VERSION " Report \r\n"
           " \r\n" +
           rule + " \r\n" + " \r\n" + "Selected font: " + font + " \r\n" +
           "Selected size: " + size + " \r\n" + "Selected effects: " + effects + " \r\n" + " \r\n" +
           rule + " \r\n" + " \r\n" +
           "Thank you for using Glyphmere - Version " GLYPHMERE_VERSION " \r\n"
           "If you like it please vote for it at downloads.example.com\r\n";
}

class Report : public MainWindowTest {
protected:
    TempFolder folder;
};

TEST_F(Report, TheWorkedExampleByteForByte) {
    chooseFont(L"Tahoma");
    clickEntry(mainForm().Sizelist, 4);
    checkBox(mainForm().Underline);
    const std::wstring path = folder.file(L"report.txt");
    saveReport(path);
    EXPECT_EQ(readBytes(path), expectedReport("Tahoma", "12", "Underline "));
    ASSERT_EQ(world.prompts.saveRequests.size(), 1u);
    EXPECT_EQ(world.prompts.saveRequests[0].title, L"Save Report As");
    EXPECT_EQ(world.prompts.saveRequests[0].filter, L"Glyphmere Report *.txt|*.txt");
    EXPECT_EQ(world.prompts.saveRequests[0].fileName, L"");
    EXPECT_TRUE(
        lastMessageIs(L"Report Saved: \r\n \r\n" + path, MB_ICONINFORMATION, mainForm().hwnd()));
    EXPECT_EQ(folder.names(), std::vector<std::wstring>{L"report.txt"}) << "nothing else left";
}

TEST_F(Report, EffectsInTheirOrderNoneAndAGrayedBox) {
    chooseFont(L"Verdana");
    saveReport(folder.file(L"none.txt"));
    EXPECT_EQ(readBytes(folder.file(L"none.txt")), expectedReport("Verdana", "8", " No one used"));

    for (controls::CheckBox* box :
         {&mainForm().Italic, &mainForm().Strikeout, &mainForm().Bold, &mainForm().Underline})
        checkBox(*box);
    saveReport(folder.file(L"all.txt"));
    EXPECT_EQ(readBytes(folder.file(L"all.txt")),
              expectedReport("Verdana", "8", "Bold Underline Strikeout Italic "));

    mainForm().Bold.setValue(2);
    ASSERT_EQ(mainForm().Bold.value(), 2);
    saveReport(folder.file(L"grayed.txt"));
    EXPECT_EQ(readBytes(folder.file(L"grayed.txt")),
              expectedReport("Verdana", "8", "Underline Strikeout Italic "));
}

TEST_F(Report, NoFontNoSizeSelectsTheDefaultsWhichStayAfterACancel) {
    auto& mainForm = this->mainForm();
    findText(L"zzz");
    mainForm.Sizelist.setListIndex(-1);
    ASSERT_EQ(mainForm.FontList.text(), L"");
    const std::wstring sampleFont = mainForm.BigText.fontName();
    mainForm.BigText.setFontSize(30.0f);
    world.prompts.fileAnswer.clear(); // cancel
    clickOn(mainForm.SaveReport);
    EXPECT_EQ(mainForm.Sizelist.text(), L"8");
    EXPECT_EQ(mainForm.BigText.fontSize(), 8.0f) << "the size list's handling ran";
    EXPECT_EQ(mainForm.FontList.text(), sampleFont);
    EXPECT_TRUE(folder.names().empty()) << "nothing written";
    EXPECT_TRUE(world.prompts.messageBoxes.empty()) << "nothing shown";
}

TEST_F(Report, TheSameNameTwiceHoldsOnlyTheSecondReportAndNamesStayAsTyped) {
    const std::wstring path = folder.file(L"Bericht ohne Endung");
    writeBytes(path, std::string(5000, 'o')); // an old, longer file
    chooseFont(L"Arial");
    saveReport(path);
    chooseFont(L"Symbol");
    saveReport(path);
    EXPECT_EQ(readBytes(path), expectedReport("Symbol", "8", " No one used"));
    EXPECT_EQ(folder.names(), std::vector<std::wstring>{L"Bericht ohne Endung"})
        << "no extension added, nothing else left";

    const std::wstring unicodePath =
        folder.file(L"\u0420\u0435\u043F\u043E\u0440\u0442 \u2713.txt");
    saveReport(unicodePath);
    EXPECT_EQ(readBytes(unicodePath), expectedReport("Symbol", "8", " No one used"));
}

TEST_F(Report, AFontNameOutsideTheAnsiCodePageIsWrittenAsTheCodePageConvertsIt) {
    const std::wstring name = L"\u5B8B\u4F53 Sans";
    mainForm().FontList.addItem(name);
    mainForm().FontList.setText(name);
    saveReport(folder.file(L"cjk.txt"));
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
    auto holder = lockFile(locked);
    ASSERT_TRUE(holder);
    const std::wstring missing = folder.file(L"no such folder\\report.txt");

    for (const std::wstring& path : {readOnly, locked, missing}) {
        world.prompts.messageBoxes.clear();
        saveReport(path);
        ASSERT_EQ(world.prompts.messageBoxes.size(), 1u) << path;
        EXPECT_TRUE(lastMessageIs(L"The report could not be saved to: \r\n \r\n" + path,
                                  MB_ICONWARNING, mainForm().hwnd()));
    }
    holder.reset();
    EXPECT_EQ(readBytes(readOnly), old);
    EXPECT_EQ(readBytes(locked), old);
    EXPECT_EQ(folder.names(), (std::vector<std::wstring>{L"locked.txt", L"read-only.txt"}))
        << "no new file left behind";
}

} // namespace
