#pragma once
// A scripted user interface for tests: records every dialog and redraw, answers
// questions from a queue, and keeps a set of open windows.

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace velmora::test {

class RecordingUserInterface : public UserInterface {
public:
    std::vector<MessageDialog> Dialogs;
    std::deque<int> Answers;  // answers for questions, in order; closing (3) when empty
    std::array<bool, SettingsWindowCount> Open{};
    std::vector<SettingsWindow> Closed;
    std::vector<int> DrawnButtons;
    int LayoutRedraws = 0;
    int SlotDisplayRedraws = 0;
    bool Showing = true;
    std::vector<FileDialog> OpenDialogs;
    std::vector<FileDialog> SaveDialogs;
    std::deque<std::string> ChosenFiles;  // answers for file dialogs, in order; cancelled when empty

    // What happens while each dialog (message, open or save) is up, one entry
    // per dialog in order: the passes a real dialog lets run, with devices
    // plugged or pulled meanwhile. An empty entry lets a dialog go by.
    std::deque<std::function<void()>> WhileDialogsUp;
    // Runs while every message or file dialog is up: passes, plugging, hand-overs.
    std::function<void()> WhileDialogShown;
    void DialogUp() {
        if (!WhileDialogsUp.empty()) {
            const std::function<void()> meanwhile = std::move(WhileDialogsUp.front());
            WhileDialogsUp.pop_front();
            if (meanwhile) meanwhile();
        }
        if (!WhileDialogShown) return;
        const std::function<void()> up = WhileDialogShown;  // it may be replaced meanwhile
        up();
    }

    int ShowMessageDialog(const MessageDialog& dialog) override {
        Dialogs.push_back(dialog);
        DialogUp();
        if (dialog.Buttons == OkButtons) return 0;
        if (Answers.empty()) return 3;
        const int answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    bool IsWindowOpen(SettingsWindow w) const override { return Open[static_cast<std::size_t>(w)]; }
    void CloseWindow(SettingsWindow w) override {
        if (Open[static_cast<std::size_t>(w)]) Closed.push_back(w);
        Open[static_cast<std::size_t>(w)] = false;
    }
    bool MainWindowShowing() const override { return Showing; }
    void DrawControlButton(int control) override { DrawnButtons.push_back(control); }
    void RedrawLayout() override { ++LayoutRedraws; }
    void RedrawSlotDisplays() override { ++SlotDisplayRedraws; }
    std::vector<SettingsWindow> Refreshed;  // refreshes asked of open windows
    void RefreshWindow(SettingsWindow w) override {
        if (Open[static_cast<std::size_t>(w)]) Refreshed.push_back(w);
    }

    std::vector<SettingsWindow> Opened;
    void OpenWindow(SettingsWindow w) override {
        Opened.push_back(w);
        SetOpen(w);
    }

    std::string ShowOpenDialog(const FileDialog& dialog) override {
        OpenDialogs.push_back(dialog);
        DialogUp();
        return NextChosenFile();
    }
    std::string ShowSaveDialog(const FileDialog& dialog) override {
        SaveDialogs.push_back(dialog);
        DialogUp();
        return NextChosenFile();
    }
    std::string NextChosenFile() {
        if (ChosenFiles.empty()) return {};
        std::string file = ChosenFiles.front();
        ChosenFiles.pop_front();
        return file;
    }

    std::array<int, SettingsWindowCount> Subjects{};
    void OpenWindowFor(SettingsWindow w, int subject) override {
        OpenWindow(w);
        Subjects[static_cast<std::size_t>(w)] = subject;
    }
    int WindowSubject(SettingsWindow w) const override {
        return IsWindowOpen(w) ? Subjects[static_cast<std::size_t>(w)] : -1;
    }

    // Every popup menu shown, and the tags to answer them with (none chosen when empty).
    struct ShownMenu {
        std::vector<MenuItem> Items;
        MenuPlace Place;
    };
    std::vector<ShownMenu> Menus;
    std::deque<int> MenuChoices;
    std::function<void()> WhileMenuShown;  // runs while each menu is up, to look at the window then
    int ShowPopupMenu(const std::vector<MenuItem>& items, MenuPlace place) override {
        Menus.push_back({items, place});
        if (WhileMenuShown) WhileMenuShown();
        if (MenuChoices.empty()) return NoMenuChoice;
        const int tag = MenuChoices.front();
        MenuChoices.pop_front();
        return tag;
    }
    struct PlayedAnimation {
        LayoutAnimation Kind;
        bool Animated;
        friend bool operator==(const PlayedAnimation&, const PlayedAnimation&) = default;
    };
    std::vector<PlayedAnimation> Animations;
    void PlayAnimation(LayoutAnimation kind, bool animated) override {
        Animations.push_back({kind, animated});
    }
    std::vector<int> HelpTopics;
    void ShowHelp(int topic) override { HelpTopics.push_back(topic); }
    int Minimizes = 0;
    void MinimizeProgram() override { ++Minimizes; }
    bool ProfileNamePressed = false;
    void ShowProfileNamePressed(bool pressed) override { ProfileNamePressed = pressed; }

    // The main loop's window steps, one line each: "capture 0|1", "live N", "turbo 0|1", "detect".
    std::vector<std::string> WindowSteps;
    void CaptureKeyboard(bool keyEmitting) override {
        WindowSteps.push_back(std::string("capture ") + (keyEmitting ? "1" : "0"));
    }
    void UpdateLiveDisplay(SettingsWindow w) override {
        WindowSteps.push_back("live " + std::to_string(static_cast<int>(w)));
    }
    void ShowTurboDemonstration(bool lit) override {
        WindowSteps.push_back(std::string("turbo ") + (lit ? "1" : "0"));
    }
    void DetectionTick() override { WindowSteps.push_back("detect"); }

    void SetOpen(SettingsWindow w, bool open = true) { Open[static_cast<std::size_t>(w)] = open; }
};

}  // namespace velmora::test
