#pragma once
// The input-injection seam over SendInput: one record per call. SendInput is
// taken from "User32.dll" loaded at run time, so that a system without it is
// a message at start-up rather than a program that does not load. The four
// records are built once; only the fields that change are written per call.

#include "base/win32/Library.h"
#include "base/win32/Windows.h"
#include "engine/InputSink.h"

namespace velmora {

using SendInputFunction = UINT(WINAPI*)(UINT, LPINPUT, int);

// "User32.dll" and its SendInput, for the send-input gate and the sink.
struct SendInputEntry {
    LoadedLibrary Library;
    SendInputFunction SendInput = nullptr;
};
SendInputEntry LoadSendInput();

class SendInputSink : public InputSink {
public:
    explicit SendInputSink(SendInputFunction send);
    void SendKeyboard(const KeyboardRecord& record) override;
    void SendMouse(const MouseRecord& record) override;

    // The records as they stand, for tests.
    const INPUT& Keyboard() const { return keyboard_; }
    const INPUT& MouseButton() const { return button_; }
    const INPUT& RelativeMove() const { return relative_; }
    const INPUT& AbsoluteMove() const { return absolute_; }

private:
    SendInputFunction send_;
    INPUT keyboard_{};
    INPUT button_{};
    INPUT relative_{};
    INPUT absolute_{};
};

}  // namespace velmora
