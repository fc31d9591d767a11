// Small helper for the end-to-end runners: finds the program's main window
// (class "TVelmoraForm"), reports what is on screen and sends it what the
// user, the tray icon or a second start would.
//
//   velmora-window find         exit 0 when the window exists, 1 otherwise
//   velmora-window close        the tray icon's middle click, which closes the program
//                               (after its save questions); exit 1 when there is no window
//   velmora-window closebox     post WM_CLOSE, as the window's close box does (by
//                               default that minimises the program)
//   velmora-window closebox WINDOW
//                               post what a click on the close box of the program's
//                               top-level window WINDOW (class or caption) sends:
//                               WM_SYSCOMMAND SC_CLOSE (under Xvfb without a window
//                               manager no title bar is drawn to click); exit 3 when
//                               there is no such window
//   velmora-window origin       print "X Y": the screen point of the client area's top-left corner
//   velmora-window client       print "WIDTH HEIGHT": the size of the client area
//   velmora-window state        print "shown", "minimised" or "hidden"
//   velmora-window tray left|right|middle
//                               post the tray icon's callback with that button's press
//   velmora-window endsession   send WM_QUERYENDSESSION and, when it is allowed,
//                               WM_ENDSESSION, as the system does at logging off
//   velmora-window power suspend|resume
//                               send WM_POWERBROADCAST as the system does when it goes to
//                               sleep (PBT_APMSUSPEND) or wakes (PBT_APMRESUMEAUTOMATIC, then
//                               PBT_APMRESUMESUSPEND)
//   velmora-window second       post the message a second start sends (toggles minimised)
//   velmora-window tray-remove  remove the program's tray icon, as a taskbar that ends does
//   velmora-window taskbar-created
//                               post "TaskbarCreated", as a taskbar that starts again does
//   velmora-window menu         print "shown LEFT TOP RIGHT BOTTOM" for a visible popup menu,
//                               or "none"
//   velmora-window windows      print one line per visible top-level window of the program:
//                               "CLASS|CAPTION|LEFT TOP RIGHT BOTTOM" (menus included); a
//                               tooltip's CAPTION is the text it shows, each line break as "\n"
//   velmora-window controls WINDOW
//                               print one line per child control (grandchildren included) of
//                               the program's top-level window whose class or caption is WINDOW:
//                               "CLASS|ID|CAPTION|ENABLED|VISIBLE|LEFT TOP RIGHT BOTTOM", CAPTION
//                               as the control answers WM_GETTEXT (an edit box's text as typed),
//                               ENABLED and VISIBLE 1 or 0 (VISIBLE counts the parents too);
//                               exit 3 when there is no such window
//
//   velmora-window serve        read commands from standard input, one a line, the words
//                               parted by tabs, and answer each with its output and a line
//                               "\x01 STATUS", until the input ends: a GUI check asks hundreds
//                               of times, and each start of a Wine program costs a fifth of a
//                               second
//
// Every figure is in screen pixels, as X and xdotool count them, whatever the
// dpi the Wine prefix is set to: the helper declares itself dpi-aware.
//
// Exit status 1 means no main window; 2 a bad command line; 3 no such window.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The tray icon's callback message and the second start's message.
constexpr UINT TrayCallbackMessage = WM_USER + 1;
constexpr UINT SecondStartMessage = WM_USER + 2;
// The window class of every popup menu.
constexpr const char* MenuClass = "#32768";

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();  // the terminating zero
    return out;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string CaptionOf(HWND window) {
    wchar_t caption[512] = {};
    GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
    return Utf8(caption);
}

// A control's own text, as the control answers WM_GETTEXT: GetWindowText on another
// process's window reads only the text the window was given, not what was typed into an
// edit box since.
std::string TextOf(HWND control) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 2000, &copied))
        return CaptionOf(control);
    return Utf8(text);
}

// The text a tooltip shows, its lines joined by "\n" (two characters): one line per window.
std::string TipTextOf(HWND tip) {
    std::string text = TextOf(tip), joined;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        joined += text[i] == '\n' || text[i] == '\r' ? std::string("\\n") : std::string(1, text[i]);
    }
    return joined;
}

void PrintRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
}

// Menus belong to the desktop thread under some systems: they are listed
// whatever their process, everything else only when it is the program's.
struct WindowSearch {
    DWORD Process = 0;
    bool MenusOnly = false;
    int Found = 0;
};

BOOL CALLBACK ListWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    if (!IsWindowVisible(window)) return TRUE;
    const bool menu = ClassOf(window) == MenuClass;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (search.MenusOnly ? !menu : (!menu && process != search.Process)) return TRUE;
    ++search.Found;
    if (search.MenusOnly) {
        std::printf("shown ");
    } else {
        const std::string name = ClassOf(window);
        const bool tip = name == "tooltips_class32";
        std::printf("%s|%s|", name.c_str(), (tip ? TipTextOf(window) : CaptionOf(window)).c_str());
    }
    PrintRect(window);
    return !search.MenusOnly;  // one menu is enough: submenus are not opened by the checks
}

int ListWindows(HWND main, bool menusOnly) {
    WindowSearch search;
    GetWindowThreadProcessId(main, &search.Process);
    search.MenusOnly = menusOnly;
    EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&search));
    if (menusOnly && search.Found == 0) std::printf("none\n");
    return 0;
}

// The top-level window of the program whose class or caption is the name.
struct NamedSearch {
    DWORD Process = 0;
    std::string Name;
    HWND Found = nullptr;
};

BOOL CALLBACK FindNamed(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<NamedSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.Process || !IsWindowVisible(window)) return TRUE;
    if (ClassOf(window) != search.Name && CaptionOf(window) != search.Name) return TRUE;
    search.Found = window;
    return FALSE;
}

// A caption on one line, without the field separator.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '|') c = ' ';
    return text;
}

BOOL CALLBACK ListControl(HWND control, LPARAM) {
    std::printf("%s|%d|%s|%d|%d|", ClassOf(control).c_str(), GetDlgCtrlID(control),
                OneLine(TextOf(control)).c_str(), IsWindowEnabled(control) ? 1 : 0,
                IsWindowVisible(control) ? 1 : 0);
    PrintRect(control);
    return TRUE;
}

int ListControls(HWND main, const char* name) {
    NamedSearch search;
    GetWindowThreadProcessId(main, &search.Process);
    search.Name = name;
    EnumWindows(FindNamed, reinterpret_cast<LPARAM>(&search));
    if (!search.Found) return 3;
    EnumChildWindows(search.Found, ListControl, 0);
    return 0;
}

int PressCloseBox(HWND main, const char* name) {
    NamedSearch search;
    GetWindowThreadProcessId(main, &search.Process);
    search.Name = name;
    EnumWindows(FindNamed, reinterpret_cast<LPARAM>(&search));
    if (!search.Found) return 3;
    return PostMessageA(search.Found, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
}

int PrintOrigin(HWND window) {
    POINT origin{0, 0};
    if (!ClientToScreen(window, &origin)) return 1;
    std::printf("%ld %ld\n", origin.x, origin.y);
    return 0;
}

int PrintClientSize(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client)) return 1;
    std::printf("%ld %ld\n", client.right, client.bottom);
    return 0;
}

int PrintState(HWND window) {
    const char* state = !IsWindowVisible(window) ? "hidden" : IsIconic(window) ? "minimised" : "shown";
    std::printf("%s\n", state);
    return 0;
}

int PostTray(HWND window, const char* button) {
    LPARAM mouse = 0;
    if (std::strcmp(button, "left") == 0) mouse = WM_LBUTTONDOWN;
    if (std::strcmp(button, "right") == 0) mouse = WM_RBUTTONDOWN;
    if (std::strcmp(button, "middle") == 0) mouse = WM_MBUTTONDOWN;
    if (mouse == 0) return 2;
    return PostMessageA(window, TrayCallbackMessage, 0, mouse) ? 0 : 1;
}

// The icon the program adds: its window, identifier 0.
int RemoveTrayIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_DELETE, &data) ? 0 : 1;
}

// Logging off: the query first (the program may ask to save), then the end
// itself. Exit 1 when the program refused or did not answer.
int EndSession(HWND window) {
    DWORD_PTR allowed = 0;
    const LPARAM why = ENDSESSION_LOGOFF;
    if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, why, SMTO_NORMAL, 10000, &allowed) || !allowed)
        return 1;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, why, SMTO_NORMAL, 10000, &ignored) ? 0 : 1;
}

// The system's sleep ("suspend") or wake ("resume": the two notices the
// system sends), each handled before this returns.
int PowerBroadcast(HWND window, const char* what) {
    std::vector<WPARAM> events;
    if (std::strcmp(what, "suspend") == 0) events = {PBT_APMSUSPEND};
    if (std::strcmp(what, "resume") == 0) events = {PBT_APMRESUMEAUTOMATIC, PBT_APMRESUMESUSPEND};
    if (events.empty()) return 2;
    for (WPARAM event : events) {
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutA(window, WM_POWERBROADCAST, event, 0, SMTO_NORMAL, 10000, &ignored)) return 1;
    }
    return 0;
}

int Run(HWND window, int argc, char** argv) {
    const std::string command = argv[1];
    if (argc == 3 && command == "controls") return ListControls(window, argv[2]);
    if (argc == 3 && command == "closebox") return PressCloseBox(window, argv[2]);
    if (argc == 3 && command == "power") return PowerBroadcast(window, argv[2]);
    if (argc == 3) return command == "tray" ? PostTray(window, argv[2]) : 2;
    if (command == "find") return 0;
    if (command == "close") return PostMessageA(window, TrayCallbackMessage, 0, WM_MBUTTONDOWN) ? 0 : 1;
    if (command == "closebox") return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (command == "endsession") return EndSession(window);
    if (command == "second") return PostMessageA(window, SecondStartMessage, 0, 0) ? 0 : 1;
    if (command == "tray-remove") return RemoveTrayIcon(window);
    if (command == "taskbar-created")
        return PostMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0) ? 0 : 1;
    if (command == "origin") return PrintOrigin(window);
    if (command == "client") return PrintClientSize(window);
    if (command == "state") return PrintState(window);
    if (command == "menu") return ListWindows(window, true);
    if (command == "windows") return ListWindows(window, false);
    return 2;
}

int RunCommand(int argc, char** argv) {
    if (argc < 2 || argc > 3) return 2;
    HWND window = FindWindowA("TVelmoraForm", nullptr);
    return window ? Run(window, argc, argv) : 1;
}

// One command a line, its words parted by tabs (a caption may hold spaces).
int Serve() {
    std::string line;
    for (int c = std::getchar(); c != EOF; c = std::getchar()) {
        if (c != '\n') {
            if (c != '\r') line += static_cast<char>(c);
            continue;
        }
        std::vector<std::string> words{"velmora-window"};
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            words.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        std::vector<char*> argv;
        for (auto& word : words) argv.push_back(word.data());
        const int status = RunCommand(static_cast<int>(argv.size()), argv.data());
        std::printf("\x01 %d\n", status);
        std::fflush(stdout);
        line.clear();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SetProcessDPIAware();
    const int status = argc == 2 && std::strcmp(argv[1], "serve") == 0 ? Serve() : RunCommand(argc, argv);
    std::fflush(stdout);
    return status;
}
