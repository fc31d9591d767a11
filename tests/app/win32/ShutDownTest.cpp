// The end of the run as a real window under Wine: settings windows still
// open are closed before Velmora.ini is written.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <memory>

#include "app/win32/Application.h"
#include "app/win32/ShutDown.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "support/FileTestSupport.h"
#include "support/win32/WindowTestSupport.h"

namespace velmora {
namespace {

// A settings form that counts its close handler (where a window ends its
// detection or stops its test rumble).
class TClosingProbeForm : public TSettingsForm {
public:
    TClosingProbeForm() : TSettingsForm(L"VelmoraTestShutDownForm", 300, 120) {}
    void OpenFor(int) override { Show(); }
    int closes = 0;

protected:
    void FormIsClosed() override { ++closes; }
};

// The fault: the windows stayed open until after the file was written, so
// their places were lost and their close handlers never ran.
TEST(ShutDown, SettingsWindowsOpenAtTheEndAreClosedBeforeTheConfigurationIsWritten) {
    if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display to open windows on";
    UseEnglish();
    test::TempFolder folder;
    const std::string savedFolder = ProgramFolder();
    SetProgramFolder(folder.Folder());
    auto app = std::make_unique<Application>();
    TClosingProbeForm stick;
    app->Ui.SetConfiguration(&app->Config);
    app->Ui.RegisterForm(SettingsWindow::Stick, stick);
    app->Config.RememberWindowPositions = true;
    app->Ui.OpenWindowFor(SettingsWindow::Stick, 1);
    SetWindowPos(stick.Handle(), nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    app->Main.ProgramState = ProgramQuitting;

    ShutDown(*app);
    EXPECT_EQ(stick.closes, 1);
    EXPECT_FALSE(app->Ui.IsWindowOpen(SettingsWindow::Stick));
    const std::string ini = test::ReadBytes(folder.File("Velmora.ini"));
    EXPECT_NE(ini.find("StickSettingsWindowPosition=123,45\r\n"), std::string::npos) << ini;
    app->Ui.ForgetForms();
    SetProgramFolder(savedFolder);
    ResetLanguage();
}

}  // namespace
}  // namespace velmora

#endif
