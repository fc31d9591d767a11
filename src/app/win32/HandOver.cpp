#include "app/win32/HandOver.h"

#include "app/CommandLine.h"
#include "app/win32/Application.h"
#include "app/win32/MainWindow.h"

namespace velmora {
namespace {

HWND FindRunningInstance(HWND ownWindow) {
    HWND found = nullptr;
    do {
        found = FindWindowExW(nullptr, found, MainWindowClass, MainWindowCaption);
    } while (found && found == ownWindow);
    return found;
}

void GiveProfileRequests(Application& app) {
    std::vector<std::uint8_t> connections;
    for (const ControllerDataType& controller : app.Main.List.Controllers)
        connections.push_back(controller.Connection);
    const int selected = app.Main.List.Selected == NoSelection ? NoController : app.Main.List.Selected;
    for (HandOverRequest& request : DistributeHandOverProfiles(app.Main.CommandLine, connections, selected)) {
        ControllerDataType& controller =
            app.Main.List.Controllers[static_cast<std::size_t>(request.Controller)];
        controller.OpenProfileRequest = {request.RequestCode, std::move(request.File)};
    }
}

}  // namespace

void HandOverToRunningInstance(const std::vector<std::string>& params, HWND ownWindow) {
    const HWND running = FindRunningInstance(ownWindow);
    if (!running) return;
    if (params.empty()) {
        SendMessageW(running, SecondStartMessage, 0, 0);
        return;
    }
    // UTF-8, so that file names with any character arrive whole.
    std::string buffer = BuildHandOverBuffer(params);
    COPYDATASTRUCT data{HandOverRecordNumber, static_cast<DWORD>(buffer.size()), buffer.data()};
    SendMessageW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

void ReceiveHandOver(Application& app, const COPYDATASTRUCT& data) {
    if (app.Ui.DialogOpen() || data.dwData != HandOverRecordNumber) return;
    const auto params = ReadHandOverBuffer(data.lpData, data.cbData);
    if (!params) return;  // cut off or malformed: whatever sent it, it is not a second start
    StoreParams(app.Main.CommandLine, *params);
    ParseCommandLine(app.Main.CommandLine, app.Ui, Win32FileExists);
    if (!app.Main.List.Controllers.empty()) GiveProfileRequests(app);
}

}  // namespace velmora
