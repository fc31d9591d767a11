// The settings windows' groundwork as real windows under Wine: forms opened
// through the user-interface seam, closing each other, placed and remembered,
// and driven by the keyboard through the message pump's hand-over.
#ifdef _WIN32

#include <gtest/gtest.h>

#include "app/win32/Win32UserInterface.h"
#include "base/Language.h"
#include "model/Configuration.h"
#include "support/win32/FormKeys.h"
#include "support/win32/WindowTestSupport.h"
#include "ui/win32/DialogControls.h"

namespace velmora {
namespace {

constexpr int FirstButtonId = 1001;

// A settings form with two buttons that records what the seam asked of it.
class TProbeForm : public TSettingsForm {
public:
    explicit TProbeForm(const wchar_t* className) : TSettingsForm(className, 300, 120) {}

    void OpenFor(int subject) override {
        subject_ = subject;
        Show();
    }
    int Subject() const override { return subject_; }
    void UpdateLiveDisplay() override { ++liveUpdates; }
    int liveUpdates = 0;
    int clicks = 0;

protected:
    void FormIsCreated() override {
        CreateChild(Handle(), L"BUTTON", "One", WS_TABSTOP | BS_PUSHBUTTON, {8, 8, 80, 25}, FirstButtonId);
        CreateChild(Handle(), L"BUTTON", "Two", WS_TABSTOP | BS_PUSHBUTTON, {100, 8, 80, 25},
                    FirstButtonId + 1);
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == FirstButtonId + 1) ++clicks;
        return TSettingsForm::HandleMessage(message, wParam, lParam);
    }

private:
    int subject_ = -1;
};

using testing::PressKey;

RECT FrameOf(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return frame;
}

class SettingsForms : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display to open windows on";
        UseEnglish();
        ui.SetConfiguration(&config);
        ui.RegisterForm(SettingsWindow::Stick, stick);
        ui.RegisterForm(SettingsWindow::Assignment, assignment);
        ui.RegisterForm(SettingsWindow::AdvancedAssignment, advanced);
    }
    ConfigurationType config;
    Win32UserInterface ui;
    TProbeForm stick{L"VelmoraTestStickForm"};
    TProbeForm assignment{L"VelmoraTestAssignmentForm"};
    TProbeForm advanced{L"VelmoraTestAdvancedForm"};
};

TEST_F(SettingsForms, OpeningOneClosesTheOthersButTheOneItOpensBeside) {
    ui.OpenWindowFor(SettingsWindow::Stick, 1);
    EXPECT_TRUE(ui.IsWindowOpen(SettingsWindow::Stick));
    EXPECT_TRUE(IsWindowVisible(stick.Handle()));
    EXPECT_EQ(ui.WindowSubject(SettingsWindow::Stick), 1);

    ui.OpenWindowFor(SettingsWindow::Assignment, 7);
    EXPECT_FALSE(ui.IsWindowOpen(SettingsWindow::Stick));
    EXPECT_FALSE(IsWindowVisible(stick.Handle()));
    ui.OpenWindow(SettingsWindow::AdvancedAssignment);
    EXPECT_TRUE(ui.IsWindowOpen(SettingsWindow::Assignment));
    EXPECT_TRUE(ui.IsWindowOpen(SettingsWindow::AdvancedAssignment));
    EXPECT_EQ(ui.WindowSubject(SettingsWindow::Assignment), 7);

    // The live display goes to open windows only; a window without a form is never open.
    ui.UpdateLiveDisplay(SettingsWindow::Stick);
    ui.UpdateLiveDisplay(SettingsWindow::Assignment);
    EXPECT_EQ(stick.liveUpdates, 0);
    EXPECT_EQ(assignment.liveUpdates, 1);
    ui.OpenWindow(SettingsWindow::GlobalSettings);
    EXPECT_FALSE(ui.IsWindowOpen(SettingsWindow::GlobalSettings));
    EXPECT_EQ(ui.WindowSubject(SettingsWindow::Stick), -1);

    ui.CloseAllWindows();
    EXPECT_FALSE(ui.IsWindowOpen(SettingsWindow::Assignment));
    EXPECT_FALSE(IsWindowVisible(advanced.Handle()));
}

TEST_F(SettingsForms, ARememberedPlaceIsUsedKeptOnTheDesktopAndStoredOnClosing) {
    config.RememberWindowPositions = true;
    config.WindowPositions[StickSettingsWindowPosition] = {40000, 30};  // far past the right edge
    ui.OpenWindowFor(SettingsWindow::Stick, 1);
    const DesktopArea desktop = WorkArea();
    RECT frame = FrameOf(stick.Handle());
    EXPECT_EQ(frame.right, desktop.Left + desktop.Width);
    EXPECT_EQ(frame.top, 30);

    SetWindowPos(stick.Handle(), nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    config.ConfigurationChanged = false;
    ui.CloseWindow(SettingsWindow::Stick);
    EXPECT_EQ(config.WindowPositions[StickSettingsWindowPosition], (WindowPositionType{123, 45}));
    EXPECT_TRUE(config.ConfigurationChanged);

    ui.OpenWindowFor(SettingsWindow::Stick, 1);
    frame = FrameOf(stick.Handle());
    EXPECT_EQ(frame.left, 123);
    EXPECT_EQ(frame.top, 45);
}

TEST_F(SettingsForms, WithoutRememberingAFormIsCentredAndItsPlaceIsNotStored) {
    ui.OpenWindowFor(SettingsWindow::Stick, 1);
    const DesktopArea desktop = WorkArea();
    const RECT frame = FrameOf(stick.Handle());
    EXPECT_EQ(frame.left, CentredOn(stick.Size(), desktop).Left);
    ui.CloseWindow(SettingsWindow::Stick);
    EXPECT_EQ(config.WindowPositions[StickSettingsWindowPosition].Left, NoWindowPosition);
    EXPECT_FALSE(config.ConfigurationChanged);
}

TEST_F(SettingsForms, TabMovesBetweenControlsAndEnterAndEscapeActAsInADialog) {
    ui.OpenWindowFor(SettingsWindow::Stick, 1);
    const HWND one = GetDlgItem(stick.Handle(), FirstButtonId);
    const HWND two = GetDlgItem(stick.Handle(), FirstButtonId + 1);
    SetForegroundWindow(stick.Handle());
    SetFocus(one);
    PressKey(one, VK_TAB);
    EXPECT_EQ(GetFocus(), two);
    PressKey(two, VK_SPACE);  // a push button with the focus is pressed by the space bar
    EXPECT_EQ(stick.clicks, 1);
    PressKey(two, VK_ESCAPE);
    EXPECT_FALSE(ui.IsWindowOpen(SettingsWindow::Stick));
}

}  // namespace
}  // namespace velmora

#endif
