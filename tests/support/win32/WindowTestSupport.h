#pragma once
// Helpers for tests that open the program's modal windows: a thread timer
// finds the open window by its class and acts on it as a user would, while
// the window's own message loop runs.
#ifdef _WIN32

#include <functional>
#include <string>

#include "base/win32/Windows.h"

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

// Only this thread's windows: tests running side by side open the same windows.
inline HWND FindOwnWindow(const wchar_t* className) {
    struct Search {
        const wchar_t* ClassName;
        HWND Found;
    } search{className, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (lstrcmpW(name, s->ClassName) != 0) return TRUE;
            s->Found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

inline void CALLBACK ActOnOpenWindow(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND window = FindOwnWindow(Pending().ClassName);
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
