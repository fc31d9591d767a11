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
    if (data.dwData != HandOverRecordNumber) return;
    const auto params = ReadHandOverBuffer(data.lpData, data.cbData);
    if (!params) return;  // cut off or malformed: whatever sent it, it is not a second start
    // Kept, also while a dialog is up, and served between passes once no dialog is.
    app.Main.HandOvers.push_back(*params);
}

}  // namespace velmora
