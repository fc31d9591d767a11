#pragma once
// A key pressed on a form's control and the messages handled as the main
// loop's pump handles them: a form takes its keyboard messages first.

#include "base/win32/Windows.h"
#include "ui/win32/Form.h"

namespace velmora::testing {

inline void PumpAsTheMainLoop() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (ForwardToForm(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline void PressKey(HWND focus, WPARAM key) {
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    PumpAsTheMainLoop();
}

}  // namespace velmora::testing
