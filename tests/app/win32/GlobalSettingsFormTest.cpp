// The global settings form as a real window under Wine: its controls reach
// the configuration through the window's logic, found by their captions as a
// user finds them.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <string>

#include "app/win32/Application.h"
#include "app/win32/settings/GlobalSettingsForm.h"
#include "base/Language.h"
#include "support/win32/WindowTestSupport.h"
#include "ui/win32/DialogControls.h"

// After the program's headers, which bring the Windows types it needs.
#include <commctrl.h>

namespace velmora {
namespace {

class GlobalSettingsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display to open windows on";
        UseEnglish();
        app.Ui.SetConfiguration(&app.Config);
        app.Ui.RegisterForm(SettingsWindow::GlobalSettings, form);
    }
    void TearDown() override { app.Ui.ForgetForms(); }

    void Open() { app.Ui.OpenWindow(SettingsWindow::GlobalSettings); }
    HWND Find(const wchar_t* className, const wchar_t* caption) const {
        return FindWindowExW(form.Handle(), nullptr, className, caption);
    }
    void Click(const wchar_t* caption) const {
        const HWND button = Find(L"BUTTON", caption);
        ASSERT_NE(button, nullptr) << "no button";
        SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
    void AddKnown(const char* name) {
        app.Config.KnownControllers[app.Config.KnownCount++].Identity = {name, 0x12340001};
    }
    std::string ListText(int row, int column) const {
        wchar_t text[64]{};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(Find(WC_LISTVIEWW, nullptr), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return std::string(text, text + wcslen(text));
    }
    void SelectRow(int row) const {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        SendMessageW(Find(WC_LISTVIEWW, nullptr), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&state));
    }

    void ChooseTab(int tab) const {
        const HWND tabs = Find(WC_TABCONTROLW, nullptr);
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(form.Handle(), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
    }
    // A mouse message at a point of the palette picture (inside its one-pixel border from 1 to 128).
    void OnPalette(UINT message, int x, int y) const {
        constexpr POINT PaletteCorner{300, 66};  // where the Theme tab shows the palette
        SendMessageW(form.Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM(PaletteCorner.x + x, PaletteCorner.y + y));
    }
    // Runs the form's messages (its timers among them) for a while.
    static void PumpFor(DWORD milliseconds) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < milliseconds) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            Sleep(5);
        }
    }

    Application app;
    TGlobalSettingsForm form{app};
};

TEST_F(GlobalSettingsFormTest, TheBoxesShowTheRecordAndAClickOnProcessNonSelectedStopsTheOthers) {
    app.Config.ProcessNonSelectedControllers = true;
    app.Config.StartMinimized = true;
    app.Config.RememberWindowPositions = false;
    app.Main.List.Controllers.resize(2);
    app.Main.List.Selected = 0;
    for (ControllerDataType& c : app.Main.List.Controllers) c.Processing = true;
    Open();
    EXPECT_EQ(SendMessageW(Find(L"BUTTON", L"Minimized (if started by user)"), BM_GETCHECK, 0, 0),
              BST_CHECKED);
    EXPECT_EQ(SendMessageW(Find(L"BUTTON", L"Remember window positions"), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    const HWND box = Find(L"BUTTON", L"Process non-selected controllers");
    SendMessageW(box, BM_SETCHECK, BST_UNCHECKED, 0);
    Click(L"Process non-selected controllers");
    EXPECT_FALSE(app.Config.ProcessNonSelectedControllers);
    EXPECT_TRUE(app.Config.StartMinimized);  // every box went back, unchanged ones included
    EXPECT_TRUE(app.Config.ConfigurationChanged);
    EXPECT_TRUE(app.Main.List.Controllers[0].Processing);
    EXPECT_FALSE(app.Main.List.Controllers[1].Processing);
}

TEST_F(GlobalSettingsFormTest, MovingADeadZoneBarStoresBothAndRelabels) {
    app.Config.DefaultTriggerDeadZone = 200;
    Open();
    const HWND stick = FindWindowExW(form.Handle(), nullptr, TRACKBAR_CLASSW, nullptr);
    ASSERT_NE(stick, nullptr);
    EXPECT_EQ(SendMessageW(FindWindowExW(form.Handle(), stick, TRACKBAR_CLASSW, nullptr), TBM_GETPOS, 0, 0),
              200);
    for (const auto& [position, label] : {std::pair{2, L"(1%)"}, std::pair{255, L"(99%)"}}) {
        SendMessageW(stick, TBM_SETPOS, TRUE, position);
        SendMessageW(form.Handle(), WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(stick));
        EXPECT_EQ(app.Config.DefaultStickDeadZone, position);
        EXPECT_EQ(app.Config.DefaultTriggerDeadZone, 200);
        EXPECT_NE(Find(L"STATIC", label), nullptr) << "no label for " << position;
    }
}

// The style buttons' Tags 10..12 meet the colour buttons' 11..13: neither may act as the other.
TEST_F(GlobalSettingsFormTest, AStyleButtonSetsItsOwnStyleAndOnlyItIsBold) {
    app.Config.ThemeButtons = VistaButtons;
    Open();
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Find(L"BUTTON", L"Vista"), WM_GETFONT, 0, 0)),
              DialogFont(11, true));
    const ColourType interface2 = app.Config.Interface[1];
    Click(L"Solid");
    EXPECT_EQ(app.Config.ThemeButtons, SolidButtons);
    EXPECT_EQ(app.Config.Interface[1], interface2);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Find(L"BUTTON", L"Solid"), WM_GETFONT, 0, 0)),
              DialogFont(11, true));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Find(L"BUTTON", L"Vista"), WM_GETFONT, 0, 0)),
              DialogFont(11, false));
    Click(L"Vista");
    EXPECT_EQ(app.Config.ThemeButtons, VistaButtons);
    Click(L"1");  // Interface 1's colour button shows the palette and leaves the style
    EXPECT_EQ(app.Config.ThemeButtons, VistaButtons);
    EXPECT_NE(Find(L"STATIC", L"Interface 1"), nullptr);
}

// A row left highlighted after a tab change could not be selected again: its
// buttons stayed disabled.
TEST_F(GlobalSettingsFormTest, ARowSelectedAgainAfterATabChangeEnablesItsButtons) {
    AddKnown("Pad One");
    AddKnown("Pad Two");
    Open();
    const int controllers = static_cast<int>(GlobalSettingsTab::Controllers);
    ChooseTab(controllers);
    const HWND remove = Find(L"BUTTON", L"Delete");
    ASSERT_NE(remove, nullptr);
    SelectRow(1);
    EXPECT_TRUE(IsWindowEnabled(remove));
    ChooseTab(0);
    ChooseTab(controllers);
    EXPECT_FALSE(IsWindowEnabled(remove));
    SelectRow(1);
    EXPECT_TRUE(IsWindowEnabled(remove));
    EXPECT_TRUE(IsWindowEnabled(Find(L"BUTTON", L"Move Up")));
}

TEST_F(GlobalSettingsFormTest, ThePalettePicksWhilePressedAndBlinksForAnotherTarget) {
    Open();
    ChooseTab(2);
    Click(L"1");
    EXPECT_NE(Find(L"STATIC", L"Interface 1"), nullptr);
    OnPalette(WM_LBUTTONDOWN, 10, 10);
    EXPECT_EQ(app.Config.Interface[0], PaletteColour(10, 10));
    OnPalette(WM_MOUSEMOVE, 60, 100);
    EXPECT_EQ(app.Config.Interface[0], PaletteColour(60, 100));
    OnPalette(WM_LBUTTONUP, 60, 100);
    OnPalette(WM_MOUSEMOVE, 100, 20);  // the drag has ended
    EXPECT_EQ(app.Config.Interface[0], PaletteColour(60, 100));

    // Another target while the palette shows: it hides for the blink, then takes picks again.
    Click(L"2");
    OnPalette(WM_LBUTTONDOWN, 100, 20);
    OnPalette(WM_LBUTTONUP, 100, 20);
    EXPECT_NE(app.Config.Interface[1], PaletteColour(100, 20));
    PumpFor(600);
    EXPECT_NE(Find(L"STATIC", L"Interface 2"), nullptr);
    OnPalette(WM_LBUTTONDOWN, 100, 20);
    EXPECT_EQ(app.Config.Interface[1], PaletteColour(100, 20));
    EXPECT_EQ(app.Config.Interface[0], PaletteColour(60, 100));
}

// A controller plugged in refreshes the window; that hid the palette mid-pick.
TEST_F(GlobalSettingsFormTest, ARefreshWhileThePaletteShowsKeepsItPicking) {
    Open();
    ChooseTab(2);
    Click(L"1");
    app.Ui.RefreshWindow(SettingsWindow::GlobalSettings);
    EXPECT_NE(Find(L"STATIC", L"Interface 1"), nullptr);
    OnPalette(WM_LBUTTONDOWN, 10, 10);
    OnPalette(WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(app.Config.Interface[0], PaletteColour(10, 10));
}

TEST_F(GlobalSettingsFormTest, MoveUpFollowsTheSelectionAndTheButtonsFollowIt) {
    AddKnown("First pad");
    AddKnown("Second pad");
    AddKnown("Third pad");
    Open();
    EXPECT_EQ(ListText(2, 1), "Third pad");
    EXPECT_FALSE(IsWindowEnabled(Find(L"BUTTON", L"Delete")));
    SelectRow(2);
    EXPECT_TRUE(IsWindowEnabled(Find(L"BUTTON", L"Move Up")));
    EXPECT_FALSE(IsWindowEnabled(Find(L"BUTTON", L"Move Down")));
    Click(L"Move Up");
    EXPECT_EQ(app.Config.KnownControllers[1].Identity.DeviceName, "Third pad");
    EXPECT_EQ(ListText(1, 1), "Third pad");
    EXPECT_EQ(ListText(1, 0), "2");
    EXPECT_TRUE(IsWindowEnabled(Find(L"BUTTON", L"Move Down")));  // the selection followed to row 2
    Click(L"Move Up");
    EXPECT_EQ(app.Config.KnownControllers[0].Identity.DeviceName, "Third pad");
    EXPECT_FALSE(IsWindowEnabled(Find(L"BUTTON", L"Move Up")));
}

}  // namespace
}  // namespace velmora

#endif
