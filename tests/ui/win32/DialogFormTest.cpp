// The message dialog as a real window, run under Wine: a timer acts on the
// open dialog the way a user would and the test checks the answer.
#ifdef _WIN32

#include <gtest/gtest.h>
#include <richedit.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win32/Win32UserInterface.h"
#include "base/Language.h"
#include "support/win32/WindowTestSupport.h"

namespace velmora {
namespace {

using testing::TextOf;

int ShowAndAct(const MessageDialog& dialog, std::function<void(HWND)> action) {
    testing::ActWhenShown(L"VelmoraMessageDialog", std::move(action));
    Win32UserInterface ui;
    return ui.ShowMessageDialog(dialog);
}

HWND DialogButton(HWND dialog, int index) {
    return GetDlgItem(dialog, 1001 + index);
}

std::vector<HWND> RichEdits(HWND dialog) {
    std::vector<HWND> boxes;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64]{};
        GetClassNameW(child, name, 64);
        if (lstrcmpiW(name, MSFTEDIT_CLASS) == 0) boxes.push_back(child);
    }
    return boxes;
}

bool BoldAt(HWND box, int position) {
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(position), position + 1);
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    SendMessageW(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return (format.dwEffects & CFE_BOLD) != 0;
}

MessageDialog SaveQuestion() {
    MessageDialog dialog;
    dialog.Kind = DialogKind::Confirmation;
    dialog.Heading = "Save profile changes?";
    dialog.Captions = "$Name$#$Location$";
    dialog.Values = "game#C:\\Games";
    dialog.Message = "A $bold$ word##B";
    dialog.Buttons = SaveButtons;
    return dialog;
}

class DialogForm : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display to open windows on";
        UseEnglish();
    }
};

TEST_F(DialogForm, EachButtonAnswersItsNumber) {
    for (int index = 0; index < 3; ++index) {
        const int answer = ShowAndAct(SaveQuestion(), [index](HWND dialog) {
            PostMessageW(DialogButton(dialog, index), BM_CLICK, 0, 0);
        });
        EXPECT_EQ(answer, index + 1);
    }
}

TEST_F(DialogForm, CloseBoxAnswersCancelAndZeroForTheOkSet) {
    EXPECT_EQ(ShowAndAct(SaveQuestion(), [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); }), 3);
    MessageDialog notice;
    notice.Message = "Done";
    EXPECT_EQ(ShowAndAct(notice, [](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); }), 0);
    EXPECT_EQ(ShowAndAct(notice, [](HWND d) { PostMessageW(DialogButton(d, 2), BM_CLICK, 0, 0); }), 0);
}

// A settings window beside the main window took clicks while a question was
// up, and changed the lists the code waiting for the answer held a place in.
TEST_F(DialogForm, TheProgramsOtherWindowsTakeNoInputWhileItIsUp) {
    HWND beside = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND hidden =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    bool besideEnabled = true, hiddenEnabled = false;
    ShowAndAct(SaveQuestion(), [&](HWND dialog) {
        besideEnabled = IsWindowEnabled(beside);
        hiddenEnabled = IsWindowEnabled(hidden);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(besideEnabled);
    EXPECT_TRUE(hiddenEnabled);  // not shown, not touched
    EXPECT_TRUE(IsWindowEnabled(beside));
    DestroyWindow(beside);
    DestroyWindow(hidden);
}

TEST_F(DialogForm, EscapeAnswersAsTheCloseBoxAndEnterClicksTheFocusedButton) {
    const auto press = [](WPARAM key) {
        return [key](HWND) { PostMessageW(GetFocus(), WM_KEYDOWN, key, 0); };
    };
    EXPECT_EQ(ShowAndAct(SaveQuestion(), press(VK_ESCAPE)), 3);
    EXPECT_EQ(ShowAndAct(SaveQuestion(), press(VK_RETURN)), 3);  // the focus starts on the third button
    EXPECT_EQ(ShowAndAct(SaveQuestion(),
                         [](HWND dialog) {
                             SetFocus(DialogButton(dialog, 0));
                             PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
                         }),
              1);
}

TEST_F(DialogForm, ShowsCaptionButtonsAndFocusOnTheThirdButton) {
    std::wstring caption, first, third;
    bool firstVisible = false, focusOnThird = false;
    RECT client{};
    ShowAndAct(SaveQuestion(), [&](HWND dialog) {
        caption = TextOf(dialog);
        first = TextOf(DialogButton(dialog, 0));
        third = TextOf(DialogButton(dialog, 2));
        firstVisible = IsWindowVisible(DialogButton(dialog, 0));
        // Another program's window may hold the display's focus: the dialog is made active
        // (as a click on it would) before its focus is read.
        SetActiveWindow(dialog);
        focusOnThird = GetFocus() == DialogButton(dialog, 2);
        GetClientRect(dialog, &client);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(caption, L"Confirmation");
    EXPECT_EQ(first, L"Save");
    EXPECT_EQ(third, L"Cancel");
    EXPECT_TRUE(firstVisible);
    EXPECT_TRUE(focusOnThird);
    EXPECT_EQ(client.right, 482);
    EXPECT_EQ(client.bottom, 185);
}

TEST_F(DialogForm, TheFocusedButtonIsGivenBackWhenTheDialogIsActivatedAgain) {
    bool focusKept = false;
    ShowAndAct(SaveQuestion(), [&](HWND dialog) {
        SetActiveWindow(dialog);
        SetFocus(DialogButton(dialog, 0));
        HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
        SetActiveWindow(other);
        SetActiveWindow(dialog);
        focusKept = GetFocus() == DialogButton(dialog, 0);
        DestroyWindow(other);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(focusKept);
}

TEST_F(DialogForm, OkSetHidesTheFirstTwoButtons) {
    bool firstVisible = true, thirdVisible = false;
    MessageDialog notice;
    ShowAndAct(notice, [&](HWND dialog) {
        firstVisible = IsWindowVisible(DialogButton(dialog, 0));
        thirdVisible = IsWindowVisible(DialogButton(dialog, 2));
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(firstVisible);
    EXPECT_TRUE(thirdVisible);
}

TEST_F(DialogForm, RichTextHoldsTheLinesWithBoldRunsAndTheMessageSitsBelowTheDetails) {
    std::vector<std::wstring> texts;
    std::vector<int> tops;
    bool nameBold = false, plainBefore = true, wordBold = false;
    ShowAndAct(SaveQuestion(), [&](HWND dialog) {
        for (HWND box : RichEdits(dialog)) {
            texts.push_back(TextOf(box));
            RECT place{};
            GetWindowRect(box, &place);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
            tops.push_back(place.top);
        }
        const std::vector<HWND> boxes = RichEdits(dialog);
        if (boxes.size() == 3) {
            nameBold = BoldAt(boxes[0], 0);
            plainBefore = BoldAt(boxes[2], 0);
            wordBold = BoldAt(boxes[2], 2);
        }
        testing::PauseForScreenshot();
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], L"Name\r\nLocation");
    EXPECT_EQ(texts[1], L"game\r\nC:\\Games");
    EXPECT_EQ(texts[2], L"A bold word\r\n\r\nB");
    EXPECT_EQ(tops[2], 87);
    EXPECT_TRUE(nameBold);
    EXPECT_FALSE(plainBefore);
    EXPECT_TRUE(wordBold);
}

}  // namespace
}  // namespace velmora

#endif
