#pragma once
// Helpers for tests that open the program's modal windows: a thread timer
// finds the open window by its class and acts on it as a user would, while
// the window's own message loop runs.
#ifdef _WIN32

#include <functional>
#include <string>

#include "core/win32/Windows.h"

namespace velmora::testing {

// Wine without an X display cannot create windows; such runs skip these tests.
inline bool CanCreateWindows() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!probe) return false;
    DestroyWindow(probe);
    return true;
}

struct PendingAction {
    const wchar_t* ClassName = nullptr;
    std::function<void(HWND)> Action;
};

inline PendingAction& Pending() {
    static PendingAction pending;
    return pending;
}

inline void CALLBACK ActOnOpenWindow(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND window = FindWindowW(Pending().ClassName, nullptr);
    if (!window || !IsWindowVisible(window)) return;
    KillTimer(nullptr, timer);
    Pending().Action(window);
}

// Runs the action on the window of that class once it shows.
inline void ActWhenShown(const wchar_t* className, std::function<void(HWND)> action) {
    Pending() = {className, std::move(action)};
    SetTimer(nullptr, 0, 20, ActOnOpenWindow);
}

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(text.size() - 1);
    return text;
}

// A moment to take a screenshot when VELMORA_DIALOG_SHOT is set.
inline void PauseForScreenshot() {
    if (GetEnvironmentVariableW(L"VELMORA_DIALOG_SHOT", nullptr, 0) > 0) Sleep(3000);
}

}  // namespace velmora::testing

#endif
