// The controller properties form as a real window under Wine: the details of
// the selected controller, and the Control Panel button without a device.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <string>

#include "app/win32/Application.h"
#include "app/win32/settings/ControllerPropertiesForm.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "support/win32/WindowTestSupport.h"

namespace velmora {
namespace {

std::wstring DetailsText(HWND form) {
    const HWND box = FindWindowExW(form, nullptr, L"RICHEDIT50W", nullptr);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

TEST(ControllerPropertiesFormTest, ShowsTheSelectedControllerAndFollowsARefresh) {
    if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display to open windows on";
    UseEnglish();
    Application app;
    TControllerPropertiesForm form{app};
    app.Ui.RegisterForm(SettingsWindow::ControllerProperties, form);
    app.Main.List.Controllers.resize(2);
    app.Main.List.Controllers[0].Identity = {"First Pad", 0x045E028E};
    app.Main.List.Controllers[1].Identity = {"Second Pad", 0x12340001};
    app.Main.List.Selected = 1;
    app.Ui.OpenWindow(SettingsWindow::ControllerProperties);
    ASSERT_TRUE(app.Ui.IsWindowOpen(SettingsWindow::ControllerProperties));
    std::wstring text = DetailsText(form.Handle());
    EXPECT_NE(text.find(L"\"Second Pad\""), std::wstring::npos);
    EXPECT_NE(text.find(L"1234:0001"), std::wstring::npos);

    app.Main.List.Selected = 0;
    app.Ui.RefreshWindow(SettingsWindow::ControllerProperties);
    text = DetailsText(form.Handle());
    EXPECT_NE(text.find(L"045E:028E"), std::wstring::npos);
    EXPECT_EQ(text.find(L"Second Pad"), std::wstring::npos);

    // No device behind the controller: the button asks nothing and the window stays.
    const HWND controlPanel = FindWindowExW(form.Handle(), nullptr, L"BUTTON", L"Control Panel");
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(controlPanel), BN_CLICKED),
                 reinterpret_cast<LPARAM>(controlPanel));
    EXPECT_TRUE(app.Ui.IsWindowOpen(SettingsWindow::ControllerProperties));
    const HWND ok = FindWindowExW(form.Handle(), nullptr, L"BUTTON", L"OK");
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED),
                 reinterpret_cast<LPARAM>(ok));
    EXPECT_FALSE(app.Ui.IsWindowOpen(SettingsWindow::ControllerProperties));
    app.Ui.ForgetForms();
}

}  // namespace
}  // namespace velmora

#endif
