#pragma once
// The global settings window: six tabs over the configuration (options,
// default dead zones, theme, language tools, known controllers, the
// profiles that follow the program in front). The form
// turns clicks into calls of the window's logic and shows what it answers.

#include <array>
#include <vector>

#include "app/settings/GlobalSettingsWindow.h"
#include "app/win32/Win32Registry.h"
#include "app/win32/settings/MainWindowSettingsShell.h"
#include "ui/win32/SettingsForm.h"

namespace velmora {

struct Application;

class TGlobalSettingsForm : public TSettingsForm {
public:
    explicit TGlobalSettingsForm(Application& app);

    // Shows the first tab with every tab refilled.
    void OpenFor(int subject) override;
    // Refills every tab from the configuration (controllers came or went).
    void Refresh() override;

protected:
    void FormIsCreated() override;
    void FormIsClosed() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    GlobalSettingsContext Context();
    HWND AddControl(GlobalSettingsTab tab, const wchar_t* className, const std::string& text, DWORD style,
                    RECT place, int id);
    void CreateOptionsPage();
    void CreateValuesPage();
    void CreateThemePage();
    void CreateLanguagePage();
    void CreateControllersPage();
    void CreateProgramsPage();
    void ShowTab(GlobalSettingsTab tab);

    void RefreshOptions();
    void RefreshValues();
    void RefreshTheme();
    void RefreshControllers();
    void RefreshControllerButtons();
    void ClearListSelection();
    void RefreshPrograms();
    void RefreshProgramList();
    void RefreshProgramFields();
    void ProgramsCommand(int id, int code);
    void AddProgram();

    void Command(int id, int code);
    void OptionClick(int index);
    void DeadZoneMoved();
    void ThemeCommand(int id);
    void ControllersCommand(int id);
    LRESULT Notify(const NMHDR& header);

    void PaintPalette(HDC dc) const;
    void Paint();
    void PaletteMouse(UINT message, int x, int y);
    void PaletteTimer();

    Application& app_;
    MainWindowSettingsShell shell_;
    Win32Registry registry_;
    GlobalSettingsState state_;
    bool refreshing_ = false;
    HWND tabs_ = nullptr;
    HWND list_ = nullptr;
    HWND paletteLabel_ = nullptr;
    HWND programList_ = nullptr;
    int programSelection_ = NoListSelection;
    std::array<std::vector<HWND>, GlobalSettingsTabCount> pages_;
};

}  // namespace velmora
