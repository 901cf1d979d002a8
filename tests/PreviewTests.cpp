// Browsing fonts: the sample follows the list, the sizes, the effects and the colour;
// find as you type; the count, refresh and copy-name commands.
#include "support/MainWindowTest.h"

#include <gtest/gtest.h>

namespace {

using Preview = MainWindowTest;

struct Effect {
    const char* name;
    ui::CheckBox forms::MainForm::*box;
    bool (ui::SampleBox::*get)() const;
    void (ui::SampleBox::*set)(bool);
};

const Effect effects[] = {
    {"bold", &forms::MainForm::Bold, &ui::SampleBox::fontBold, &ui::SampleBox::setFontBold},
    {"italic", &forms::MainForm::Italic, &ui::SampleBox::fontItalic, &ui::SampleBox::setFontItalic},
    {"underline", &forms::MainForm::Underline, &ui::SampleBox::fontUnderline,
     &ui::SampleBox::setFontUnderline},
    {"strikeout", &forms::MainForm::Strikeout, &ui::SampleBox::fontStrikethru,
     &ui::SampleBox::setFontStrikethru},
};

TEST_F(Preview, EachEffectBoxSwitchesItsEffectAloneAndBack) {
    auto& sample = main().BigText;
    for (const Effect& effect : effects) {
        checkBox(main().*effect.box);
        EXPECT_TRUE((sample.*effect.get)()) << effect.name;
        for (const Effect& other : effects)
            if (&other != &effect) {
                EXPECT_FALSE((sample.*other.get)()) << effect.name << " left " << other.name;
            }
        checkBox(main().*effect.box);
        EXPECT_FALSE((sample.*effect.get)()) << effect.name;
        // The keyboard toggles it too.
        (main().*effect.box).setFocus();
        drive::pressKey(loop(), (main().*effect.box).hwnd(), VK_SPACE);
        EXPECT_EQ((main().*effect.box).value(), 1) << effect.name;
        EXPECT_TRUE((sample.*effect.get)()) << effect.name;
        checkBox(main().*effect.box);
    }
}

TEST_F(Preview, AFontChangeKeepsCheckedEffectsAndForcesUncheckedOnesOff) {
    auto& sample = main().BigText;
    clickEntry(main().Sizelist, 16); // "24"
    for (const Effect& checked : effects) {
        checkBox(main().*checked.box);
        ASSERT_EQ((main().*checked.box).value(), 1);
        // Every other effect is on in the sample although its box is unchecked.
        for (const Effect& other : effects)
            if (&other != &checked)
                (sample.*other.set)(true);
        sample.setForeColor(RGB(0, 128, 0));
        chooseFont(main().FontList.text() == L"Courier New" ? L"Verdana" : L"Courier New");
        EXPECT_TRUE((sample.*checked.get)()) << checked.name << " stays on";
        for (const Effect& other : effects)
            if (&other != &checked) {
                EXPECT_FALSE((sample.*other.get)()) << other.name << " forced off";
            }
        EXPECT_EQ(sample.fontName(), main().FontList.text());
        EXPECT_EQ(sample.fontSize(), 24.0f);
        EXPECT_EQ(sample.foreColor(), RGB(0, 128, 0)) << "the colour is not touched";
        checkBox(main().*checked.box);
    }
}

TEST_F(Preview, ChoosingAFontWithNoSizeSelectedLeavesTheSize) {
    auto& sample = main().BigText;
    main().Sizelist.setListIndex(-1); // the moment during start-up before "8" is selected
    sample.setFontSize(30.0f);
    sample.setFontItalic(true);
    main().FontList.setListIndex(indexOf(L"Verdana"));
    EXPECT_EQ(sample.fontName(), L"Verdana");
    EXPECT_EQ(sample.fontSize(), 30.0f);
    EXPECT_FALSE(sample.fontItalic());
}

TEST_F(Preview, ChoosingASizeChangesTheSizeOnly) {
    auto& sample = main().BigText;
    checkBox(main().Underline);
    sample.setForeColor(RGB(200, 0, 0));
    chooseFont(L"Tahoma");
    clickEntry(main().Sizelist, 64);
    EXPECT_EQ(main().Sizelist.text(), L"72");
    EXPECT_EQ(sample.fontSize(), 72.0f);
    EXPECT_EQ(sample.fontName(), L"Tahoma");
    EXPECT_TRUE(sample.fontUnderline());
    EXPECT_EQ(sample.foreColor(), RGB(200, 0, 0));
    LOGFONTW font{};
    GetObjectW(sample.currentFont(), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -96) << "72 points at 96 dpi";
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
}

TEST_F(Preview, SymbolFontsShowAsThemselves) {
    chooseFont(L"Wingdings");
    LOGFONTW font{};
    GetObjectW(main().BigText.currentFont(), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Wingdings");
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
}

TEST_F(Preview, TypingFindsTheFirstFontBeginningWithTheTextWhateverItsCase) {
    int fontChanges = 0;
    auto chosen = main().FontList.onClick;
    main().FontList.onClick = [&, chosen] {
        ++fontChanges;
        chosen();
    };
    clickEntry(main().Sizelist, 4); // "12"
    findText(L"aR");
    EXPECT_EQ(fontChanges, 2) << "one search per typed letter";
    EXPECT_EQ(main().FontList.text(), L"Arial") << "the first in list order";
    EXPECT_EQ(main().BigText.fontName(), L"Arial");
    EXPECT_EQ(main().BigText.fontSize(), 12.0f);
    EXPECT_EQ(GetFocus(), main().FontFind.hwnd()) << "the user goes on typing";

    findText(L"ial");
    EXPECT_EQ(main().FontList.text(), L"Arial") << "a whole name, not a longer one";
    findText(L" B");
    EXPECT_EQ(main().FontList.text(), L"Arial Black");
    EXPECT_EQ(main().FontFind.text(), L"aRial B");

    // Deleting widens the match again.
    drive::pressKey(loop(), main().FontFind.hwnd(), VK_BACK);
    drive::pressKey(loop(), main().FontFind.hwnd(), VK_BACK);
    EXPECT_EQ(main().FontList.text(), L"Arial");
}

TEST_F(Preview, TextsNoNameBeginsWithLeaveNoFontSelected) {
    chooseFont(L"Verdana");
    for (const std::wstring text : {L"zzz", L" Arial", L"Bold", L"Roman"}) {
        main().FontFind.setText(L"");
        findText(text);
        EXPECT_EQ(main().FontList.listIndex(), -1) << std::string(text.begin(), text.end());
        EXPECT_EQ(main().FontList.text(), L"");
        EXPECT_EQ(main().BigText.fontName(), L"Verdana") << "the sample keeps its font";
    }
}

TEST_F(Preview, AnEmptiedFindBoxSelectsWhatTheListsOwnSearchAnswers) {
    findText(L"V");
    EXPECT_EQ(main().FontList.text(), L"Verdana");
    const LRESULT listAnswer = SendMessageW(main().FontList.hwnd(), LB_FINDSTRING,
                                            static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L""));
    drive::pressKey(loop(), main().FontFind.hwnd(), VK_BACK);
    EXPECT_EQ(main().FontFind.text(), L"");
    EXPECT_EQ(main().FontList.listIndex(),
              listAnswer == LB_ERR ? -1 : static_cast<int>(listAnswer));
}

TEST_F(Preview, TheEditTargetFollowsTheTextBoxInUse) {
    auto& target = main().WhichOne;
    drive::click(main().BigText.hwnd(), 10, 10);
    loop().yield();
    EXPECT_EQ(target.text(), L"BigText");
    drive::click(main().FontFind.hwnd(), 5, 5);
    loop().yield();
    EXPECT_EQ(target.text(), L"FontFind");
    main().BigText.setFocus();
    EXPECT_EQ(target.text(), L"BigText");
    main().BigText.setText(L"no tabs");
    // Back through the tab order, over the size list, the effects and the font list.
    for (int step = 0; step < 7; ++step)
        drive::pressKey(loop(), GetFocus(), VK_TAB, MOD_SHIFT);
    EXPECT_EQ(main().BigText.text(), L"no tabs") << "Tab moves on, it types nothing";
    EXPECT_EQ(GetFocus(), main().FontFind.hwnd());
    EXPECT_EQ(target.text(), L"FontFind") << "the focus alone makes it the target";
}

TEST_F(Preview, EnterAndEscInTheTextBoxesNeitherCloseNorQuit) {
    main().BigText.setText(L"one");
    main().BigText.setSelStart(3);
    main().BigText.setFocus();
    drive::pressKey(loop(), main().BigText.hwnd(), VK_RETURN);
    drive::pressKey(loop(), main().BigText.hwnd(), VK_ESCAPE);
    main().FontFind.setFocus();
    drive::pressKey(loop(), main().FontFind.hwnd(), VK_RETURN);
    drive::pressKey(loop(), main().FontFind.hwnd(), VK_ESCAPE);
    EXPECT_EQ(main().BigText.text(), L"one\r\n") << "Enter breaks the line in the sample";
    EXPECT_EQ(world.system.ends, 0);
    EXPECT_TRUE(main().visible());
}

TEST_F(Preview, ClearingEmptiesTheSampleAndNothingElse) {
    auto& sample = main().BigText;
    checkBox(main().Bold);
    chooseFont(L"Arial");
    for (int way = 0; way < 2; ++way) {
        sample.setText(L"some text");
        const HFONT font = sample.currentFont();
        if (way == 0)
            drive::click(main().ClearText.hwnd());
        else
            drive::pressKey(loop(), main().FontFind.hwnd(), 'E', MOD_CONTROL);
        loop().yield();
        EXPECT_EQ(sample.text(), L"") << way;
        EXPECT_EQ(sample.currentFont(), font) << way;
        EXPECT_EQ(main().Bold.value(), 1);
        EXPECT_EQ(main().FontList.text(), L"Arial");
    }
}

TEST_F(Preview, RemoveAllEffectsFromTheLabelAndTheMenuGiveTheSameResult) {
    auto& sample = main().BigText;
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
            s.boxes[i] = (main().*effects[i].box).value();
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
        clickEntry(main().Sizelist, 10);
        sample.setText(L"sample");
        sample.setForeColor(RGB(1, 2, 3));
        checkBox(main().Bold);
        checkBox(main().Strikeout);
        if (way == 0)
            drive::click(main().RemoveLabel.hwnd(), 3, 3);
        else
            drive::pressKey(loop(), main().BigText.hwnd(), 'R', MOD_CONTROL);
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
    auto& sample = main().BigText;
    clickOn(main().ColorClick);
    EXPECT_EQ(world.prompts.colorDialogs, 1);
    EXPECT_EQ(sample.foreColor(), RGB(0, 0, 0)) << "cancelled the first time: still black";

    const COLORREF red = RGB(220, 20, 60);
    world.prompts.colorAnswer = red;
    clickOn(main().ColorClick);
    EXPECT_EQ(sample.foreColor(), red);

    world.prompts.colorAnswer.reset();
    clickOn(main().ColorClick);
    EXPECT_EQ(world.prompts.colorOffered, red) << "the dialog opens on the current colour";
    EXPECT_EQ(sample.foreColor(), red);

    // A confirmed colour stays through everything else.
    chooseFont(L"Verdana");
    clickEntry(main().Sizelist, 3);
    checkBox(main().Italic);
    clickOn(main().ClearText);
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
    drive::pressKey(loop(), main().FontFind.hwnd(), VK_F4);
    clickOn(main().FontCounterTool);
    ASSERT_EQ(world.prompts.messageBoxes.size(), 2u);
    for (const auto& message : world.prompts.messageBoxes) {
        EXPECT_EQ(message.text, L"You have 312 installed fonts in your Windows 'Fonts' folder");
        EXPECT_EQ(message.style, 64u);
        EXPECT_EQ(message.title, L"Glyphmere");
        EXPECT_EQ(message.owner, main().hwnd());
    }
}

TEST_F(Preview, RefreshRepaintsAndReadsNothingAgain) {
    chooseFont(L"Symbol");
    world.fonts.names.push_back(L"Newly Installed");
    const int count = main().FontList.listCount();
    drive::pressKey(loop(), main().FontFind.hwnd(), VK_F1);
    clickOn(main().RefreshList);
    EXPECT_EQ(main().FontList.listCount(), count);
    EXPECT_EQ(main().FontList.text(), L"Symbol");
    EXPECT_EQ(world.fonts.countCalls, 1);
    drive::pressKey(loop(), main().FontFind.hwnd(), VK_F4);
    EXPECT_TRUE(lastMessageIs(L"You have 9 installed fonts in your Windows 'Fonts' folder",
                              MB_ICONINFORMATION, main().hwnd()));
}

// ---- copy font name, on the real clipboard ----
using CopyFontName = MainWindowTest;

TEST_F(CopyFontName, LeavesOnlyTheNameAsText) {
    fillClipboard(L"what the user had");
    chooseFont(L"Times New Roman");
    clickOn(main().CopyFontName);
    EXPECT_EQ(clipboardText(), L"Times New Roman");
    EXPECT_FALSE(IsClipboardFormatAvailable(otherFormat())) << "only the name is left";
    EXPECT_TRUE(
        lastMessageIs(L"Font name successfully copied!", MB_ICONINFORMATION, main().hwnd()));
}

TEST_F(CopyFontName, WithNoFontSelectedKeepsTheClipboardAndSaysSo) {
    fillClipboard(L"what the user had");
    findText(L"zzz");
    ASSERT_EQ(main().FontList.listIndex(), -1);
    clickOn(main().CopyFontName);
    EXPECT_EQ(clipboardText(), L"what the user had");
    EXPECT_TRUE(IsClipboardFormatAvailable(otherFormat()));
    EXPECT_TRUE(lastMessageIs(L"No font is selected.", MB_ICONWARNING, main().hwnd()));
}

TEST_F(CopyFontName, WaitsForABusyClipboardThenGivesUpChangingNothingAndSaysSo) {
    fillClipboard(L"what the user had");
    chooseFont(L"Arial");
    {
        ClipboardHolder holder; // for longer than the program waits
        clickOn(main().CopyFontName);
    }
    EXPECT_TRUE(lastMessageIs(L"The font name could not be copied because another program is "
                              L"using the clipboard.",
                              MB_ICONWARNING, main().hwnd()));
    EXPECT_EQ(clipboardText(), L"what the user had");
    EXPECT_TRUE(IsClipboardFormatAvailable(otherFormat()));

    // Let go while the program waits for it: the name is copied after all.
    {
        ClipboardHolder holder;
        holder.letGoOnceBusy(main().hwnd());
        clickOn(main().CopyFontName);
    }
    EXPECT_TRUE(
        lastMessageIs(L"Font name successfully copied!", MB_ICONINFORMATION, main().hwnd()));
    EXPECT_EQ(clipboardText(), L"Arial");
}

} // namespace
