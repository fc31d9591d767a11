// The notice's button and the tray's item: Velmora again, as administrator,
// through the shell's "runas" verb, which shows the system's question.

#include <cstdio>

#include "app/ElevatedRestart.h"
#include "app/win32/Application.h"
#include "app/win32/MainLoop.h"
#include "app/win32/SystemQueries.h"
#include "base/win32/WideText.h"
#include "files/ConfigurationFile.h"

namespace velmora {
namespace {

// Wine cannot show the system's question, and a copy it starts would not be
// elevated. With VELMORA_TEST_RUNAS_LOG naming a file, the call that would be
// made is written there instead ("runas FILE PARAMETERS") and counts as accepted.
bool LoggedRunAs(const std::wstring& file, const std::wstring& parameters) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"VELMORA_TEST_RUNAS_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    FILE* log = _wfopen(path, L"a");
    if (!log) return false;
    std::fwprintf(log, L"runas %ls %ls\n", file.c_str(), parameters.c_str());
    std::fclose(log);
    return true;
}

// False when the user declined the question (ERROR_CANCELLED) or the start failed.
bool ShellRunAs(HWND owner, const std::wstring& file, const std::wstring& parameters) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC;
    info.hwnd = owner;
    info.lpVerb = L"runas";
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

class Win32ElevatedStart : public ElevatedStart {
public:
    explicit Win32ElevatedStart(Application& app) : app_(app) {}

    // The new copy must pass the single-instance gate, and read what this one
    // knew: the mutex goes and the configuration is written first, and both
    // come back when the start is declined.
    bool StartElevated(const std::vector<std::string>& parameters) override {
        const std::wstring file = Utf8ToWide(ProgramFileName());
        const std::wstring line = Utf8ToWide(QuotedParameters(parameters));
        SaveConfigurationIfChanged(app_.Config, app_.Ui);
        if (app_.InstanceMutex) CloseHandle(app_.InstanceMutex);
        app_.InstanceMutex = nullptr;
        const bool started = LoggedRunAs(file, line) || ShellRunAs(app_.Window, file, line);
        if (!started) app_.InstanceMutex = CreateMutexW(nullptr, FALSE, L"Velmora");
        return started;
    }

private:
    Application& app_;
};

}  // namespace

void RunAsAdministrator(Application& app) {
    Win32ElevatedStart start(app);
    RestartElevated(app.Main, app.Shell, start);
}

}  // namespace velmora
