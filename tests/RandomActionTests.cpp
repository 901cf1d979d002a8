// Thousands of random user actions on the main window, with the invariants checked
// after each one. A failure prints the seed and the actions that led to it; run again with
// GLYPHMERE_SEED (and GLYPHMERE_ACTIONS) set to replay it.
#include "support/GdiCount.h"
#include "support/MainWindowTest.h"
#include "support/TempFolder.h"
#include "ui/MainMenu.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

unsigned long long setting(const char* name, unsigned long long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

class RandomActions : public MainWindowTest {
protected:
    void SetUp() override {
        for (int i = 0; i < 400; ++i)
            world.fonts.names.push_back((i % 3 ? L"Face " : L"face ") +
                                        std::to_wstring(i * 37 % 1000));
        for (const wchar_t* name : {L"Tahoma", L"Arial", L"Arial Black", L"Courier New", L"Symbol"})
            world.fonts.names.push_back(name);
        MainWindowTest::SetUp();
        writeBytes(folder.file(L"sample.txt"), "Sample text\r\nfrom a file\r\n");
    }

    // ---- the actions ----

    // An index below n: the 64-bit draw narrowed only once it is below a size_t.
    size_t below(size_t n) { return static_cast<size_t>(random() % n); }
    template <typename Pick> auto& pickOne(Pick& choices) {
        return choices[below(std::size(choices))];
    }

    void answerPromptsAtRandom() {
        static const COLORREF colors[] = {RGB(200, 0, 0), RGB(0, 120, 0), RGB(20, 20, 160)};
        world.prompts.colorAnswer.reset();
        if (random() % 2)
            world.prompts.colorAnswer = pickOne(colors);
        const std::wstring files[] = {L"", folder.file(L"sample.txt"), folder.file(L"missing.txt"),
                                      folder.file(L"report.txt")};
        world.prompts.fileAnswer = pickOne(files);
        const std::wstring addresses[] = {L"", L"friend@example.org", L"a b c"};
        world.prompts.inputAnswer = pickOne(addresses);
    }

    void act() {
        auto& mainForm = this->mainForm();
        answerPromptsAtRandom();
        // A secondary window open: the main window waits, so act on that window.
        if (app.aboutForm.visible()) {
            controls::Control* controls[] = {&app.aboutForm.Label6, &app.aboutForm.Label10,
                                             &app.aboutForm.Image1, &app.aboutForm.About_License,
                                             &app.aboutForm.MinimizeToTray2};
            return clickOn(*pickOne(controls), "about window");
        }
        if (app.forGlyphmere.visible()) {
            controls::Control* controls[] = {&app.forGlyphmere.Label4, &app.forGlyphmere.Label6,
                                             &app.forGlyphmere.Label8, &app.forGlyphmere.Image1,
                                             &app.forGlyphmere.Image2, &app.forGlyphmere.Image3};
            return clickOn(*pickOne(controls), "feedback window");
        }
        if (IsIconic(mainForm.hwnd())) {
            log("restore");
            ShowWindow(mainForm.hwnd(), SW_RESTORE);
            return;
        }
        switch (random() % 10) {
        case 0:
            if (mainForm.FontList.listCount())
                return clickList(mainForm.FontList,
                                 static_cast<int>(random() % mainForm.FontList.listCount()));
            return;
        case 1:
            return clickList(mainForm.Sizelist, static_cast<int>(random() % 65));
        case 2: {
            controls::Control* boxes[] = {&mainForm.Bold, &mainForm.Italic, &mainForm.Underline,
                                          &mainForm.Strikeout, &mainForm.RemoveLabel};
            return clickOn(*pickOne(boxes), "effect");
        }
        case 3:
        case 4: {
            const std::wstring texts[] = {L"a", L"Ar", L"f",   L"Face 1",
                                          L"z", L" ",  L"SYM", L"x\u00E9"};
            controls::TextBox* boxes[] = {&mainForm.FontFind, &mainForm.BigText};
            controls::TextBox& box = *pickOne(boxes);
            const std::wstring& text = pickOne(texts);
            log("type \"" + narrow(text) + "\" into " + narrow(box.name()));
            box.setFocus();
            drive::type(loop(), box.hwnd(), text);
            return;
        }
        case 5: {
            const UINT keys[] = {VK_BACK, VK_DELETE, VK_LEFT, VK_HOME, VK_END, VK_TAB};
            const UINT key = pickOne(keys);
            log("key " + std::to_string(key));
            drive::pressKey(loop(), GetFocus() ? GetFocus() : mainForm.hwnd(), key,
                            random() % 4 ? 0 : MOD_SHIFT);
            return;
        }
        case 6:
        case 7: {
            // Any menu shortcut but leaving the program, from any of the working controls.
            const controls::MenuItemLayout* row = nullptr;
            while (!row || !row->shortcut.key)
                row = &ui::mainMenu()[below(ui::mainMenu().size())];
            controls::Control* focus[] = {&mainForm.FontFind, &mainForm.BigText, &mainForm.FontList,
                                          &mainForm.Sizelist};
            controls::Control& where = *pickOne(focus);
            log("shortcut " + narrow(row->name) + " in " + narrow(where.name()));
            where.setFocus();
            drive::pressKey(loop(), where.hwnd(), row->shortcut.key,
                            row->shortcut.modifiers & FCONTROL ? MOD_CONTROL : 0);
            return;
        }
        default: {
            controls::Control* pictures[] = {
                &mainForm.RefreshList,  &mainForm.FontFolder,      &mainForm.SaveReport,
                &mainForm.CopyFontName, &mainForm.FontCounterTool, &mainForm.CharacterMap,
                &mainForm.OpenButton,   &mainForm.ColorClick,      &mainForm.Cut,
                &mainForm.Copy,         &mainForm.Paste,           &mainForm.Delete,
                &mainForm.UndoButton,   &mainForm.ClearText,       &mainForm.Image4,
                &mainForm.Image8};
            return clickOn(*pickOne(pictures), "picture");
        }
        }
    }

    void clickOn(controls::Control& control, const char* what) {
        log(std::string("click ") + what + " " + narrow(control.name()));
        drive::click(control.hwnd(), 3, 3);
        loop().yield();
    }
    void clickList(controls::ListBox& list, int index) {
        log("click " + narrow(list.name()) + " entry " + std::to_string(index));
        clickEntry(list, index);
    }

    // ---- the invariants ----

    std::string broken() {
        auto& mainForm = this->mainForm();
        auto& sample = mainForm.BigText;
        if (mainForm.FontList.listIndex() >= 0 && sample.fontName() != mainForm.FontList.text())
            return "the sample shows " + narrow(sample.fontName()) + ", the list selects " +
                   narrow(mainForm.FontList.text());
        if (mainForm.Sizelist.listIndex() >= 0 &&
            sample.fontSize() != std::stof(mainForm.Sizelist.text()))
            return "the sample's size differs from the size list";
        const bool effects[] = {sample.fontBold(), sample.fontItalic(), sample.fontUnderline(),
                                sample.fontStrikethru()};
        const controls::CheckBox* boxes[] = {&mainForm.Bold, &mainForm.Italic, &mainForm.Underline,
                                             &mainForm.Strikeout};
        for (int i = 0; i < 4; ++i)
            if (effects[i] != (boxes[i]->value() == 1))
                return "the effect of " + narrow(boxes[i]->name()) + " differs from its box";
        const std::wstring target = mainForm.WhichOne.text();
        if (target != L"BigText" && target != L"FontFind")
            return "the edit target is " + narrow(target);
        DWORD_PTR answer = 0;
        if (!IsWindow(mainForm.hwnd()) ||
            !SendMessageTimeoutW(mainForm.hwnd(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer))
            return "the main window does not answer";
        if (world.system.ends)
            return "the program ended";
        const int gdi = gdiObjectCount();
        if (gdi < 0)
            return "the GDI object count cannot be read";
        if (gdi > gdiAtStart + 40)
            return "GDI objects grew from " + std::to_string(gdiAtStart) + " to " +
                   std::to_string(gdi);
        return {};
    }

    void log(const std::string& action) {
        actions.push_back(std::to_string(actions.size() + 1) + ": " + action);
    }
    static std::string narrow(std::wstring_view text) {
        std::string result;
        for (const wchar_t c : text)
            result.push_back(c < 128 ? static_cast<char>(c) : '?');
        return result;
    }

    std::mt19937_64 random;
    std::vector<std::string> actions;
    int gdiAtStart = 0;
    TempFolder folder;
};

TEST_F(RandomActions, TheWindowKeepsItsInvariantsWhateverTheUserDoes) {
    const auto seed = setting("GLYPHMERE_SEED", 20261207);
    const auto count = setting("GLYPHMERE_ACTIONS", GLYPHMERE_DEFAULT_ACTIONS);
    random.seed(seed);
    // The secondary windows are made on first use, with their own fonts and pictures;
    // count from when they exist.
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), 'B', MOD_CONTROL);
    drive::click(app.aboutForm.MinimizeToTray2.hwnd());
    drive::pressKey(loop(), mainForm().FontFind.hwnd(), 'I', MOD_CONTROL);
    drive::click(app.forGlyphmere.Image3.hwnd());
    loop().yield();
    ASSERT_TRUE(mainForm().enabled());
    gdiAtStart = gdiObjectCount();
    ASSERT_GE(gdiAtStart, 0) << "the GDI object count cannot be read";
    for (unsigned long long i = 0; i < count; ++i) {
        act();
        const std::string problem = broken();
        if (!problem.empty()) {
            std::ostringstream replay;
            replay << "after action " << actions.size() << ": " << problem
                   << "\nreplay with GLYPHMERE_SEED=" << seed << " GLYPHMERE_ACTIONS=" << i + 1
                   << "\nthe actions:\n";
            for (const auto& line : actions)
                replay << "  " << line << "\n";
            FAIL() << replay.str();
        }
    }
    std::printf("%llu random actions, seed %llu: every invariant held\n", count, seed);
}

} // namespace
