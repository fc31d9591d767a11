#include "app/win32/Startup.h"

#include "ProgramVersion.h"
#include "app/StartupGates.h"
#include "app/WindowsVersion.h"
#include "app/win32/Application.h"
#include "app/win32/CrashRelease.h"
#include "app/win32/HandOver.h"
#include "app/win32/MainWindow.h"
#include "app/win32/SystemQueries.h"
#include "app/win32/TrayIcon.h"
#include "app/win32/Win32Registry.h"
#include "base/win32/WideText.h"
#include "base/win32/Windows.h"
#include "devices/DeviceLibraries.h"
#include "files/ConfigurationFile.h"
#include "files/FileDialogs.h"
#include "ui/ThemeImage.h"

namespace velmora {
namespace {

bool Refuse(Application& app, const std::optional<MessageDialog>& refusal) {
    if (!refusal) return false;
    app.Ui.ShowMessageDialog(*refusal);
    return true;
}

bool SingleInstanceGate(Application& app, const std::vector<std::string>& params) {
    app.InstanceMutex = CreateMutexW(nullptr, FALSE, L"Velmora");
    if (GetLastError() != ERROR_ALREADY_EXISTS) return true;
    HandOverToRunningInstance(params, nullptr);
    return false;
}

bool VersionGate(Application& app) {
    const std::optional<OsVersion> version = QueryWindowsVersion();
    if (Refuse(app, VersionGateMessage(version))) return false;
    SetCurrentWindowsVersion(ClassifyWindowsVersion(*version));
    app.Ui.Help().WindowsVersion = WindowsVersionName(*version);
    return true;
}

bool ResolutionGate(Application& app) {
    const DesktopSize desktop = QueryDesktopSize();
    return !Refuse(
        app, ResolutionGateMessage(desktop.Width, desktop.Height, MinimumDesktopWidth, MinimumDesktopHeight,
                                   "*The main window cannot fit this screen.*", false));
}

bool SendInputGate(Application& app) {
    app.SendInput = LoadSendInput();
    return !Refuse(app, SendInputGateMessage(static_cast<bool>(app.SendInput.Library),
                                             app.SendInput.SendInput != nullptr));
}

bool CommandLineGate(Application& app, const std::vector<std::string>& params) {
    StoreParams(app.Main.CommandLine, params);
    ParseCommandLine(app.Main.CommandLine, app.Ui, Win32FileExists);
    return !app.Main.CommandLine.CloseSwitch;  // a first start with "/C" has nothing to close
}

void TurnOffStickyKeys(Application& app) {
    const std::optional<DWORD> flags = ReadStickyKeys();
    if (!flags) return;
    const StickyKeysDecision decision = DecideStickyKeys(*flags);
    if (!decision.Change) return;
    if (decision.TellUser) app.Ui.ShowMessageDialog(StickyKeysNotice());
    WriteStickyKeys(decision.NewFlags);
    app.SavedStickyKeys = *flags;
}

void LoadXInputLibrary(Application& app) {
    const XInputChoice choice = LoadXInput(
        app.Config.ScanForXInput, CurrentWindowsVersion(),
        [&app](std::string_view file) { return app.Devices.TryLoadXInput(Utf8ToWide(file).c_str()); });
    app.Devices.SetXInputStatus(choice.Status);
    if (choice.Version < XInputLibraries.size())
        app.Ui.Help().XInputLibrary = XInputLibraries[choice.Version].File;
}

// Rules of Velmora.ini that were dropped on reading go to the system's
// debug output (a debug viewer, or Wine's debugstr channel): the only log a
// user can find without velmora-cli.
void LogProgramRuleNotes(const ConfigurationType& config) {
    for (const std::string& note : config.ProgramRuleNotes)
        OutputDebugStringW(Utf8ToWide("Velmora.ini: " + note + "\n").c_str());
}

}  // namespace

std::vector<std::string> ProcessParams() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> params;
    for (int i = 1; i < count; ++i) params.push_back(WideToUtf8(arguments[i]));
    LocalFree(arguments);
    return params;
}

bool RunStartupGates(Application& app, const std::vector<std::string>& params) {
    app.Main.ProgramState = ProgramStarting;
    if (AsksForRegistryRemoval(params)) {
        RemoveUserRegistrySettings(app.Ui);  // before the running copy could be handed the line
        return false;
    }
    if (!SingleInstanceGate(app, params) || !VersionGate(app) || !ResolutionGate(app)) return false;
    if (!LoadDirectInput(
            CurrentWindowsVersion(), [&app] { return app.Devices.LoadDirectInput(app.Instance); }, app.Ui))
        return false;
    if (!SendInputGate(app) || !CommandLineGate(app, params)) return false;

    app.PriorityRaised = SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS) != 0;
    app.Window = CreateMainWindow(app);
    if (!app.Window) return false;
    app.Ui.SetOwner(app.Window);
    app.Ui.SetConfiguration(&app.Config);
    app.Forms = MakeSettingsForms(app);
    app.Ui.Help().ProgramVersion = VELMORA_VERSION_SHORT;  // major.minor of the version record's
    app.Devices.SetWindow(app.Window);
    app.Main.ProgramState = ProgramCreated;
    TurnOffStickyKeys(app);
    return true;
}

void FirstActivation(Application& app) {
    if (app.Main.ProgramState != ProgramCreated) return;
    CurrentFilePlaces().DocumentsFolder = DocumentsFolder();  // where file dialogs fall back to
    ReadConfiguration(app.Config, app.Ui, CurrentFilePlaces().DocumentsFolder);
    LogProgramRuleNotes(app.Config);
    if (auto theme = LoadConfiguredThemeImage(app.Config, app.Ui))
        app.Ui.Layout().SetThemeImage(std::move(*theme));
    // Minimising clears "/M" (the window's minimise event).
    ShowMainWindow(app, app.Main.CommandLine.MinimizeSwitch || app.Config.StartMinimized);
    if (app.Config.ShowIconInNotificationArea) AddTrayIcon(app);
    ApplyUserRegistrySettings(app.Ui, ProgramFileName(), app.Config.StartWithWindows);
    LoadXInputLibrary(app);
    app.Sink = std::make_unique<SendInputSink>(app.SendInput.SendInput);
    app.Output = std::make_unique<HeldInputSink>(*app.Sink, ProgramHeldInput());
    InstallCrashRelease(app.SendInput.SendInput);
    app.Devices.SetHeldRumble(&ProgramHeldRumble());
    SetCrashRumbleStop(&app.Devices);
}

}  // namespace velmora
