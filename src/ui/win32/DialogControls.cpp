#include "ui/win32/DialogControls.h"

#include <richedit.h>

#include "base/win32/WideText.h"
#include "ui/DisplayScale.h"
#include "ui/Markup.h"
#include "ui/ModalLoops.h"
#include "ui/win32/WindowDpi.h"

namespace velmora {
namespace {

constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD DialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// The dpi a form's controls are laid out at, on the form's window; none means 96.
constexpr wchar_t DpiProperty[] = L"VelmoraDialogDpi";

// RichEdit 4.1 comes from Msftedit.dll, loaded once at first use.
const wchar_t* RichEditClass() {
    static const HMODULE library = LoadLibraryW(L"Msftedit.dll");
    return library ? MSFTEDIT_CLASS : L"EDIT";
}

// Tahoma 8 pt (13 px lines at 96 dpi), black, plain or bold.
CHARFORMAT2W TextFormat(bool bold) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_COLOR | CFM_CHARSET | CFM_ITALIC | CFM_UNDERLINE;
    format.dwEffects = bold ? CFE_BOLD : 0;
    format.yHeight = 8 * 20;  // twips
    format.crTextColor = RGB(0, 0, 0);
    format.bCharSet = DEFAULT_CHARSET;
    lstrcpynW(format.szFaceName, L"Tahoma", LF_FACESIZE);
    return format;
}

void AppendText(HWND box, const std::wstring& text, bool bold) {
    CHARFORMAT2W format = TextFormat(bold);
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    SendMessageW(box, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

// Sizes up to 13 pixels at 480 dpi (500 %).
HFONT DialogFont(int pixelHeight, bool bold) {
    static HFONT fonts[72][2]{};
    const int size = pixelHeight < 1 || pixelHeight > 71 ? 11 : pixelHeight;
    HFONT& font = fonts[size][bold ? 1 : 0];
    if (!font)
        font =
            CreateFontW(-size, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
    return font;
}

int DialogDpi(HWND window) {
    const HWND form = window ? GetAncestor(window, GA_ROOT) : nullptr;
    const auto dpi = form ? reinterpret_cast<INT_PTR>(GetPropW(form, DpiProperty)) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : StandardDpi;
}

void SetDialogDpi(HWND form, int dpi, int clientWidth, int clientHeight) {
    SetPropW(form, DpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
    if (dpi == StandardDpi) return;
    const RECT frame = FrameForClient(ScaledLength(clientWidth, dpi), ScaledLength(clientHeight, dpi),
                                      DialogStyle, DialogExStyle, dpi);
    SetWindowPos(form, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ClearDialogDpi(HWND form) {
    RemovePropW(form, DpiProperty);
}

RECT DialogPlace(HWND window, RECT place) {
    const ControlPlace scaled =
        ScaledPlace({place.left, place.top, place.right, place.bottom}, DialogDpi(window));
    return {scaled.Left, scaled.Top, scaled.Width, scaled.Height};
}

HFONT DialogFontFor(HWND window, int pixelHeight, bool bold) {
    return DialogFont(ScaledLength(pixelHeight, DialogDpi(window)), bold);
}

// A world transform rather than scaled coordinates in every form's drawing;
// texts come out sharp at the larger size, since fonts are scaled as outlines.
void ScaleDialogDrawing(HWND window, HDC dc) {
    const int dpi = DialogDpi(window);
    if (dpi == StandardDpi) return;
    SetGraphicsMode(dc, GM_ADVANCED);
    const float scale = static_cast<float>(dpi) / StandardDpi;
    const XFORM transform{scale, 0, 0, scale, 0, 0};
    SetWorldTransform(dc, &transform);
}

void InvalidateDialogRect(HWND window, RECT rect) {
    const RECT place =
        DialogPlace(window, {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
    const RECT scaled{place.left, place.top, place.left + place.right, place.top + place.bottom};
    InvalidateRect(window, &scaled, FALSE);
}

POINT DialogPoint(HWND window, LPARAM lParam) {
    const int dpi = DialogDpi(window);
    // The coordinates are signed 16-bit values: left of the window they are negative.
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    return {UnscaledCoordinate(x, dpi), UnscaledCoordinate(y, dpi)};
}

HWND CreateRichText(HWND parent, int x, int y, int width, int height, bool wrap) {
    DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY;
    style |= wrap ? WS_VSCROLL | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
    const RECT place = DialogPlace(parent, {x, y, width, height});
    HWND box = CreateWindowExW(0, RichEditClass(), L"", style, place.left, place.top, place.right,
                               place.bottom, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!box) return nullptr;
    SendMessageW(box, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255));
    if (!wrap) SendMessageW(box, EM_SETTARGETDEVICE, 0, 1);  // a line width of 1 means no wrapping
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontFor(parent, 11, false)), FALSE);
    return box;
}

void FillRichText(HWND box, std::string_view markup) {
    if (!box) return;
    CHARFORMAT2W plain = TextFormat(false);
    SetWindowTextW(box, L"");
    SendMessageW(box, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&plain));
    const std::vector<MarkupLine> lines = ParseMarkup(markup);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) AppendText(box, L"\r", false);
        for (const MarkupSpan& span : lines[i].Spans) AppendText(box, Utf8ToWide(span.Text), span.Bold);
    }
    if (!lines.empty() && GetWindowTextLengthW(box) == 0 && !LineText(lines[0]).empty())
        AppendText(box, L"[Line Display Error!]", false);
    SendMessageW(box, EM_SETSEL, 0, 0);
}

HWND CreateChild(HWND parent, const wchar_t* className, const std::string& text, DWORD style, RECT place,
                 int id) {
    const RECT scaled = DialogPlace(parent, place);
    HWND child = CreateWindowExW(0, className, Utf8ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 scaled.left, scaled.top, scaled.right, scaled.bottom, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontFor(parent, 11, false)), FALSE);
    return child;
}

LRESULT WhiteStaticColours(WPARAM deviceContext) {
    SetTextColor(reinterpret_cast<HDC>(deviceContext), DialogNavy);
    SetBkColor(reinterpret_cast<HDC>(deviceContext), RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void PaintDialogBack(HWND window, HICON icon) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const int dpi = DialogDpi(window);
    RECT footer = client;
    footer.top = client.bottom - ScaledLength(FooterHeight, dpi);
    client.bottom = footer.top;
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH silver = CreateSolidBrush(DialogSilver);
    FillRect(dc, &footer, silver);
    DeleteObject(silver);
    const int margin = ScaledLength(8, dpi), side = ScaledLength(32, dpi);
    if (icon) DrawIconEx(dc, margin, margin, icon, side, side, 0, nullptr, DI_NORMAL);
    EndPaint(window, &paint);
}

void CentreOnDesktop(HWND window) {
    RECT work{}, frame{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

HWND CreateDialogWindow(const wchar_t* className, WNDPROC procedure, HWND owner, int clientWidth,
                        int clientHeight, void* self) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), className, &windowClass)) {
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
    }
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, DialogStyle, FALSE, DialogExStyle);
    return CreateWindowExW(DialogExStyle, className, L"", DialogStyle, 0, 0, frame.right - frame.left,
                           frame.bottom - frame.top, owner, nullptr, GetModuleHandleW(nullptr), self);
}

OtherWindowsDisabled::OtherWindowsDisabled(HWND dialog, HWND owner) : dialog_(dialog), owner_(owner) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM self) {
            auto& me = *reinterpret_cast<OtherWindowsDisabled*>(self);
            if (window != me.dialog_ && window != me.owner_ && IsWindowVisible(window) &&
                IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                me.disabled_.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

OtherWindowsDisabled::~OtherWindowsDisabled() {
    for (HWND window : disabled_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
}

void RunModal(HWND window, HWND owner, const bool& done) {
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    const OtherWindowsDisabled others(window, owner);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    const ModalLoopScope held;
    MSG message;
    while (!done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));  // the main loop ends the program
            break;
        }
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (owner) SetActiveWindow(owner);
    ShowWindow(window, SW_HIDE);
}

bool KeepControlFocus(HWND window, UINT message, WPARAM wParam, HWND& remembered) {
    if (message != WM_ACTIVATE) return false;
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) remembered = focus;
    } else if (remembered && IsWindowVisible(remembered)) {
        SetFocus(remembered);
    }
    return true;
}

}  // namespace velmora
