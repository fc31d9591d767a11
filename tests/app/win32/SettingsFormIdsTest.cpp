// The control ids of every settings form, read from the real windows under
// Wine. The dialog manager turns Enter into IDOK and Escape into IDCANCEL and
// knows the ids up to IDCONTINUE: a box that carried one of them was clicked
// by a key (the Turbo box, id 2, closed its window; the Toggle box, id 1, was
// switched by Enter in the name box). No settings form has a control meant as
// one of those buttons (the properties window's OK has an id of its own).
#ifdef _WIN32

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win32/Application.h"
#include "base/Language.h"
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

// The form's first check box (null when none).
HWND FirstCheckBox(HWND form) {
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16]{};
        GetClassNameW(child, kind, 16);
        const LONG style = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiW(kind, L"BUTTON") == 0 && (style == BS_AUTOCHECKBOX || style == BS_CHECKBOX))
            return child;
    }
    return nullptr;
}

bool Checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

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

// Every settings window fits a 1024 x 768 desktop whole.
TEST_F(SettingsFormIds, EveryWindowFitsTheDesktopItIsMadeFor) {
    for (int w = 0; w < SettingsWindowCount; ++w) {
        const auto window = static_cast<SettingsWindow>(w);
        TSettingsForm* form = app.Ui.Form(window);
        if (!form) continue;
        ASSERT_TRUE(form->Create(nullptr));
        const WindowSize size = FrameOnWindows(form->Handle());
        EXPECT_LE(size.Width, 1024) << "window " << w;
        EXPECT_LE(size.Height, 768) << "window " << w;
    }
}

// Enter on a check box clicks it (it did nothing, and on a box with id 1 ran
// that box's handler); Escape closes the window.
TEST_F(SettingsFormIds, EnterClicksTheFocusedBoxAndEscapeCloses) {
    for (const SettingsWindow window : {SettingsWindow::GlobalSettings, SettingsWindow::Stick}) {
        TSettingsForm& form = *app.Ui.Form(window);
        ASSERT_TRUE(form.Create(nullptr));
        form.Show();
        SetForegroundWindow(form.Handle());
        const HWND box = FirstCheckBox(form.Handle());  // the stick window has none
        EXPECT_TRUE(box || window == SettingsWindow::Stick);
        if (box) {
            SetFocus(box);
            const bool before = Checked(box);
            PressKey(box, VK_RETURN);
            EXPECT_EQ(Checked(box), !before) << "window " << static_cast<int>(window);
        }
        PressKey(GetFocus() ? GetFocus() : form.Handle(), VK_ESCAPE);
        EXPECT_FALSE(form.IsOpen()) << "window " << static_cast<int>(window);
    }
}

}  // namespace
}  // namespace velmora

#endif
