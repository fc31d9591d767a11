#pragma once
// The main window "TVelmoraForm": its class, its creation with a 520 x 360
// client area (enlarged by the whole factor the monitor's scale allows), its
// messages and the layout picture it shows.

#include "base/win32/Windows.h"

namespace velmora {

struct Application;

inline constexpr wchar_t MainWindowClass[] = L"TVelmoraForm";
inline constexpr wchar_t MainWindowCaption[] = L"Velmora";
inline constexpr int ClientWidth = 520;
inline constexpr int ClientHeight = 334 + 26;  // the layout picture above the 26-pixel strip, at 96 dpi

// Registers the class and creates the window hidden, outside the desktop,
// so that nothing is seen until the first activation places it.
HWND CreateMainWindow(Application& app);

// At first activation: placed (centred, or where it was left) and shown or minimised.
void ShowMainWindow(Application& app, bool minimised);
// At shut-down, with RememberWindowPositions on: the restored window's place.
void StoreMainWindowPosition(Application& app);

}  // namespace velmora
