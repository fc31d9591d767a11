// Small helper for the end-to-end runner: finds the program's main window
// (class "TVelmoraForm") and asks it to close, as a user's click would.
//
//   velmora-window find     exit 0 when the window exists, 1 otherwise
//   velmora-window close    post WM_CLOSE to it; exit 1 when there is none

#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HWND window = FindWindowA("TVelmoraForm", nullptr);
    if (!window) return 1;
    if (std::strcmp(argv[1], "close") == 0) return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    return std::strcmp(argv[1], "find") == 0 ? 0 : 2;
}
