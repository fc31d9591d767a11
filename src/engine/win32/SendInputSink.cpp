#include "engine/win32/SendInputSink.h"

namespace velmora {

SendInputEntry LoadSendInput() {
    SendInputEntry entry{LoadedLibrary(L"User32.dll"), nullptr};
    entry.SendInput = entry.Library.Entry<SendInputFunction>("SendInput");
    return entry;
}

SendInputSink::SendInputSink(SendInputFunction send) : send_(send) {
    keyboard_.type = INPUT_KEYBOARD;
    button_.type = INPUT_MOUSE;
    relative_.type = INPUT_MOUSE;
    relative_.mi.dwFlags = MOUSEEVENTF_MOVE;
    absolute_.type = INPUT_MOUSE;
    absolute_.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
}

void SendInputSink::SendKeyboard(const KeyboardRecord& record) {
    keyboard_.ki.wVk = record.VirtualKey;
    keyboard_.ki.wScan = record.ScanCode;
    keyboard_.ki.dwFlags = record.Flags;
    send_(1, &keyboard_, sizeof(INPUT));  // the result is not examined: nothing to do about a refusal
}

void SendInputSink::SendMouse(const MouseRecord& record) {
    if (record.Flags & MouseMoveFlag) {
        INPUT& move = (record.Flags & MouseAbsolute) ? absolute_ : relative_;
        move.mi.dx = record.Dx;
        move.mi.dy = record.Dy;
        send_(1, &move, sizeof(INPUT));
        return;
    }
    // The wheel amount is signed; the record's field is a DWORD holding it.
    button_.mi.mouseData = static_cast<DWORD>(record.Data);
    button_.mi.dwFlags = record.Flags;
    send_(1, &button_, sizeof(INPUT));
}

}  // namespace velmora
