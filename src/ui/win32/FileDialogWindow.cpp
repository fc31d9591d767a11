#include "ui/win32/FileDialogWindow.h"

#include <algorithm>
#include <vector>

#include "base/Paths.h"
#include "base/win32/WideText.h"
#include "files/FileDialogs.h"
#include "ui/ModalLoops.h"
#include "ui/win32/DialogControls.h"
// <commdlg.h> needs <windows.h> first; WIN32_LEAN_AND_MEAN leaves it out.
#include <commdlg.h>

namespace velmora {
namespace {

// "Profiles (*.velmoraprofile)", zero, "*.velmoraprofile", zero, zero.
std::wstring FilterText(const FileDialog& dialog) {
    std::wstring filter = Utf8ToWide(FileDialogFilterName(dialog));
    filter.push_back(L'\0');
    filter += Utf8ToWide(FileDialogFilterPattern(dialog));
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

// Whenever the dialog shows another folder, its list goes back to the one
// view the caller asked for: thumbnails for pictures, a plain list otherwise.
// The view is a child of the dialog, while this hook runs for an (empty)
// child dialog of its own, so the view is found through the parent.
UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* request = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        SetWindowLongPtrW(hook, GWLP_USERDATA, request->lCustData);
    } else if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_FOLDERCHANGE) {
        HWND view = FindWindowExW(GetParent(hook), nullptr, L"SHELLDLL_DefView", nullptr);
        const auto command = static_cast<WPARAM>(GetWindowLongPtrW(hook, GWLP_USERDATA));
        // Posted: the view is still being filled while the notice is sent.
        if (view) PostMessageW(view, WM_COMMAND, command, 0);
    }
    return 0;
}

struct DialogTexts {
    std::wstring Title;
    std::wstring Filter;
    std::wstring Extension;
    std::wstring Folder;
    std::vector<wchar_t> File;
};

DialogTexts MakeTexts(const FileDialog& dialog, bool save) {
    DialogTexts texts{Utf8ToWide(FileDialogTitle(dialog, save)), FilterText(dialog),
                      Utf8ToWide(dialog.Extension), Utf8ToWide(dialog.Folder),
                      std::vector<wchar_t>(LongestPath, L'\0')};
    const std::wstring name = Utf8ToWide(dialog.SuggestedName);
    if (name.size() < LongestPath) std::copy(name.begin(), name.end(), texts.File.begin());
    return texts;
}

// The dialog keeps its folders in MAX_PATH buffers of its own (Wine's
// crashes on a longer starting folder), so a longer one is left out and the
// dialog starts in the last folder used or the working folder.
bool StartsIn(const std::wstring& folder) {
    return !folder.empty() && folder.size() < MAX_PATH;
}

OPENFILENAMEW MakeRequest(HWND owner, DialogTexts& texts, bool save, bool thumbnails) {
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = texts.Filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = texts.File.data();
    request.nMaxFile = LongestPath;
    request.lpstrInitialDir = StartsIn(texts.Folder) ? texts.Folder.c_str() : nullptr;
    request.lpstrTitle = texts.Title.c_str();
    request.lpstrDefExt = texts.Extension.empty() ? nullptr : texts.Extension.c_str();
    request.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                    OFN_PATHMUSTEXIST | (save ? 0 : OFN_FILEMUSTEXIST);
    request.lpfnHook = FileDialogHook;
    request.lCustData = static_cast<LPARAM>(thumbnails ? ThumbnailViewCommand : ListViewCommand);
    return request;
}

// The dialog moves the working folder as the user browses; the program's
// folder is where it is kept, so that no chosen folder stays in use.
void RestoreWorkingFolder() {
    if (!ProgramFolder().empty()) SetCurrentDirectoryW(Utf8ToWide(ProgramFolder()).c_str());
}

}  // namespace

std::string ShowFileDialogWindow(HWND owner, const FileDialog& dialog, bool save) {
    DialogTexts texts = MakeTexts(dialog, save);
    OPENFILENAMEW request = MakeRequest(owner, texts, save, dialog.Thumbnails);
    BOOL chosen = FALSE;
    {
        const ModalLoopScope held;
        const OtherWindowsDisabled others(nullptr, owner);  // the dialog disables its owner itself
        chosen = save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
    }
    RestoreWorkingFolder();
    if (!chosen) return {};
    return WideToUtf8(texts.File.data());
}

}  // namespace velmora
