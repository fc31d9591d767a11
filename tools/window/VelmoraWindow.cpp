// Small helper for the end-to-end runner: finds the program's main window
// (class "TVelmoraForm") and asks it to close, as a user would.
//
//   velmora-window find       exit 0 when the window exists, 1 otherwise
//   velmora-window close      the tray icon's middle click, which closes the program
//                             (after its save questions); exit 1 when there is no window
//   velmora-window closebox   post WM_CLOSE, as the window's close box does (by
//                             default that minimises the program)

#include <windows.h>

#include <cstring>

namespace {

// The tray icon's callback message and the mouse message it carries.
constexpr UINT TrayCallbackMessage = WM_USER + 1;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HWND window = FindWindowA("TVelmoraForm", nullptr);
    if (!window) return 1;
    if (std::strcmp(argv[1], "close") == 0)
        return PostMessageA(window, TrayCallbackMessage, 0, WM_MBUTTONDOWN) ? 0 : 1;
    if (std::strcmp(argv[1], "closebox") == 0) return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    return std::strcmp(argv[1], "find") == 0 ? 0 : 2;
}
