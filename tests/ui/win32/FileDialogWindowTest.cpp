// The system's open and save dialogs, run under Wine: a timer finds the
// dialog by its title and acts on it as a user would, and the test checks
// the answer.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win32/Win32UserInterface.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "base/win32/WideText.h"
#include "support/win32/WindowTestSupport.h"
#include "ui/win32/FileDialogWindow.h"
// These need <windows.h> first.
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

namespace velmora {
namespace {

using testing::TextOf;

// Control numbers of the explorer-style dialog's template.
constexpr int FileNameBox = cmb13;
constexpr int FileTypeBox = cmb1;

void Pump(int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// A dialog that is still open long after the script acted (a question of its
// own, say) is answered "No" and cancelled, so that a failing test ends
// instead of hanging.
bool& WatchdogFired() {
    static bool fired = false;
    return fired;
}

void CALLBACK CancelEveryDialog(HWND, UINT, UINT_PTR, DWORD) {
    WatchdogFired() = true;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            PostMessageW(window, WM_COMMAND, IDNO, 0);
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        },
        0);
}

// Shows the dialog through show, runs script on it once it is up.
std::string RunDialog(std::function<std::string()> show, std::function<void(HWND)> script) {
    WatchdogFired() = false;
    testing::ActWhenShown(L"#32770", [script](HWND dialog) {
        Pump(300);  // the folder's list is filled after the dialog shows
        script(dialog);
    });
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, CancelEveryDialog);
    std::string file = show();
    KillTimer(nullptr, watchdog);
    return file;
}

void TypeAndPress(HWND dialog, const wchar_t* name, int button) {
    if (name) SendMessageW(dialog, CDM_SETCONTROLTEXT, FileNameBox, reinterpret_cast<LPARAM>(name));
    PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
}

HWND ShellView(HWND dialog) {
    return FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr);
}

LRESULT ListViewMode(HWND dialog) {
    HWND view = ShellView(dialog);
    HWND list = view ? FindWindowExW(view, nullptr, L"SysListView32", nullptr) : nullptr;
    return list ? SendMessageW(list, LVM_GETVIEW, 0, 0) : -1;
}

// A folder whose name needs more than any ANSI code page, with a subfolder
// to browse into and one profile.
class FileDialogWindow : public ::testing::Test {
protected:
    std::wstring folder;
    std::string savedProgramFolder = ProgramFolder();
    std::string caption = "Profile " + std::to_string(GetCurrentProcessId());

    void SetUp() override {
        if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display to open windows on";
        UseEnglish();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"velmora-dialog-" + std::to_wstring(GetCurrentProcessId()) +
                 L"-\u00e9\u65e5";
        // Wine reuses process numbers, and a run of the whole suite once left
        // such a folder behind, empty: a leftover is cleared first.
        RemoveFolder();
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        CreateDirectoryW((folder + L"\\Sub").c_str(), nullptr);
        CloseHandle(CreateFileW((folder + L"\\Mine.velmoraprofile").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        SetProgramFolder(WideToUtf8(temp).substr(0, lstrlenW(temp) - 1));
    }
    void TearDown() override {
        if (folder.empty()) return;
        RemoveFolder();
        SetProgramFolder(savedProgramFolder);
    }
    void RemoveFolder() const {
        DeleteFileW((folder + L"\\Mine.velmoraprofile").c_str());
        RemoveDirectoryW((folder + L"\\Sub").c_str());
        RemoveDirectoryW(folder.c_str());
    }
    FileDialog Dialog(bool thumbnails = false) const {
        return {caption, "Profiles", "velmoraprofile", "", WideToUtf8(folder), thumbnails};
    }
    std::string InFolder(const std::string& name) const { return WideToUtf8(folder) + "\\" + name; }
};

TEST_F(FileDialogWindow, OpenShowsTitleAndFilterAndAnswersTheChosenFileInTheStartingFolder) {
    Win32UserInterface ui;
    bool openWhileShown = false;
    const std::wstring title = Utf8ToWide("Open " + caption);
    const std::string file =
        RunDialog([&] { return ui.ShowOpenDialog(Dialog()); },
                  [&](HWND dialog) {
                      EXPECT_EQ(FindWindowW(L"#32770", title.c_str()), dialog);
                      EXPECT_EQ(TextOf(GetDlgItem(dialog, FileTypeBox)), L"Profiles (*.velmoraprofile)");
                      EXPECT_EQ(TextOf(GetDlgItem(dialog, FileNameBox)), L"");
                      openWhileShown = ui.DialogOpen();
                      // Wine checks that the file exists before it adds the
                      // default extension, so the name is typed whole here.
                      TypeAndPress(dialog, L"Mine.velmoraprofile", IDOK);
                  });
    EXPECT_FALSE(WatchdogFired());
    EXPECT_EQ(file, InFolder("Mine.velmoraprofile"));
    EXPECT_TRUE(openWhileShown) << "hand-overs are ignored while a file dialog is up";
    EXPECT_FALSE(ui.DialogOpen());
    wchar_t working[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, working);
    EXPECT_EQ(WideToUtf8(working), ProgramFolder()) << "the working folder goes back to the program's";
}

TEST_F(FileDialogWindow, CancelAnswersNothing) {
    const std::string file = RunDialog([&] { return ShowFileDialogWindow(nullptr, Dialog(), false); },
                                       [](HWND dialog) { TypeAndPress(dialog, L"Mine", IDCANCEL); });
    EXPECT_FALSE(WatchdogFired());
    EXPECT_EQ(file, "");
}

// The caller asks before replacing a file; a second question from the dialog
// would keep it open until the watchdog cancels it. The suggested name has no
// extension: the default one is added.
TEST_F(FileDialogWindow, SaveStartsWithTheSuggestedNameAddsTheExtensionAndDoesNotAskBeforeReplacing) {
    Win32UserInterface ui;
    FileDialog dialog = Dialog();
    dialog.SuggestedName = "Mine";
    const std::wstring title = Utf8ToWide("Save " + caption);
    const std::string file = RunDialog([&] { return ui.ShowSaveDialog(dialog); },
                                       [&](HWND shown) {
                                           EXPECT_EQ(FindWindowW(L"#32770", title.c_str()), shown);
                                           EXPECT_EQ(TextOf(GetDlgItem(shown, FileNameBox)), L"Mine");
                                           TypeAndPress(shown, nullptr, IDOK);
                                       });
    EXPECT_FALSE(WatchdogFired());
    EXPECT_EQ(file, InFolder("Mine.velmoraprofile"));
}

// Wine keeps a view's mode when it browses, so the list comes back only
// through the command sent on the folder change.
TEST_F(FileDialogWindow, ListViewComesBackAfterAFolderChange) {
    LRESULT before = -1;
    LRESULT after = -1;
    RunDialog([&] { return ShowFileDialogWindow(nullptr, Dialog(), false); },
              [&](HWND dialog) {
                  PostMessageW(ShellView(dialog), WM_COMMAND, 28716, 0);  // the details view
                  Pump(200);
                  before = ListViewMode(dialog);
                  TypeAndPress(dialog, L"Sub", IDOK);  // browses into the folder
                  Pump(600);
                  after = ListViewMode(dialog);
                  TypeAndPress(dialog, nullptr, IDCANCEL);
              });
    EXPECT_FALSE(WatchdogFired());
    EXPECT_EQ(before, LV_VIEW_DETAILS);
    EXPECT_EQ(after, LV_VIEW_LIST);
}

// Commands posted to the dialog's shell view, seen on their way in.
std::vector<WPARAM>& ViewCommands() {
    static std::vector<WPARAM> commands;
    return commands;
}

HHOOK& MessageHook() {
    static HHOOK hook = nullptr;
    return hook;
}

LRESULT CALLBACK RecordViewCommand(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    wchar_t name[64]{};
    if (code >= 0 && message->message == WM_COMMAND && GetClassNameW(message->hwnd, name, 64) &&
        lstrcmpW(name, L"SHELLDLL_DefView") == 0)
        ViewCommands().push_back(message->wParam);
    return CallNextHookEx(MessageHook(), code, wParam, lParam);
}

// Wine's shell view has no thumbnail mode and ignores the command, so only
// the command itself can be checked here, not the view it gives on Windows.
TEST_F(FileDialogWindow, ThumbnailCommandGoesToTheViewOnEveryFolder) {
    ViewCommands().clear();
    MessageHook() = SetWindowsHookExW(WH_GETMESSAGE, RecordViewCommand, nullptr, GetCurrentThreadId());
    std::size_t beforeBrowsing = 0;
    RunDialog([&] { return ShowFileDialogWindow(nullptr, Dialog(true), false); },
              [&](HWND dialog) {
                  beforeBrowsing = ViewCommands().size();
                  TypeAndPress(dialog, L"Sub", IDOK);
                  Pump(600);
                  TypeAndPress(dialog, nullptr, IDCANCEL);
              });
    UnhookWindowsHookEx(MessageHook());
    EXPECT_EQ(beforeBrowsing, 1u) << "the starting folder";
    EXPECT_EQ(ViewCommands(), (std::vector<WPARAM>{ThumbnailViewCommand, ThumbnailViewCommand}));
}

// Regression: Wine's dialog crashed the program when given a starting folder
// longer than MAX_PATH; such a folder is left out and the dialog still answers.
TEST_F(FileDialogWindow, StartingFolderTooLongForTheDialogIsLeftOut) {
    std::vector<std::wstring> made;
    std::wstring deep = folder;
    for (int level = 0; level < 5; ++level) {
        deep += L"\\" + std::wstring(60, L'x') + std::to_wstring(level);
        if (CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr)) made.push_back(deep);
    }
    FileDialog dialog = Dialog();
    dialog.Folder = WideToUtf8(deep);
    dialog.SuggestedName = "Deep";
    const std::string file = RunDialog([&] { return ShowFileDialogWindow(nullptr, dialog, true); },
                                       [](HWND shown) { TypeAndPress(shown, nullptr, IDOK); });
    for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW((L"\\\\?\\" + *it).c_str());
    EXPECT_EQ(made.size(), 5u);
    EXPECT_FALSE(WatchdogFired());
    EXPECT_EQ(FileTitle(file) + "." + FileExtension(file), "Deep.velmoraprofile");
}

}  // namespace
}  // namespace velmora

#endif
