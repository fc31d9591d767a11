#include "ui/win32/GdiTextDrawer.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/win32/WideText.h"
#include "base/win32/Windows.h"
#include "ui/Picture.h"

// <windows.h> names DrawTextW DrawText; here it is the seam's own function.
#undef DrawText

namespace velmora {
namespace {

// Wide enough for any text the picture holds, tall enough for one line.
constexpr int ScratchWidth = PictureWidth;
constexpr int ScratchHeight = 16;
// 8 points at 96 dots per inch: 13-pixel lines, as the picture's boxes expect.
constexpr int FontHeight = -11;

struct Scratch {
    HDC Dc = nullptr;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ OldBitmap = nullptr;
    HFONT Font = nullptr;
    HGDIOBJ OldFont = nullptr;
    std::uint32_t* Pixels = nullptr;  // 32 bits a pixel, top row first
};

bool MakeBitmap(Scratch& s) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = ScratchWidth;
    info.bmiHeader.biHeight = -ScratchHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    s.Bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    s.Pixels = static_cast<std::uint32_t*>(bits);
    return s.Bitmap != nullptr;
}

// Plain (not smoothed) glyphs: each pixel is either the text's colour or untouched.
HFONT MakeFont() {
    return CreateFontW(FontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
}

class GdiTextDrawer final : public TextDrawer {
public:
    explicit GdiTextDrawer(const Scratch& scratch) : s_(scratch) {
        SetBkMode(s_.Dc, TRANSPARENT);
        SetTextColor(s_.Dc, RGB(255, 255, 255));
    }
    ~GdiTextDrawer() override {
        SelectObject(s_.Dc, s_.OldFont);
        SelectObject(s_.Dc, s_.OldBitmap);
        DeleteObject(s_.Font);
        DeleteObject(s_.Bitmap);
        DeleteDC(s_.Dc);
    }
    GdiTextDrawer(const GdiTextDrawer&) = delete;
    GdiTextDrawer& operator=(const GdiTextDrawer&) = delete;

    void DrawText(PictureType& picture, int x, int y, std::string_view text, ColourType colour,
                  ClipBox clip) override {
        const std::wstring wide = Utf8ToWide(text);
        if (wide.empty()) return;
        const int width = Render(wide);
        // A glyph may overhang its advance by a pixel or two.
        CopyInk(picture, x, y, colour,
                ClipBox{std::max(clip.Left, x), std::max(clip.Top, y), std::min(clip.Right, x + width + 2),
                        std::min(clip.Bottom, y + ScratchHeight)});
    }

    int TextWidth(std::string_view text) override {
        const std::wstring wide = Utf8ToWide(text);
        SIZE size{};
        GetTextExtentPoint32W(s_.Dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    }

private:
    // White text on black in the scratch bitmap; gives the text's width.
    int Render(const std::wstring& wide) {
        GdiFlush();
        std::fill_n(s_.Pixels, ScratchWidth * ScratchHeight, 0u);
        TextOutW(s_.Dc, 0, 0, wide.c_str(), static_cast<int>(wide.size()));
        GdiFlush();
        SIZE size{};
        GetTextExtentPoint32W(s_.Dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    }

    void CopyInk(PictureType& picture, int x, int y, ColourType colour, ClipBox clip) const {
        const int right = std::min(clip.Right, x + ScratchWidth);
        for (int py = clip.Top; py < clip.Bottom; ++py)
            for (int px = clip.Left; px < right; ++px)
                if ((s_.Pixels[(py - y) * ScratchWidth + (px - x)] & 0xFFFFFFu) != 0)
                    picture.Put(px, py, colour);
    }

    Scratch s_;
};

}  // namespace

std::unique_ptr<TextDrawer> MakeGdiTextDrawer() {
    Scratch s;
    s.Dc = CreateCompatibleDC(nullptr);
    s.Font = MakeFont();
    if (!s.Dc || !s.Font || !MakeBitmap(s)) {
        if (s.Font) DeleteObject(s.Font);
        if (s.Dc) DeleteDC(s.Dc);
        return MakePixelFontTextDrawer();
    }
    s.OldBitmap = SelectObject(s.Dc, s.Bitmap);
    s.OldFont = SelectObject(s.Dc, s.Font);
    return std::make_unique<GdiTextDrawer>(s);
}

}  // namespace velmora
