// The control ids of every settings form, read from the real windows under
// Wine. The dialog manager turns Enter into IDOK and Escape into IDCANCEL and
// knows the ids up to IDCONTINUE: a box that carried one of them was clicked
// by a key (the Turbo box, id 2, closed its window; the Toggle box, id 1, was
// switched by Enter in the name box). No settings form has a control meant as
// one of those buttons (the properties window's OK has an id of its own).
#ifdef _WIN32

#include <gtest/gtest.h>

#include "base/win32/Windows.h"
// The slider's messages come with the common controls, after the Windows header.
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "app/settings/SettingsControls.h"
#include "app/settings/SettingsWindows.h"
#include "app/win32/Application.h"
#include "app/win32/settings/ControllerSettingsIds.h"
#include "app/win32/settings/GroupFormControls.h"
#include "base/Language.h"
#include "model/AutoAssign.h"
#include "model/SlotCodes.h"
#include "support/win32/FormKeys.h"
#include "support/win32/WindowTestSupport.h"

namespace velmora {
namespace {

struct ChildControl {
    int Id;
    std::wstring Caption;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM into) {
    wchar_t caption[64]{};
    GetWindowTextW(child, caption, 64);
    reinterpret_cast<std::vector<ChildControl>*>(into)->push_back({GetDlgCtrlID(child), caption});
    return TRUE;
}

std::vector<ChildControl> ChildrenOf(HWND window) {
    std::vector<ChildControl> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

using testing::PressKey;

// The form's first visible child of a class (a check box when boxOnly; null when none).
HWND FirstShown(HWND form, const wchar_t* kind, bool boxOnly = false) {
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32]{};
        GetClassNameW(child, name, 32);
        const LONG style = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
        const bool box = style == BS_AUTOCHECKBOX || style == BS_CHECKBOX;
        if (lstrcmpiW(name, kind) == 0 && IsWindowVisible(child) && (!boxOnly || box)) return child;
    }
    return nullptr;
}

HWND FirstCheckBox(HWND form) {
    return FirstShown(form, L"BUTTON", true);
}

bool Checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

using testing::TextOf;

class SettingsFormIds : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display to open windows on";
        UseEnglish();
        app.Ui.SetConfiguration(&app.Config);
        app.Forms = MakeSettingsForms(app);
    }
    void TearDown() override { app.Forms.reset(); }
    Application app;
};

TEST_F(SettingsFormIds, NoControlOfAnyFormCarriesADialogManagerIdItIsNotMeantAs) {
    int forms = 0;
    for (int w = 0; w < SettingsWindowCount; ++w) {
        const auto window = static_cast<SettingsWindow>(w);
        TSettingsForm* form = app.Ui.Form(window);
        if (!form) continue;
        ASSERT_TRUE(form->Create(nullptr)) << "window " << w;
        ++forms;
        const std::vector<ChildControl> children = ChildrenOf(form->Handle());
        EXPECT_GT(children.size(), 2u) << "window " << w;
        for (const ChildControl& control : children) {
            if (control.Id < IDOK || control.Id > IDCONTINUE) continue;
            ADD_FAILURE() << "window " << w << ": control \""
                          << std::string(control.Caption.begin(), control.Caption.end())
                          << "\" has the dialog-manager id " << control.Id;
        }
    }
    EXPECT_EQ(forms, 9);
}

// The window's size with the frame its styles give on Windows (under Xvfb
// without a window manager Wine may draw no title bar).
WindowSize FrameOnWindows(HWND window) {
    RECT frame{};
    GetClientRect(window, &frame);
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// The client height a window takes on a desktop of that height: the
// controller settings window's depends on it, the others' do not (the
// assignment window's depends on the width only below 800).
int ClientHeightOn(SettingsWindow window, HWND form, int desktopHeight) {
    if (window == SettingsWindow::ControllerSettings) return controller_ids::FormHeightFor(desktopHeight);
    RECT client{};
    GetClientRect(form, &client);
    return client.bottom;
}

// Every settings window fits an 800 x 600 desktop whole, and a 1024 x 768 one
// (the controller settings window, 590 pixels of client and a frame, did not
// fit the smaller: its layout picture fell off the bottom).
TEST_F(SettingsFormIds, EveryWindowFitsTheDesktopsItIsMadeFor) {
    const WindowSize desktops[] = {{800, 600}, {1024, 768}};
    for (int w = 0; w < SettingsWindowCount; ++w) {
        const auto window = static_cast<SettingsWindow>(w);
        TSettingsForm* form = app.Ui.Form(window);
        if (!form) continue;
        ASSERT_TRUE(form->Create(nullptr));
        RECT client{};
        GetClientRect(form->Handle(), &client);
        const WindowSize size = FrameOnWindows(form->Handle());
        for (const WindowSize desktop : desktops) {
            const int height =
                size.Height - client.bottom + ClientHeightOn(window, form->Handle(), desktop.Height);
            EXPECT_LE(size.Width, desktop.Width) << "window " << w << " at " << desktop.Width;
            EXPECT_LE(height, desktop.Height) << "window " << w << " at " << desktop.Width;
        }
    }
}

// The first control Tab stops at that is no button (a slider, a list, a text box).
HWND FirstStopBesidesButtons(HWND form) {
    const HWND first = GetNextDlgTabItem(form, nullptr, FALSE);
    HWND stop = first;
    do {
        if ((SendMessageW(stop, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0) return stop;
        stop = GetNextDlgTabItem(form, stop, FALSE);
    } while (stop && stop != first);
    return nullptr;
}

// Where the keys are the window's: Tab moves the focus to the next control;
// Enter on a check box clicks it (it did nothing, and on a box with id 1 ran
// that box's handler) and on a control that is no button does nothing (it
// must not close the window as a dialog's OK); Escape closes.
void ExpectKeysActOnTheWindow(TSettingsForm& form, int w) {
    const HWND first = GetNextDlgTabItem(form.Handle(), nullptr, FALSE);
    ASSERT_TRUE(first) << "window " << w;
    SetFocus(first);
    PressKey(first, VK_TAB);
    EXPECT_NE(GetFocus(), first) << "window " << w;
    EXPECT_EQ(GetFocus(), GetNextDlgTabItem(form.Handle(), first, FALSE)) << "window " << w;
    if (const HWND box = FirstCheckBox(form.Handle())) {
        SetFocus(box);
        const bool before = Checked(box);
        PressKey(box, VK_RETURN);
        EXPECT_EQ(Checked(box), !before) << "window " << w;
    }
    if (const HWND plain = FirstStopBesidesButtons(form.Handle())) {
        SetFocus(plain);
        PressKey(plain, VK_RETURN);
        EXPECT_TRUE(form.IsOpen()) << "window " << w;
        EXPECT_EQ(GetFocus(), plain) << "window " << w;
    }
    PressKey(GetFocus() ? GetFocus() : form.Handle(), VK_ESCAPE);
    EXPECT_FALSE(form.IsOpen()) << "window " << w;
}

// Where every key is one to assign: Escape closed the window before the key
// could be assigned, Enter and Space switched a focused box, Tab moved the
// focus and the arrows a focused slider. A text box still types them.
void ExpectKeysLeftToTheCapture(TSettingsForm& form, int w) {
    const HWND box = FirstCheckBox(form.Handle());
    ASSERT_TRUE(box) << "window " << w;
    SetFocus(box);
    const bool before = Checked(box);
    for (const WPARAM key : {VK_ESCAPE, VK_RETURN, VK_SPACE, VK_TAB, VK_RIGHT}) PressKey(box, key);
    EXPECT_TRUE(form.IsOpen()) << "window " << w;
    EXPECT_EQ(Checked(box), before) << "window " << w;
    EXPECT_EQ(GetFocus(), box) << "window " << w;
    if (const HWND slider = FirstShown(form.Handle(), TRACKBAR_CLASSW)) {
        const LRESULT position = SendMessageW(slider, TBM_GETPOS, 0, 0);
        SetFocus(slider);
        for (const WPARAM key : {VK_RIGHT, VK_LEFT, VK_NEXT, VK_END}) PressKey(slider, key);
        EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), position) << "window " << w;
    }
    const HWND text = FirstShown(form.Handle(), L"EDIT");
    ASSERT_TRUE(text) << "window " << w;
    EnableWindow(text, TRUE);  // the advanced window's test box waits for its Enable box
    SetFocus(text);
    SetWindowTextW(text, L"");
    PressKey(text, 'Q');
    PressKey(text, VK_ESCAPE);
    EXPECT_EQ(TextOf(text), L"q") << "window " << w;
    EXPECT_TRUE(form.IsOpen()) << "window " << w;
    form.Close();
}

// The key test of one window, shown without its subject's window logic.
void ExpectKeysOfItsKind(SettingsWindow window, TSettingsForm& form) {
    const int w = static_cast<int>(window);
    ASSERT_TRUE(form.Create(nullptr));
    form.Show();
    SetForegroundWindow(form.Handle());
    if (SettingsWindowInfo(window).KeysAssigned)
        ExpectKeysLeftToTheCapture(form, w);
    else
        ExpectKeysActOnTheWindow(form, w);
}

// Every settings window: the two assignment windows and the seven others.
TEST_F(SettingsFormIds, EscapeEnterAndTabDoWhatTheirWindowKindSays) {
    // The controller settings window edits the selected pad's layout: each of its commands reads it.
    app.Main.List.Controllers.resize(1);
    app.Main.List.Layouts.resize(1);
    app.Main.List.Selected = 0;
    int assigning = 0, windows = 0;
    for (int w = 0; w < SettingsWindowCount; ++w) {
        const auto window = static_cast<SettingsWindow>(w);
        TSettingsForm* form = app.Ui.Form(window);
        if (!form) continue;
        ++windows;
        assigning += SettingsWindowInfo(window).KeysAssigned ? 1 : 0;
        ExpectKeysOfItsKind(window, *form);
    }
    EXPECT_EQ(assigning, 2);
    EXPECT_EQ(windows, 9);
}

// The fault: without a selected pad (none plugged, or the list emptied by a
// rescan while the window was up) the controller settings window crashed at
// the first key that clicked one of its boxes: its click, name and selector
// handlers each read the missing pad's layout.
TEST_F(SettingsFormIds, TheControllerSettingsWindowTakesKeysAndCommandsWithoutASelectedPad) {
    ExpectKeysOfItsKind(SettingsWindow::ControllerSettings, *app.Ui.Form(SettingsWindow::ControllerSettings));
    app.Main.List.Controllers.resize(1);
    app.Main.List.Layouts.resize(1);
    app.Main.List.Selected = 0;
    app.Ui.OpenWindow(SettingsWindow::ControllerSettings);
    ASSERT_TRUE(app.Ui.IsWindowOpen(SettingsWindow::ControllerSettings));
    app.Main.List.Controllers.clear();
    // A name typed, an axis chosen, a detection pass and the picture painted with the list emptied.
    TSettingsForm& form = *app.Ui.Form(SettingsWindow::ControllerSettings);
    const std::pair<int, WORD> commands[] = {{controller_ids::StickNameId, EN_CHANGE},
                                             {controller_ids::StickSelectorId, CBN_SELCHANGE},
                                             {controller_ids::DPadDetectId, BN_CLICKED}};
    for (const auto& [id, code] : commands)
        SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(GetDlgItem(form.Handle(), id)));
    form.DetectionTick();
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(form.IsOpen());
    ExpectKeysOfItsKind(SettingsWindow::ControllerSettings, *app.Ui.Form(SettingsWindow::ControllerSettings));
}

void PressEnterOn(HWND control) {
    SetFocus(control);
    PressKey(control, VK_RETURN);
}

// Where every control is a push button, Enter does what the focused button's
// click does, as in a dialog (not the default button's: the properties
// window's OK has that look); with the window itself focused it does nothing.
TEST_F(SettingsFormIds, EnterClicksTheFocusedPushButtonOfTheDPadAndPropertiesWindows) {
    app.Main.List.Controllers.resize(1);
    app.Main.List.Layouts.resize(1);
    app.Main.List.Selected = 0;
    const SetType& set = app.Main.List.Controllers[0].Profile.Sets[0];
    app.Ui.OpenWindow(SettingsWindow::DPad);
    const HWND dpad = app.Ui.Form(SettingsWindow::DPad)->Handle();
    PressEnterOn(dpad);
    EXPECT_TRUE(app.Ui.IsWindowOpen(SettingsWindow::DPad));
    EXPECT_EQ(set.DPadMode, Standard);
    EXPECT_TRUE(set.Assignments[DPadUp].Slots.Codes.empty());
    PressEnterOn(FindWindowExW(dpad, nullptr, L"BUTTON", L"8-Way"));
    EXPECT_EQ(set.DPadMode, EightWay);
    PressEnterOn(FindWindowExW(dpad, nullptr, L"BUTTON", L"Arrows"));
    ASSERT_EQ(set.Assignments[DPadUp].Slots.Codes.size(), 1u);
    EXPECT_EQ(SlotCodeTable[set.Assignments[DPadUp].Slots.Codes[0]].Name, "Arrow Up");
    PressEnterOn(GetDlgItem(dpad, MouseSettingsButtonId));
    EXPECT_TRUE(app.Ui.IsWindowOpen(SettingsWindow::Mouse));
    EXPECT_EQ(app.Ui.WindowSubject(SettingsWindow::Mouse), MouseTargetOfGroup(DPadGroup));
    app.Ui.CloseWindow(SettingsWindow::Mouse);

    app.Ui.OpenWindow(SettingsWindow::ControllerProperties);
    const HWND properties = app.Ui.Form(SettingsWindow::ControllerProperties)->Handle();
    PressEnterOn(properties);
    EXPECT_TRUE(app.Ui.IsWindowOpen(SettingsWindow::ControllerProperties));
    // No device behind the pad: Control Panel shows nothing, and the window stays.
    PressEnterOn(FindWindowExW(properties, nullptr, L"BUTTON", L"Control Panel"));
    EXPECT_TRUE(app.Ui.IsWindowOpen(SettingsWindow::ControllerProperties));
    PressEnterOn(FindWindowExW(properties, nullptr, L"BUTTON", L"OK"));
    EXPECT_FALSE(app.Ui.IsWindowOpen(SettingsWindow::ControllerProperties));
}

}  // namespace
}  // namespace velmora

#endif
