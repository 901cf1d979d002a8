// Inputs that must never crash, hang or lose anything: huge and strange files, paths
// beyond 260 characters, a clipboard held by another program.
#include "platform/Files.h"
#include "support/Captions.h"
#include "support/MainWindowTest.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <winioctl.h>

namespace {

class BadInput : public MainWindowTest {
protected:
    // A folder path of more than 260 characters, made with the long form.
    std::wstring deepFolder() {
        std::wstring path = folder.path();
        while (path.size() < 300) {
            path += L"\\a folder with a rather long name " + std::to_wstring(path.size());
            CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr);
        }
        return path;
    }
    TempFolder folder;
};
// These use the real clipboard.
using BadInputWithTheClipboard = BadInput;

TEST_F(BadInputWithTheClipboard, AFileOfSeveralMegabytesLoadsWholeWithoutAWord) {
    std::string bytes;
    for (int line = 0; bytes.size() < 9'000'000; ++line)
        bytes += "line " + std::to_string(line) +
                 std::string(200, static_cast<char>('a' + line % 26)) + "\r\n";
    writeBytes(folder.file(L"long.txt"), bytes);
    mainForm().BigText.setText(L"the user's own text");
    openFile(folder.file(L"long.txt"));
    EXPECT_TRUE(mainForm().BigText.text() == std::wstring(bytes.begin(), bytes.end()))
        << "every character arrives, " << bytes.size() << " of them";
    EXPECT_TRUE(world.prompts.messageBoxes.empty());

    // The box takes more still, as the user pastes.
    fillClipboard(L"!");
    mainForm().BigText.setFocus();
    mainForm().BigText.setSelStart(static_cast<int>(bytes.size()));
    key('V');
    EXPECT_EQ(GetWindowTextLengthW(mainForm().BigText.hwnd()), static_cast<int>(bytes.size()) + 1);
}

TEST_F(BadInput, AFileTooLargeForMemoryLeavesTheSampleAsItWasSilently) {
    // Files that take no room on the disk: a terabyte, more than the machine's memory; and,
    // with memory to spare, one byte over the documented 1 GiB cap, below what the sample box
    // can count.
    const struct {
        long long size;
        unsigned long long memory;
    } rows[] = {{1ll << 40, world.system.memory}, {(1ll << 30) + 1, 1ull << 62}};
    for (const auto& row : rows) {
        const std::wstring huge = folder.file(L"huge.txt");
        LARGE_INTEGER size{};
        size.QuadPart = row.size;
        {
            const platform::KernelHandle file(CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr,
                                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                          nullptr));
            ASSERT_TRUE(file);
            DWORD returned = 0;
            DeviceIoControl(file.get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned,
                            nullptr);
            ASSERT_TRUE(SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) &&
                        SetEndOfFile(file.get()));
        }
        world.system.memory = row.memory;
        mainForm().BigText.setText(L"the user's own text");
        const ULONGLONG started = GetTickCount64();
        openFile(huge);
        EXPECT_LT(GetTickCount64() - started, 2000u) << "no hang at " << row.size;
        EXPECT_EQ(mainForm().BigText.text(), L"the user's own text");
        EXPECT_TRUE(world.prompts.messageBoxes.empty());
        EXPECT_EQ(world.system.ends, 0);
    }
}

TEST_F(BadInput, AFileWhoseLoadWouldNotFitInTheFreeMemoryIsRefusedSilently) {
    // One character a byte: the text and the sample box's copy of it alone take four bytes
    // for each byte of the file.
    const std::string latin(100'000, '\xE9');
    writeBytes(folder.file(L"latin.txt"), latin);
    mainForm().BigText.setText(L"the user's own text");
    world.system.memory = 4 * latin.size() - 1;
    openFile(folder.file(L"latin.txt"));
    EXPECT_EQ(mainForm().BigText.text(), L"the user's own text");
    EXPECT_TRUE(world.prompts.messageBoxes.empty());

    world.system.memory = 8 * latin.size();
    openFile(folder.file(L"latin.txt"));
    const std::wstring shown(latin.size(), L'\u00E9');
    EXPECT_EQ(mainForm().BigText.text(), shown);

    // The box also notes each line: many more than its characters take for short lines.
    writeBytes(folder.file(L"breaks.txt"), std::string(latin.size(), '\n'));
    openFile(folder.file(L"breaks.txt"));
    EXPECT_EQ(mainForm().BigText.text(), shown);
    EXPECT_TRUE(world.prompts.messageBoxes.empty());
}

TEST_F(BadInput, NulsInvalidUtf8AndHalfCharactersShowWhatIsThere) {
    writeBytes(folder.file(L"nuls.bin"), std::string(5000, '\0'));
    openFile(folder.file(L"nuls.bin"));
    EXPECT_EQ(mainForm().BigText.text(), std::wstring(5000, L' '));

    writeBytes(folder.file(L"latin.txt"), "na\xEFve caf\xE9 \xFF\xFE?");
    openFile(folder.file(L"latin.txt"));
    EXPECT_EQ(mainForm().BigText.text().size(), 14u) << "one character a byte";
    EXPECT_EQ(mainForm().BigText.text().substr(0, 4), L"na\u00EFv");

    writeBytes(folder.file(L"odd.txt"), std::string("\xFF\xFEh\0i\0!", 7));
    openFile(folder.file(L"odd.txt"));
    EXPECT_EQ(mainForm().BigText.text(), L"hi\uFFFD");
    EXPECT_TRUE(world.prompts.messageBoxes.empty());
}

TEST_F(BadInput, PathsBeyond260CharactersOpenAndSave) {
    const std::wstring deep = deepFolder();
    ASSERT_GT(deep.size(), 260u);
    const std::wstring text = deep + L"\\sample.txt";
    writeBytes(L"\\\\?\\" + text, "from far away");
    openFile(text);
    EXPECT_EQ(mainForm().BigText.text(), L"from far away");

    const std::wstring saved = deep + L"\\report.txt";
    saveReport(saved);
    EXPECT_TRUE(
        lastMessageIs(L"Report Saved: \r\n \r\n" + saved, MB_ICONINFORMATION, mainForm().hwnd()));
    EXPECT_EQ(readBytes(L"\\\\?\\" + saved).substr(0, 20),
              "Glyphmere " GLYPHMERE_VERSION " Report");
}

TEST(LongPaths, TheReportsTemporaryFileTakesTheLongFormWhenItsOwnNameIsLong) {
    const std::wstring folder = L"C:\\" + std::wstring(230, L'f');
    const std::wstring target = folder + L"\\r.txt"; // 239 characters
    ASSERT_EQ(platform::files::longPath(target), target) << "short enough itself";
    const std::wstring temporary = platform::files::temporaryBeside(target, 4'000'000'000ul);
    EXPECT_TRUE(temporary.starts_with(L"\\\\?\\" + folder + L"\\~glyphmere-")) << temporary.size();
    EXPECT_TRUE(platform::files::temporaryBeside(L"C:\\r.txt", 1).starts_with(L"C:\\~glyphmere-"));
    // The long form takes a path as it is: a way round through ".." is resolved first.
    const std::wstring deeper = folder + L"\\" + std::wstring(30, L'g');
    const std::wstring roundabout = deeper + L"\\..\\" + std::wstring(30, L'g') + L"\\r.txt";
    EXPECT_EQ(platform::files::longPath(roundabout), L"\\\\?\\" + deeper + L"\\r.txt");
    EXPECT_TRUE(platform::files::temporaryBeside(roundabout, 1)
                    .starts_with(L"\\\\?\\" + deeper + L"\\~glyphmere-"));
}

TEST_F(BadInputWithTheClipboard, ACopyWhileTheClipboardIsBusyChangesNothing) {
    fillClipboard(L"the user's");
    mainForm().BigText.setFocus();
    mainForm().BigText.setText(L"some text");
    mainForm().BigText.setSelStart(0);
    mainForm().BigText.setSelLength(4);
    {
        ClipboardHolder busy;
        ASSERT_TRUE(busy.opened());
        key('C');
    }
    EXPECT_EQ(clipboardText(), L"the user's");
    EXPECT_EQ(mainForm().BigText.text(), L"some text");
    EXPECT_EQ(world.system.ends, 0);
}

} // namespace
