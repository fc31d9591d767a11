#include "app/win32/FrontProgram.h"

#include <array>
#include <cwchar>

#include "app/win32/TrayIcon.h"
#include "base/win32/WideText.h"

namespace velmora {
namespace {

HWND AsWindow(std::uintptr_t window) {
    return reinterpret_cast<HWND>(window);
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

std::string ImageOf(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return {};
    std::array<wchar_t, 1024> path{};
    DWORD size = static_cast<DWORD>(path.size());
    const BOOL named = QueryFullProcessImageNameW(process, 0, path.data(), &size);
    CloseHandle(process);
    return named ? WideToUtf8(std::wstring_view(path.data(), size)) : std::string();
}

bool ClassIs(HWND window, const wchar_t* name) {
    std::array<wchar_t, 64> text{};
    return GetClassNameW(window, text.data(), static_cast<int>(text.size())) > 0 &&
           lstrcmpiW(text.data(), name) == 0;
}

struct FrameChild {
    DWORD FrameProcess = 0;
    DWORD Found = 0;
};

BOOL CALLBACK FindAppChild(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<FrameChild*>(data);
    const DWORD process = ProcessOf(child);
    if (process == search->FrameProcess) return TRUE;
    search->Found = process;
    return FALSE;
}

BOOL CALLBACK AddProgramOfWindow(HWND window, LPARAM data) {
    auto* programs = reinterpret_cast<std::vector<std::string>*>(data);
    if (!IsWindowVisible(window) || GetWindowTextLengthW(window) == 0) return TRUE;
    if (GetWindow(window, GW_OWNER) != nullptr) return TRUE;  // dialogs and tool windows of a program
    const DWORD process = ProcessOf(window);
    if (process == GetCurrentProcessId()) return TRUE;
    const std::string name(FileNamePart(ImageOf(process)));
    if (name.empty()) return TRUE;
    for (const std::string& known : *programs)
        if (SameTextIgnoringCase(known, name)) return TRUE;
    programs->push_back(name);
    return TRUE;
}

}  // namespace

std::vector<std::string> ProgramsWithWindows() {
    std::vector<std::string> programs;
    EnumWindows(AddProgramOfWindow, reinterpret_cast<LPARAM>(&programs));
    return programs;
}

std::uintptr_t Win32FrontProgram::FrontWindow() {
    return reinterpret_cast<std::uintptr_t>(GetForegroundWindow());
}

bool Win32FrontProgram::Ignored(std::uintptr_t window) {
    const HWND w = AsWindow(window);
    if (ProcessOf(w) == GetCurrentProcessId()) return true;
    if (w == GetShellWindow() || w == GetDesktopWindow()) return true;
    return ClassIs(w, L"Shell_TrayWnd") || ClassIs(w, L"Shell_SecondaryTrayWnd") || ClassIs(w, L"Progman") ||
           ClassIs(w, L"WorkerW");
}

bool Win32FrontProgram::WindowExists(std::uintptr_t window) {
    return IsWindow(AsWindow(window)) != FALSE;
}

bool Win32FrontProgram::ReadTitle(HWND window) {
    TitleText text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    if (std::wcscmp(text.data(), title_.data()) == 0) return false;
    title_ = text;
    return true;
}

bool Win32FrontProgram::TitleChanged(std::uintptr_t window) {
    return ReadTitle(AsWindow(window));
}

bool Win32FrontProgram::ShowBalloon(const std::string& title, const std::string& text) {
    return ShowTrayBalloon(app_, title, text);
}

FrontProgram Win32FrontProgram::Describe(std::uintptr_t window) {
    const HWND w = AsWindow(window);
    ReadTitle(w);
    FrontProgram front{ImageOf(ProcessOf(w)), WideToUtf8(std::wstring_view(title_.data()))};
    if (SameTextIgnoringCase(FileNamePart(front.Path), "ApplicationFrameHost.exe")) {
        FrameChild search{ProcessOf(w), 0};
        EnumChildWindows(w, FindAppChild, reinterpret_cast<LPARAM>(&search));
        front.Path = search.Found != 0 ? ImageOf(search.Found) : std::string();
    }
    return front;
}

}  // namespace velmora
