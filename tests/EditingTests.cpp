// The editing commands on the marker's target, and loading a text file into the sample.
#include "editing/EditCommands.h"
#include "platform/Clipboard.h"
#include "platform/Handles.h"
#include "support/Clipboard.h"
#include "support/Drop.h"
#include "support/MainWindowTest.h"
#include "support/Process.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cstring>

namespace {

class Editing : public MainWindowTest {
protected:
    // Text in a box, the box focused (so the marker names it) and a selection set.
    void prepare(controls::TextBox& box, const std::wstring& text, int start, int length) {
        box.setFocus();
        box.setText(text);
        box.setSelStart(start);
        box.setSelLength(length);
    }
};

TEST_F(Editing, TheMarkerChoosesTheTargetExactly) {
    auto& mainForm = this->mainForm();
    mainForm.WhichOne.setText(L"BigText");
    EXPECT_EQ(&editing::target(mainForm), &mainForm.BigText);
    for (const wchar_t* other : {L"FontFind", L"bigtext", L"BigText ", L"WhichOne", L""}) {
        mainForm.WhichOne.setText(other);
        EXPECT_EQ(&editing::target(mainForm), &mainForm.FontFind) << other;
    }
}

TEST_F(Editing, AtFirstTheCommandsActOnTheFindBoxThatHasTheFocus) {
    // Straight after start-up, as the user finds it: the find box has the focus.
    ASSERT_EQ(GetFocus(), mainForm().FontFind.hwnd());
    mainForm().BigText.setText(L"sample");
    drive::type(loop(), mainForm().FontFind.hwnd(), L"Cour");
    key('A');
    key('C');
    EXPECT_EQ(clipboardText(), L"Cour");
    EXPECT_EQ(mainForm().FontFind.selLength(), 4);
    EXPECT_EQ(mainForm().BigText.selLength(), 0);
}

TEST_F(Editing, OtherControlsTakingTheFocusLeaveTheTargetAsItWas) {
    prepare(mainForm().FontFind, L"Times", 0, 3);
    clickEntry(mainForm().FontList, indexOf(L"Verdana"));
    checkBox(mainForm().Bold);
    ASSERT_EQ(GetFocus(), mainForm().Bold.hwnd());
    key('C');
    EXPECT_EQ(clipboardText(), L"Tim") << "the find box's selection";
}

TEST_F(Editing, DeleteRemovesTheSelectionOnlyInEitherBoxAndFromTheFontList) {
    for (controls::TextBox* box : {static_cast<controls::TextBox*>(&mainForm().BigText),
                                   static_cast<controls::TextBox*>(&mainForm().FontFind)}) {
        prepare(*box, L"Arialx", 5, 1);
        key(VK_DELETE, 0);
        EXPECT_EQ(box->text(), L"Arial");
        prepare(*box, L"Arial", 1, 0);
        key(VK_DELETE, 0);
        EXPECT_EQ(box->text(), L"Arial") << "no selection: the character after the caret stays";

        // With the focus in the font list, Del still acts on the target box.
        prepare(*box, L"Arial Blackx", 11, 1);
        mainForm().FontList.setFocus();
        key(VK_DELETE, 0);
        EXPECT_EQ(box->text(), L"Arial Black");
        EXPECT_EQ(mainForm().FontList.listCount(), 9) << "the list lost no entry";
    }
    EXPECT_EQ(mainForm().FontList.text(), L"Arial Black") << "the find box's change searched";
}

TEST_F(Editing, SelectAllSelectsEverythingOrAnEmptyRangeAndKeepsTheFocus) {
    prepare(mainForm().BigText, L"", 0, 0);
    key('A');
    EXPECT_EQ(mainForm().BigText.selStart(), 0);
    EXPECT_EQ(mainForm().BigText.selLength(), 0);
    prepare(mainForm().BigText, L"two\r\nlines", 2, 0);
    mainForm().Sizelist.setFocus();
    key('A');
    EXPECT_EQ(mainForm().BigText.selStart(), 0);
    EXPECT_EQ(mainForm().BigText.selLength(), 10);
    EXPECT_EQ(GetFocus(), mainForm().Sizelist.hwnd());
}

TEST_F(Editing, PasteThenUndoAndUndoAgain) {
    fillClipboard(L"XYZ");
    prepare(mainForm().BigText, L"abc", 3, 0);
    key('V');
    EXPECT_EQ(mainForm().BigText.text(), L"abcXYZ");
    key('Z');
    EXPECT_EQ(mainForm().BigText.text(), L"abc");
    key('Z');
    EXPECT_EQ(mainForm().BigText.text(), L"abcXYZ") << "a second undo reverts the first";
}

TEST_F(Editing, PastingIntoTheFindBoxSearchesLikeTyping) {
    fillClipboard(L"cour");
    prepare(mainForm().FontFind, L"", 0, 0);
    key('V');
    EXPECT_EQ(mainForm().FontFind.text(), L"cour");
    EXPECT_EQ(mainForm().FontList.text(), L"Courier New");
    EXPECT_EQ(mainForm().BigText.fontName(), L"Courier New");
    key('Z');
    EXPECT_EQ(mainForm().FontFind.text(), L"");
}

TEST_F(Editing, UndoAndPasteThatLeaveTheFindBoxAsItWasKeepTheChosenFont) {
    // As the user finds the window: the find box is the target, with nothing to undo.
    ASSERT_EQ(mainForm().WhichOne.text(), L"FontFind");
    chooseFont(L"Verdana");
    key('Z');
    clickOn(mainForm().UndoButton);
    EXPECT_EQ(mainForm().FontList.text(), L"Verdana");

    findText(L"Ar");
    chooseFont(L"Verdana");
    fillClipboard(L"Ar");
    mainForm().FontFind.setSelStart(0);
    mainForm().FontFind.setSelLength(2);
    key('V');
    EXPECT_EQ(mainForm().FontFind.text(), L"Ar");
    EXPECT_EQ(mainForm().FontList.text(), L"Verdana");
    EXPECT_EQ(mainForm().BigText.fontName(), L"Verdana");
    // The same from the box's own menu, whose commands the box sends itself.
    SendMessageW(mainForm().FontFind.hwnd(), EM_SETSEL, 0, -1);
    for (const UINT command : {WM_PASTE, WM_UNDO, EM_UNDO})
        SendMessageW(mainForm().FontFind.hwnd(), command, 0, 0);
    EXPECT_EQ(mainForm().FontList.text(), L"Verdana");
}

TEST_F(Editing, PasteWithoutTextOnTheClipboardChangesNothing) {
    ASSERT_TRUE(putOnClipboard({{otherFormat(), "else"}}));
    prepare(mainForm().BigText, L"keep this", 0, 4);
    key('V');
    EXPECT_EQ(mainForm().BigText.text(), L"keep this");
    EXPECT_EQ(mainForm().BigText.selLength(), 4);
}

TEST(ClipboardGuards, AFailureWhileTheClipboardIsOpenAndItsTextLockedUnlocksAndClosesIt) {
    const ClipboardKeeper keeper;
    ASSERT_EQ(platform::clipboard::setText(nullptr, L"text"), platform::clipboard::Result::Done);
    HANDLE text = nullptr;
    bool thrown = false;
    try {
        const platform::clipboard::Opened clipboard(nullptr);
        text = GetClipboardData(CF_UNICODETEXT);
        const platform::LockedBlock chars(text);
        if (clipboard && chars)
            throw std::bad_alloc(); // as copying a text too large for memory would
    } catch (const std::bad_alloc&) {
        thrown = true;
    }
    ASSERT_TRUE(thrown) << "the clipboard opened and its text locked";
    EXPECT_EQ(GlobalFlags(text) & GMEM_LOCKCOUNT, 0u) << "unlocked";
    // Open from another thread, as another program would: refused while this one holds it.
    bool openedElsewhere = false;
    std::thread([&] {
        openedElsewhere = OpenClipboard(nullptr);
        if (openedElsewhere)
            CloseClipboard();
    }).join();
    EXPECT_TRUE(openedElsewhere) << "closed";
}

TEST_F(Editing, CopyAndCutWithAnEmptySelectionLeaveTheClipboardAsItWas) {
    fillClipboard(L"the user's");
    prepare(mainForm().BigText, L"text", 2, 0);
    key('C');
    key('X');
    EXPECT_EQ(clipboardText(), L"the user's");
    EXPECT_TRUE(IsClipboardFormatAvailable(otherFormat()));
    EXPECT_EQ(mainForm().BigText.text(), L"text");
}

TEST_F(Editing, CutMovesTheSelectionToTheClipboard) {
    prepare(mainForm().BigText, L"one two three", 4, 4);
    key('X');
    EXPECT_EQ(clipboardText(), L"two ");
    EXPECT_EQ(mainForm().BigText.text(), L"one three");
}

TEST_F(Editing, CutNeverLosesTextWhenTheClipboardIsBusy) {
    fillClipboard(L"the user's");
    prepare(mainForm().BigText, L"one two three", 4, 4);
    {
        ClipboardHolder busy;
        ASSERT_TRUE(busy.opened());
        key('X');
        key('V');
    }
    EXPECT_EQ(mainForm().BigText.text(), L"one two three");
    EXPECT_EQ(mainForm().BigText.selText(), L"two ");
    EXPECT_EQ(clipboardText(), L"the user's");
}

TEST_F(Editing, ThePictureButtonsRunTheSameCommands) {
    prepare(mainForm().BigText, L"alpha beta", 0, 6);
    clickOn(mainForm().Copy);
    EXPECT_EQ(clipboardText(), L"alpha ");
    clickOn(mainForm().Cut);
    EXPECT_EQ(mainForm().BigText.text(), L"beta");
    mainForm().BigText.setSelStart(4);
    clickOn(mainForm().Paste);
    EXPECT_EQ(mainForm().BigText.text(), L"betaalpha ");
    clickOn(mainForm().UndoButton);
    EXPECT_EQ(mainForm().BigText.text(), L"beta");
    mainForm().BigText.setSelStart(0);
    mainForm().BigText.setSelLength(2);
    clickOn(mainForm().Delete);
    EXPECT_EQ(mainForm().BigText.text(), L"ta");
    EXPECT_EQ(world.prompts.messageBoxes.size(), 0u);
}

TEST_F(Editing, ADoubleClickOnAPictureIsOneClick) {
    fillClipboard(L"ab");
    prepare(mainForm().BigText, L"", 0, 0);
    ASSERT_TRUE(drive::doubleClick(loop(), mainForm().Paste.hwnd()));
    EXPECT_EQ(mainForm().BigText.text(), L"ab");
    ASSERT_TRUE(drive::doubleClick(loop(), mainForm().UndoButton.hwnd()));
    EXPECT_EQ(mainForm().BigText.text(), L"") << "undone, not undone and redone";
}

// ---- opening a file ----

class OpenFile : public Editing {
protected:
    // A font, size, effect and colour of the user's, which a loaded file must leave alone.
    static constexpr COLORREF blue = RGB(0, 0, 200);
    void chooseALook() {
        chooseFont(L"Courier New");
        clickEntry(mainForm().Sizelist, 12);
        checkBox(mainForm().Italic);
        world.prompts.colorAnswer = blue;
        clickOn(mainForm().ColorClick);
    }
    void expectTheLookStays() {
        EXPECT_EQ(mainForm().BigText.fontName(), L"Courier New");
        EXPECT_EQ(mainForm().BigText.fontSize(), 20.0f);
        EXPECT_TRUE(mainForm().BigText.fontItalic());
        EXPECT_EQ(mainForm().BigText.foreColor(), blue);
    }
    TempFolder folder;
};

TEST_F(OpenFile, TheDialogAsksWithItsSettingsAndAnEmptyNameEachTime) {
    mainForm().BigText.setText(L"unchanged");
    world.prompts.fileAnswer.clear(); // the user cancels
    key('O');
    clickOn(mainForm().OpenButton);
    ASSERT_EQ(world.prompts.openRequests.size(), 2u);
    for (const auto& request : world.prompts.openRequests) {
        EXPECT_EQ(request.title, L"Open File");
        EXPECT_EQ(request.filter, L"Text File (*.txt)|*.txt");
        EXPECT_EQ(request.fileName, L"");
    }
    EXPECT_EQ(mainForm().BigText.text(), L"unchanged");

    writeBytes(folder.file(L"a.txt"), "first");
    openFile(folder.file(L"a.txt"));
    world.prompts.fileAnswer.clear();
    key('O');
    EXPECT_EQ(world.prompts.openRequests.back().fileName, L"") << "also after a file was chosen";
    EXPECT_EQ(mainForm().BigText.text(), L"first");
}

TEST_F(OpenFile, AnAnsiFileShowsByteForByteOnTheSameLines) {
    std::string bytes;
    while (bytes.size() < 2000) {
        std::string line = "Line " + std::to_string(bytes.size()) + " of sample text\r\n";
        bytes += line.substr(0, std::min(line.size(), 2000 - bytes.size()));
    }
    bytes[1997] = '\r';
    bytes[1998] = '\n';
    bytes[1999] = 'z';
    writeBytes(folder.file(L"plain.txt"), bytes);
    openFile(folder.file(L"plain.txt"));
    const std::wstring text = mainForm().BigText.text();
    ASSERT_EQ(text.size(), 2000u);
    EXPECT_EQ(text, std::wstring(bytes.begin(), bytes.end()));
    EXPECT_EQ(SendMessageW(mainForm().BigText.hwnd(), EM_GETLINECOUNT, 0, 0),
              std::count(bytes.begin(), bytes.end(), '\n') + 1);
}

TEST_F(OpenFile, UnicodeFilesOfAnyNameShowWithoutTheirMark) {
    const std::pair<std::wstring, std::string> files[] = {
        {L"utf8-mark.txt", "\xEF\xBB\xBF\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1"},
        {L"utf8.dat", "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1"},
        {L"utf16le", std::string("\xFF\xFE\x95\x03\xBB\x03\xBB\x03\xAC\x03\xB4\x03\xB1\x03", 14)},
        {L"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1 \u2713.txt",
         std::string("\xFE\xFF\x03\x95\x03\xBB\x03\xBB\x03\xAC\x03\xB4\x03\xB1", 14)},
    };
    for (const auto& [name, bytes] : files) {
        mainForm().BigText.setText(L"before");
        writeBytes(folder.file(name), bytes);
        openFile(folder.file(name));
        EXPECT_EQ(mainForm().BigText.text(), L"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1") << name;
    }
}

TEST_F(OpenFile, TheFileReplacesTheTextAndTheLookStays) {
    chooseALook();
    prepare(mainForm().BigText, L"typed by the user", 3, 5);

    std::string large(100000, 'x');
    large[99999] = 'E';
    writeBytes(folder.file(L"large.txt"), large);
    openFile(folder.file(L"large.txt"));
    EXPECT_EQ(mainForm().BigText.text().size(), 100000u) << "no 30,000-character ceiling";
    EXPECT_EQ(mainForm().BigText.text().back(), L'E');
    expectTheLookStays();

    writeBytes(folder.file(L"empty.txt"), "");
    openFile(folder.file(L"empty.txt"));
    EXPECT_EQ(mainForm().BigText.text(), L"") << "an empty file empties the sample";
}

TEST_F(OpenFile, BinaryLockedAndVanishedFilesNeitherCrashNorLoseTheSample) {
    writeBytes(folder.file(L"binary.bin"), std::string("MZ\0\0\x01\x02text\0after", 16));
    openFile(folder.file(L"binary.bin"));
    const std::wstring shown = mainForm().BigText.text();
    EXPECT_EQ(shown.size(), 16u);
    EXPECT_EQ(shown.substr(10), L" after") << "what follows a NUL still shows";

    mainForm().BigText.setText(L"the user's sample");
    const std::wstring locked = folder.file(L"locked.txt");
    writeBytes(locked, "locked content");
    {
        const auto holder = lockFile(locked, GENERIC_READ | GENERIC_WRITE);
        ASSERT_TRUE(holder);
        openFile(locked);
    }
    EXPECT_EQ(mainForm().BigText.text(), L"the user's sample");

    openFile(folder.file(L"gone.txt")); // chosen in the dialog, deleted before the read
    EXPECT_EQ(mainForm().BigText.text(), L"the user's sample");
    EXPECT_TRUE(world.prompts.messageBoxes.empty());
    EXPECT_EQ(world.system.ends, 0);
}

TEST_F(OpenFile, ALateClickIsTakenOnlyWhileTheWindowTakesInput) {
    // A screen reader's or another program's click or command, queued behind the report's
    // command, comes while the save dialog is open; others while the about window waits for
    // its OK, and while a message box has the about window wait.
    world.prompts.modal = true;
    mainForm().Bold.setValue(1);
    const auto command = [](HWND window, WPARAM id, HWND control = nullptr) {
        PostMessageW(window, WM_COMMAND, id, reinterpret_cast<LPARAM>(control));
    };
    command(mainForm().hwnd(), static_cast<WPARAM>(process::menuId(L"ReportMenu")));
    PostMessageW(mainForm().OpenButton.hwnd(), BM_CLICK, 0, 0);
    PostMessageW(mainForm().RemoveLabel.hwnd(), BM_CLICK, 0, 0);
    command(mainForm().hwnd(), static_cast<WPARAM>(process::menuId(L"OpenFileMenu")));
    loop().yield();
    EXPECT_TRUE(world.prompts.openRequests.empty()) << "Open File inside the save dialog";
    EXPECT_EQ(mainForm().Bold.value(), 1) << "the link removed the effects";
    key('B');
    for (HWND control :
         {mainForm().OpenButton.hwnd(), mainForm().Bold.hwnd(), mainForm().RemoveLabel.hwnd()})
        PostMessageW(control, BM_CLICK, 0, 0);
    command(mainForm().hwnd(), static_cast<WPARAM>(process::menuId(L"OpenFileMenu")));
    loop().yield();
    EXPECT_TRUE(world.prompts.openRequests.empty());
    EXPECT_EQ(mainForm().Bold.value(), 1);
    auto& aboutForm = app.aboutForm;
    ASSERT_TRUE(aboutForm.visible());
    // The licence is missing: its warning, owned by the about window, has that one wait.
    PostMessageW(aboutForm.About_License.hwnd(), BM_CLICK, 0, 0);
    PostMessageW(aboutForm.MinimizeToTray2.hwnd(), BM_CLICK, 0, 0);
    command(aboutForm.hwnd(),
            MAKEWPARAM(GetDlgCtrlID(aboutForm.MinimizeToTray2.hwnd()), BN_CLICKED),
            aboutForm.MinimizeToTray2.hwnd());
    loop().yield();
    ASSERT_EQ(world.prompts.messageBoxes.size(), 1u);
    EXPECT_TRUE(aboutForm.visible()) << "OK pressed while the warning was up";
}

// ---- files dropped on the window ----

class DroppedFiles : public OpenFile {
protected:
    void drop(const std::vector<std::wstring>& files) {
        ASSERT_TRUE(postDrop(mainForm().hwnd(), files));
        loop().yield();
    }
};

TEST_F(DroppedFiles, TheFirstLoadsAsOpenFileLoadsItAndTheLookStays) {
    chooseALook();
    prepare(mainForm().BigText, L"typed by the user", 3, 5);

    writeBytes(folder.file(L"first.txt"),
               std::string("\xEF\xBB\xBF\xCE\x95\xCE\xBB\r\nnul\0end", 16));
    writeBytes(folder.file(L"second.txt"), "second");
    EXPECT_TRUE(GetWindowLongPtrW(mainForm().hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES)
        << "the shell drops only on windows that accept files";
    drop({folder.file(L"first.txt"), folder.file(L"second.txt")});
    EXPECT_EQ(mainForm().BigText.text(), L"\u0395\u03BB\r\nnul end");
    expectTheLookStays();
    EXPECT_TRUE(world.prompts.openRequests.empty()) << "no dialog";
    EXPECT_TRUE(world.prompts.messageBoxes.empty());
}

TEST_F(DroppedFiles, FoldersUnreadableFilesAndAWaitingWindowLeaveTheSampleAsItWas) {
    mainForm().BigText.setText(L"the user's sample");
    writeBytes(folder.file(L"text.txt"), "text");
    drop({folder.path()});
    drop({folder.path(), folder.file(L"text.txt")});
    drop({folder.file(L"gone.txt")});
    const std::wstring locked = folder.file(L"locked.txt");
    writeBytes(locked, "locked content");
    {
        const auto holder = lockFile(locked, GENERIC_READ | GENERIC_WRITE);
        ASSERT_TRUE(holder);
        drop({locked});
    }
    EXPECT_EQ(mainForm().BigText.text(), L"the user's sample");
    EXPECT_TRUE(world.prompts.messageBoxes.empty());

    // Handles that hold no drop, as ones posted by another program arrive under Wine, are
    // neither read nor freed: text, zeros under a head of another size, a head and no name,
    // a head and a name that runs to the block's end without its closing NULs.
    std::string zeros(64, '\0'), noName = zeros, unended(64, 'a');
    zeros[0] = 24;
    noName[0] = sizeof(DROPFILES);
    DROPFILES narrow{};
    narrow.pFiles = sizeof(DROPFILES);
    std::memcpy(unended.data(), &narrow, sizeof narrow);
    for (const std::string& bytes : {std::string(64, 'x'), zeros, noName, unended}) {
        const platform::GlobalBlock other = globalCopy(bytes);
        ASSERT_TRUE(other);
        PostMessageW(mainForm().hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(other.get()), 0);
        loop().yield();
        EXPECT_EQ(GlobalSize(other.get()), 64u) << static_cast<int>(bytes[0]);
    }
    EXPECT_EQ(mainForm().BigText.text(), L"the user's sample");

    // Disabled while a dialog or another window waits for the user: no drop either.
    mainForm().setEnabled(false);
    drop({folder.file(L"text.txt")});
    mainForm().setEnabled(true);
    EXPECT_EQ(mainForm().BigText.text(), L"the user's sample");
}

} // namespace
