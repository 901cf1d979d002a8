// Browsing fonts: the sample follows the list, the sizes, the effects and the colour;
// find as you type; the count, refresh and copy-name commands.
#include "support/MainWindowTest.h"
#include "support/WindowText.h"

#include <gtest/gtest.h>

namespace {

using Preview = MainWindowTest;

struct Effect {
    const char* name;
    controls::CheckBox ui::MainForm::*box;
    bool (controls::SampleBox::*get)() const;
    void (controls::SampleBox::*set)(bool);
};

const Effect effects[] = {
    {"bold", &ui::MainForm::Bold, &controls::SampleBox::fontBold,
     &controls::SampleBox::setFontBold},
    {"italic", &ui::MainForm::Italic, &controls::SampleBox::fontItalic,
     &controls::SampleBox::setFontItalic},
    {"underline", &ui::MainForm::Underline, &controls::SampleBox::fontUnderline,
     &controls::SampleBox::setFontUnderline},
    {"strikeout", &ui::MainForm::Strikeout, &controls::SampleBox::fontStrikethru,
     &controls::SampleBox::setFontStrikethru},
};

TEST_F(Preview, EachEffectBoxSwitchesItsEffectAloneAndBack) {
    auto& sample = mainForm().BigText;
    for (const Effect& effect : effects) {
        checkBox(mainForm().*effect.box);
        EXPECT_TRUE((sample.*effect.get)()) << effect.name;
        for (const Effect& other : effects)
            if (&other != &effect) {
                EXPECT_FALSE((sample.*other.get)()) << effect.name << " left " << other.name;
            }
        checkBox(mainForm().*effect.box);
        EXPECT_FALSE((sample.*effect.get)()) << effect.name;
        // The keyboard toggles it too.
        (mainForm().*effect.box).setFocus();
        drive::pressKey(loop(), (mainForm().*effect.box).hwnd(), VK_SPACE);
        EXPECT_EQ((mainForm().*effect.box).value(), 1) << effect.name;
        EXPECT_TRUE((sample.*effect.get)()) << effect.name;
        checkBox(mainForm().*effect.box);
    }
}

TEST_F(Preview, AFontChangeKeepsCheckedEffectsAndForcesUncheckedOnesOff) {
    auto& sample = mainForm().BigText;
    clickEntry(mainForm().Sizelist, 16); // "24"
    for (const Effect& checked : effects) {
        checkBox(mainForm().*checked.box);
        ASSERT_EQ((mainForm().*checked.box).value(), 1);
        // Every other effect is on in the sample although its box is unchecked.
        for (const Effect& other : effects)
            if (&other != &checked)
                (sample.*other.set)(true);
        sample.setForeColor(RGB(0, 128, 0));
        chooseFont(mainForm().FontList.text() == L"Courier New" ? L"Verdana" : L"Courier New");
        EXPECT_TRUE((sample.*checked.get)()) << checked.name << " stays on";
        for (const Effect& other : effects)
            if (&other != &checked) {
                EXPECT_FALSE((sample.*other.get)()) << other.name << " forced off";
            }
        EXPECT_EQ(sample.fontName(), mainForm().FontList.text());
        EXPECT_EQ(sample.fontSize(), 24.0f);
        EXPECT_EQ(sample.foreColor(), RGB(0, 128, 0)) << "the colour is not touched";
        checkBox(mainForm().*checked.box);
    }
}

TEST_F(Preview, ChoosingAFontWithNoSizeSelectedLeavesTheSize) {
    auto& sample = mainForm().BigText;
    mainForm().Sizelist.setListIndex(-1); // the moment during start-up before "8" is selected
    sample.setFontSize(30.0f);
    sample.setFontItalic(true);
    mainForm().FontList.setListIndex(indexOf(L"Verdana"));
    EXPECT_EQ(sample.fontName(), L"Verdana");
    EXPECT_EQ(sample.fontSize(), 30.0f);
    EXPECT_FALSE(sample.fontItalic());
}

TEST_F(Preview, ChoosingASizeChangesTheSizeOnly) {
    auto& sample = mainForm().BigText;
    checkBox(mainForm().Underline);
    sample.setForeColor(RGB(200, 0, 0));
    chooseFont(L"Tahoma");
    clickEntry(mainForm().Sizelist, 64);
    EXPECT_EQ(mainForm().Sizelist.text(), L"72");
    EXPECT_EQ(sample.fontSize(), 72.0f);
    EXPECT_EQ(sample.fontName(), L"Tahoma");
    EXPECT_TRUE(sample.fontUnderline());
    EXPECT_EQ(sample.foreColor(), RGB(200, 0, 0));
    LOGFONTW font{};
    GetObjectW(windowFont(sample.hwnd()), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -96) << "72 points at 96 dpi";
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
}

TEST_F(Preview, SymbolFontsShowAsThemselves) {
    chooseFont(L"Wingdings");
    LOGFONTW font{};
    GetObjectW(windowFont(mainForm().BigText.hwnd()), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Wingdings");
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
}

TEST_F(Preview, TypingFindsTheFirstFontBeginningWithTheTextWhateverItsCase) {
    int fontChanges = 0;
    auto chosen = mainForm().FontList.onClick;
    mainForm().FontList.onClick = [&, chosen] {
        ++fontChanges;
        chosen();
    };
    clickEntry(mainForm().Sizelist, 4); // "12"
    findText(L"aR");
    EXPECT_EQ(fontChanges, 2) << "one search per typed letter";
    EXPECT_EQ(mainForm().FontList.text(), L"Arial") << "the first in list order";
    EXPECT_EQ(mainForm().BigText.fontName(), L"Arial");
    EXPECT_EQ(mainForm().BigText.fontSize(), 12.0f);
    EXPECT_EQ(GetFocus(), mainForm().FontFind.hwnd()) << "the user goes on typing";

    findText(L"ial");
    EXPECT_EQ(mainForm().FontList.text(), L"Arial") << "a whole name, not a longer one";
    findText(L" B");
    EXPECT_EQ(mainForm().FontList.text(), L"Arial Black");
    EXPECT_EQ(mainForm().FontFind.text(), L"aRial B");

    // Deleting widens the match again.
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), VK_BACK);
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), VK_BACK);
    EXPECT_EQ(mainForm().FontList.text(), L"Arial");
}

TEST_F(Preview, TextsNoNameBeginsWithLeaveNoFontSelected) {
    chooseFont(L"Verdana");
    for (const std::wstring text : {L"zzz", L" Arial", L"Bold", L"Roman"}) {
        mainForm().FontFind.setText(L"");
        findText(text);
        EXPECT_EQ(mainForm().FontList.listIndex(), -1) << text;
        EXPECT_EQ(mainForm().FontList.text(), L"");
        EXPECT_EQ(mainForm().BigText.fontName(), L"Verdana") << "the sample keeps its font";
    }
}

TEST_F(Preview, AnEmptiedFindBoxSelectsWhatTheListsOwnSearchAnswers) {
    findText(L"V");
    EXPECT_EQ(mainForm().FontList.text(), L"Verdana");
    const LRESULT listAnswer = SendMessageW(mainForm().FontList.hwnd(), LB_FINDSTRING,
                                            static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L""));
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), VK_BACK);
    EXPECT_EQ(mainForm().FontFind.text(), L"");
    EXPECT_EQ(mainForm().FontList.listIndex(),
              listAnswer == LB_ERR ? -1 : static_cast<int>(listAnswer));
}

TEST_F(Preview, TheEditTargetFollowsTheTextBoxInUse) {
    auto& target = mainForm().WhichOne;
    drive::click(mainForm().BigText.hwnd(), 10, 10);
    loop().yield();
    EXPECT_EQ(target.text(), L"BigText");
    drive::click(mainForm().FontFind.hwnd(), 5, 5);
    loop().yield();
    EXPECT_EQ(target.text(), L"FontFind");
    mainForm().BigText.setFocus();
    EXPECT_EQ(target.text(), L"BigText");
    mainForm().BigText.setText(L"no tabs");
    // Back through the tab order, over the size list, the effects and the font list.
    for (int step = 0; step < 7; ++step)
        drive::pressKey(loop(), GetFocus(), VK_TAB, MOD_SHIFT);
    EXPECT_EQ(mainForm().BigText.text(), L"no tabs") << "Tab moves on, it types nothing";
    EXPECT_EQ(GetFocus(), mainForm().FontFind.hwnd());
    EXPECT_EQ(target.text(), L"FontFind") << "the focus alone makes it the target";
}

TEST_F(Preview, EnterAndEscInTheTextBoxesNeitherCloseNorQuit) {
    mainForm().BigText.setText(L"one");
    mainForm().BigText.setSelStart(3);
    mainForm().BigText.setFocus();
    drive::pressKey(loop(), mainForm().BigText.hwnd(), VK_RETURN);
    drive::pressKey(loop(), mainForm().BigText.hwnd(), VK_ESCAPE);
    mainForm().FontFind.setFocus();
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), VK_RETURN);
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), VK_ESCAPE);
    EXPECT_EQ(mainForm().BigText.text(), L"one\r\n") << "Enter breaks the line in the sample";
    EXPECT_EQ(world.system.ends, 0);
    EXPECT_TRUE(mainForm().visible());
}

TEST_F(Preview, ClearingEmptiesTheSampleAndNothingElse) {
    auto& sample = mainForm().BigText;
    checkBox(mainForm().Bold);
    chooseFont(L"Arial");
    for (int way = 0; way < 2; ++way) {
        sample.setText(L"some text");
        const HFONT font = windowFont(sample.hwnd());
        if (way == 0)
            drive::click(mainForm().ClearText.hwnd());
        else
            drive::pressKey(loop(), mainForm().FontFind.hwnd(), 'E', MOD_CONTROL);
        loop().yield();
        EXPECT_EQ(sample.text(), L"") << way;
        EXPECT_EQ(windowFont(sample.hwnd()), font) << way;
        EXPECT_EQ(mainForm().Bold.value(), 1);
        EXPECT_EQ(mainForm().FontList.text(), L"Arial");
    }
}

TEST_F(Preview, RemoveAllEffectsFromTheLabelAndTheMenuGiveTheSameResult) {
    auto& sample = mainForm().BigText;
    struct State {
        int boxes[4];
        bool on[4];
        std::wstring name;
        float size;
        COLORREF color;
        std::wstring text;
        bool operator==(const State&) const = default;
    };
    const auto state = [&] {
        State s{};
        for (int i = 0; i < 4; ++i) {
            s.boxes[i] = (mainForm().*effects[i].box).value();
            s.on[i] = (sample.*effects[i].get)();
        }
        s.name = sample.fontName();
        s.size = sample.fontSize();
        s.color = sample.foreColor();
        s.text = sample.text();
        return s;
    };
    std::vector<State> results;
    for (int way = 0; way < 2; ++way) {
        chooseFont(L"Courier New");
        clickEntry(mainForm().Sizelist, 10);
        sample.setText(L"sample");
        sample.setForeColor(RGB(1, 2, 3));
        checkBox(mainForm().Bold);
        checkBox(mainForm().Strikeout);
        if (way == 0)
            drive::click(mainForm().RemoveLabel.hwnd(), 3, 3);
        else
            drive::pressKey(loop(), mainForm().BigText.hwnd(), 'R', MOD_CONTROL);
        loop().yield();
        results.push_back(state());
    }
    EXPECT_TRUE(results[0] == results[1]);
    const State& after = results[0];
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(after.boxes[i], 0) << effects[i].name;
        EXPECT_FALSE(after.on[i]) << effects[i].name;
    }
    EXPECT_EQ(after.name, L"Courier New");
    EXPECT_EQ(after.size, 18.0f);
    EXPECT_EQ(after.color, RGB(1, 2, 3));
    EXPECT_EQ(after.text, L"sample");
}

TEST_F(Preview, TheColourChangesOnlyWhenOneIsConfirmed) {
    auto& sample = mainForm().BigText;
    clickOn(mainForm().ColorClick);
    EXPECT_EQ(world.prompts.colorDialogs, 1);
    EXPECT_EQ(sample.foreColor(), RGB(0, 0, 0)) << "cancelled the first time: still black";

    const COLORREF red = RGB(220, 20, 60);
    world.prompts.colorAnswer = red;
    clickOn(mainForm().ColorClick);
    EXPECT_EQ(sample.foreColor(), red);

    world.prompts.colorAnswer.reset();
    clickOn(mainForm().ColorClick);
    EXPECT_EQ(world.prompts.colorOffered, red) << "the dialog opens on the current colour";
    EXPECT_EQ(sample.foreColor(), red);

    // A confirmed colour stays through everything else.
    chooseFont(L"Verdana");
    clickEntry(mainForm().Sizelist, 3);
    checkBox(mainForm().Italic);
    clickOn(mainForm().ClearText);
    EXPECT_EQ(sample.foreColor(), red);
}

class FontCount : public MainWindowTest {
protected:
    void SetUp() override {
        for (int i = 0; i < 312; ++i)
            world.fonts.names.push_back(L"Face " + std::to_wstring(i));
        MainWindowTest::SetUp();
    }
};

TEST_F(FontCount, TheMenuItemAndThePictureTellTheSameCount) {
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), VK_F4);
    clickOn(mainForm().FontCounterTool);
    ASSERT_EQ(world.prompts.messageBoxes.size(), 2u);
    for (const auto& message : world.prompts.messageBoxes) {
        EXPECT_EQ(message.text, L"You have 312 installed fonts in your Windows 'Fonts' folder");
        EXPECT_EQ(message.style, 64u);
        EXPECT_EQ(message.title, L"Glyphmere");
        EXPECT_EQ(message.owner, mainForm().hwnd());
    }
}

TEST_F(Preview, RefreshRepaintsAndReadsNothingAgain) {
    chooseFont(L"Symbol");
    world.fonts.names.push_back(L"Newly Installed");
    const int count = mainForm().FontList.listCount();
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), VK_F1);
    clickOn(mainForm().RefreshList);
    EXPECT_EQ(mainForm().FontList.listCount(), count);
    EXPECT_EQ(mainForm().FontList.text(), L"Symbol");
    EXPECT_EQ(world.fonts.countCalls, 1);
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), VK_F4);
    EXPECT_TRUE(lastMessageIs(L"You have 9 installed fonts in your Windows 'Fonts' folder",
                              MB_ICONINFORMATION, mainForm().hwnd()));
}

// ---- copy font name, on the real clipboard ----
using CopyFontName = MainWindowTest;

TEST_F(CopyFontName, LeavesOnlyTheNameAsText) {
    fillClipboard(L"what the user had");
    chooseFont(L"Times New Roman");
    clickOn(mainForm().CopyFontName);
    EXPECT_EQ(clipboardText(), L"Times New Roman");
    EXPECT_FALSE(IsClipboardFormatAvailable(otherFormat())) << "only the name is left";
    EXPECT_TRUE(
        lastMessageIs(L"Font name successfully copied!", MB_ICONINFORMATION, mainForm().hwnd()));
}

TEST_F(CopyFontName, WithNoFontSelectedKeepsTheClipboardAndSaysSo) {
    fillClipboard(L"what the user had");
    findText(L"zzz");
    ASSERT_EQ(mainForm().FontList.listIndex(), -1);
    clickOn(mainForm().CopyFontName);
    EXPECT_EQ(clipboardText(), L"what the user had");
    EXPECT_TRUE(IsClipboardFormatAvailable(otherFormat()));
    EXPECT_TRUE(lastMessageIs(L"No font is selected.", MB_ICONWARNING, mainForm().hwnd()));
}

TEST_F(CopyFontName, WaitsForABusyClipboardThenGivesUpChangingNothingAndSaysSo) {
    fillClipboard(L"what the user had");
    chooseFont(L"Arial");
    {
        ClipboardHolder holder; // for longer than the program waits
        clickOn(mainForm().CopyFontName);
    }
    EXPECT_TRUE(lastMessageIs(L"The font name could not be copied because another program is "
                              L"using the clipboard.",
                              MB_ICONWARNING, mainForm().hwnd()));
    EXPECT_EQ(clipboardText(), L"what the user had");
    EXPECT_TRUE(IsClipboardFormatAvailable(otherFormat()));

    // Let go while the program waits for it: the name is copied after all.
    {
        ClipboardHolder holder;
        holder.letGoOnceBusy(mainForm().hwnd());
        clickOn(mainForm().CopyFontName);
    }
    EXPECT_TRUE(
        lastMessageIs(L"Font name successfully copied!", MB_ICONINFORMATION, mainForm().hwnd()));
    EXPECT_EQ(clipboardText(), L"Arial");
}

} // namespace
