// The help window as a real window, run under Wine: a timer reads the open
// window and closes it the way a user would.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/win32/Win32UserInterface.h"
#include "base/Language.h"
#include "model/Configuration.h"
#include "support/win32/WindowTestSupport.h"

namespace velmora {
namespace {

using testing::TextOf;

void ShowAndAct(Win32UserInterface& ui, int topic, std::function<void(HWND)> action) {
    testing::ActWhenShown(L"VelmoraHelpWindow", std::move(action));
    ui.ShowHelp(topic);
}

// The heading is the first child, the help text the second.
std::wstring ChildText(HWND help, int index) {
    HWND child = GetWindow(help, GW_CHILD);
    for (int i = 0; i < index && child; ++i) child = GetWindow(child, GW_HWNDNEXT);
    return child ? TextOf(child) : std::wstring{};
}

void ClickOk(HWND help) {
    PostMessageW(GetDlgItem(help, 1001), BM_CLICK, 0, 0);
}

class HelpWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display to open windows on";
        UseEnglish();
    }
    Win32UserInterface ui;
};

TEST_F(HelpWindow, ShowsTheTopicAndOkClosesIt) {
    std::wstring caption, heading, text;
    RECT client{};
    ShowAndAct(ui, 110, [&](HWND help) {
        caption = TextOf(help);
        heading = ChildText(help, 0);
        text = ChildText(help, 1);
        GetClientRect(help, &client);
        testing::PauseForScreenshot();
        ClickOk(help);
    });
    EXPECT_EQ(caption, L"Help");
    EXPECT_EQ(heading, L"Advanced Starting");
    EXPECT_NE(text.find(L"/M start minimised."), std::wstring::npos);
    EXPECT_EQ(client.right, 457);
    EXPECT_EQ(client.bottom, 329);
    EXPECT_FALSE(IsWindowVisible(testing::FindOwnWindow(L"VelmoraHelpWindow")));
}

TEST_F(HelpWindow, AboutShowsTheValuesOfTheRunningProgram) {
    ui.Help() = {"Windows 7 (6.1.7601)", "1.0", "xinput1_3.dll"};
    std::wstring text;
    ShowAndAct(ui, 100, [&](HWND help) {
        text = ChildText(help, 1);
        testing::PauseForScreenshot();
        ClickOk(help);
    });
    EXPECT_NE(text.find(L"Velmora 1.0"), std::wstring::npos);
    EXPECT_NE(text.find(L"Windows 7 (6.1.7601)\r\nXInput xinput1_3.dll"), std::wstring::npos);
}

TEST_F(HelpWindow, UnknownTopicShowsTheWindowUnchanged) {
    ShowAndAct(ui, 103, ClickOk);
    std::wstring heading;
    ShowAndAct(ui, 999, [&](HWND help) {
        heading = ChildText(help, 0);
        PostMessageW(help, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(heading, L"Profiles");
}

TEST_F(HelpWindow, RemembersItsPositionWhenAsked) {
    ConfigurationType config;
    config.RememberWindowPositions = true;
    config.WindowPositions[HelpWindowPosition] = {40, 30};
    ui.SetConfiguration(&config);
    RECT frame{};
    ShowAndAct(ui, 101, [&](HWND help) {
        GetWindowRect(help, &frame);
        SetWindowPos(help, nullptr, 60, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ClickOk(help);
    });
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    EXPECT_EQ(config.WindowPositions[HelpWindowPosition].Left, 60);
    EXPECT_EQ(config.WindowPositions[HelpWindowPosition].Top, 50);
    EXPECT_TRUE(config.ConfigurationChanged);
}

}  // namespace
}  // namespace velmora

#endif
