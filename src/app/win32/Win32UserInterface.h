#pragma once
// The user-interface seam over the real windows: the main window's picture,
// the message dialog, the help window, popup menus, file dialogs and the
// settings windows, each registered here by its form.

#include <array>

#include "app/win32/LayoutView.h"
#include "base/UserInterface.h"
#include "base/win32/Windows.h"
#include "ui/HelpTexts.h"
#include "ui/win32/HelpWindow.h"
#include "ui/win32/SettingsForm.h"

namespace velmora {

struct ConfigurationType;

class Win32UserInterface : public UserInterface {
public:
    // The window that owns the dialogs (none during the start-up gates).
    void SetOwner(HWND owner) { owner_ = owner; }
    // Where the help window keeps its position (none: always centred).
    void SetConfiguration(ConfigurationType* config) { config_ = config; }
    // What the about topic shows of the running program.
    HelpValues& Help() { return helpValues_; }
    // While a dialog is on screen, hand-overs and the second-start toggle are ignored.
    bool DialogOpen() const { return dialogsOpen_ > 0; }
    // The main window's picture, which the two drawing calls below draw into.
    LayoutView& Layout() { return layout_; }

    // The form that shows a settings window (kept by the caller for the run).
    void RegisterForm(SettingsWindow window, TSettingsForm& form);
    // Before the forms go: every settings window counts as closed from then on.
    void ForgetForms() { forms_.fill(nullptr); }
    // The registered form of a window, open or not (null when none is registered).
    TSettingsForm* Form(SettingsWindow window) const { return forms_[static_cast<std::size_t>(window)]; }

    int ShowMessageDialog(const MessageDialog& dialog) override;
    bool IsWindowOpen(SettingsWindow window) const override;
    void CloseWindow(SettingsWindow window) override;
    // Opening a settings window closes the others first (but the window it
    // opens beside); an open window shows its new subject.
    void OpenWindow(SettingsWindow window) override { OpenWindowFor(window, -1); }
    void OpenWindowFor(SettingsWindow window, int subject) override;
    int WindowSubject(SettingsWindow window) const override;
    void RefreshWindow(SettingsWindow window) override;
    void UpdateLiveDisplay(SettingsWindow window) override;
    void CaptureKeyboard(bool keyEmitting) override;
    void ShowTurboDemonstration(bool lit) override;
    void DetectionTick() override;
    // Closes every settings window (minimising, a profile change, the end of the run).
    void CloseAllWindows();
    bool MainWindowShowing() const override;
    void DrawControlButton(int control) override { layout_.DrawControlButton(control); }
    void RedrawLayout() override { layout_.RedrawLayout(); }
    void RedrawSlotDisplays() override;
    void PlayAnimation(LayoutAnimation kind, bool animated) override { layout_.Play(owner_, kind, animated); }

    // The help window at a topic, modally; an unknown topic shows it unchanged.
    void ShowHelp(int topic) override;
    void MinimizeProgram() override;
    void ShowProfileNamePressed(bool pressed) override;
    // The picture shows the pressed look of the button first; the menu opens below it.
    int ShowPopupMenu(const std::vector<MenuItem>& items, MenuPlace place) override;
    // The system's file dialogs, modally over the main window.
    std::string ShowOpenDialog(const FileDialog& dialog) override { return ShowFileDialog(dialog, false); }
    std::string ShowSaveDialog(const FileDialog& dialog) override { return ShowFileDialog(dialog, true); }

private:
    void ShowPictureNow();
    std::string ShowFileDialog(const FileDialog& dialog, bool save);
    // The registered form of a window that is open, else null.
    TSettingsForm* OpenForm(SettingsWindow window) const;

    HWND owner_ = nullptr;
    ConfigurationType* config_ = nullptr;
    HelpValues helpValues_;
    THelpForm helpForm_;
    int dialogsOpen_ = 0;  // a message may come up over another: each counts
    LayoutView layout_;
    std::array<TSettingsForm*, SettingsWindowCount> forms_{};
};

}  // namespace velmora
