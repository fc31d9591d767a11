// Pictures drawn onto real device contexts under Wine: rows of widths whose
// bytes are no multiple of 4 must not shear, and the box shows the picture.
#ifdef _WIN32

#include <gtest/gtest.h>

#include "support/win32/WindowTestSupport.h"
#include "ui/win32/PictureBox.h"

namespace velmora {
namespace {

// A 32-bit memory bitmap to draw into, read back pixel by pixel.
struct MemoryCanvas {
    MemoryCanvas(int width, int height) : Width(width) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        Dc = CreateCompatibleDC(nullptr);
        Bitmap = CreateDIBSection(Dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&Bits), nullptr, 0);
        SelectObject(Dc, Bitmap);
    }
    ~MemoryCanvas() {
        DeleteDC(Dc);
        DeleteObject(Bitmap);
    }
    ColourType At(int x, int y) const {
        GdiFlush();
        const std::uint32_t pixel = Bits[y * Width + x];
        return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                static_cast<std::uint8_t>(pixel)};
    }
    int Width;
    HDC Dc = nullptr;
    HBITMAP Bitmap = nullptr;
    std::uint32_t* Bits = nullptr;
};

// Every pixel its own colour, so that a shifted row shows.
PictureType Numbered(int width, int height) {
    PictureType picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Put(x, y,
                        {static_cast<std::uint8_t>(10 * x + 1), static_cast<std::uint8_t>(20 * y + 2), 77});
    return picture;
}

TEST(PictureBoxDrawing, EveryRowLandsInPlaceForWidthsWithAndWithoutRowPadding) {
    for (const int width : {4, 5, 7}) {  // 12 bytes a row need no padding; 15 and 21 do
        SCOPED_TRACE(width);
        const PictureType picture = Numbered(width, 3);
        MemoryCanvas canvas(12, 6);
        DrawPictureAt(canvas.Dc, picture, {2, 1});
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(canvas.At(x + 2, y + 1), picture.Get(x, y)) << x << "," << y;
    }
}

TEST(PictureBoxDrawing, AnEmptyPictureDrawsNothing) {
    MemoryCanvas canvas(4, 4);
    canvas.Bits[5] = 0x00123456;
    DrawPictureAt(canvas.Dc, PictureType(0, 0), {0, 0});
    EXPECT_EQ(canvas.At(1, 1), (ColourType{0x12, 0x34, 0x56}));
}

TEST(PictureBoxWindow, ForwardsMouseToTheParentInTheParentsCoordinates) {
    if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display to open windows on";
    static POINT seen{-1, -1};
    static UINT seenMessage = 0;
    WNDCLASSEXW parentClass{};
    parentClass.cbSize = sizeof(parentClass);
    parentClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_LBUTTONUP) {
            seenMessage = message;
            seen = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        }
        return DefWindowProcW(window, message, wParam, lParam);
    };
    parentClass.hInstance = GetModuleHandleW(nullptr);
    parentClass.lpszClassName = L"VelmoraPictureBoxTestParent";
    RegisterClassExW(&parentClass);
    const HWND parent = CreateWindowExW(0, parentClass.lpszClassName, L"", WS_POPUP, 0, 0, 200, 100, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    const PictureType picture = Numbered(5, 5);
    const HWND box = CreatePictureBox(parent, {30, 20, 50, 40}, &picture);
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(7, 9));
    EXPECT_EQ(seenMessage, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(seen.x, 37);
    EXPECT_EQ(seen.y, 29);
    DestroyWindow(parent);
}

}  // namespace
}  // namespace velmora

#endif
