#pragma once
// The whole portable pass over fake devices: controllers are plugged and
// unplugged, the pass runs, and the test reads the injected records, the
// dialogs and what the shell was asked to do.

#include <memory>

#include "app/MainPass.h"
#include "devices/DeviceContext.h"
#include "devices/DeviceRumble.h"
#include "files/ControllerFiles.h"
#include "files/ProfileFiles.h"
#include "model/ProfileModel.h"
#include "support/FakeDeviceApi.h"
#include "support/FileTestSupport.h"
#include "support/RecordingInputSink.h"
#include "support/RecordingUserInterface.h"

namespace velmora::test {

// How many of the lines hold the text.
inline int Count(const std::vector<std::string>& lines, std::string_view what) {
    int n = 0;
    for (const std::string& line : lines) n += line.find(what) != std::string::npos;
    return n;
}

inline AssignmentType& Button1Of(ControllerDataType& c) {
    return c.Profile.Sets[0].Assignments[Button1];
}

class RecordingShell : public ShellRequests {
public:
    std::vector<int> Frames;
    std::vector<std::string> Launched;
    int Minimizes = 0, Helps = 0, CloseQueries = 0;
    bool AllowClose = true;

    void DrawWaitingFrame(int frame) override { Frames.push_back(frame); }
    void MinimizeProgram() override { ++Minimizes; }
    void ShowHelp() override { ++Helps; }
    bool CloseQuery() override {
        ++CloseQueries;
        return AllowClose;
    }
    void LaunchShortcut(const std::string& path) override { Launched.push_back(path); }
    std::vector<std::string> LowBatteries;
    void BatteryLow(const std::string& name) override { LowBatteries.push_back(name); }
};

struct MainPassWorld {
    FakeDeviceApi Api;
    RecordingInputSink Sink;
    RecordingUserInterface Ui;
    ConfigurationType Config;
    RecordingShell Shell;
    std::unique_ptr<MainLoopState> State = std::make_unique<MainLoopState>();
    MainPassSeams Seams{Api, Sink, Ui, Config, Shell, nullptr, [](const std::string&) { return true; }};
    TempFolder Folder;
    // The flows of the menus and the close question, over the same list.
    DeviceRumble Rumble{Api};
    DeviceContext Context{State->List, Api, Ui, Config, Rumble};

    MainPassWorld() { Ui.Showing = true; }

    // As the shell's main loop: the work between passes, then the pass.
    bool Run(int passes = 1) {
        bool going = true;
        for (int i = 0; i < passes; ++i) {
            RunBetweenPasses(*State, Seams);
            going = Pass();
        }
        return going;
    }
    // A pass alone, as the shell's timer runs them inside a dialog.
    bool Pass(int passes = 1) {
        bool going = true;
        for (int i = 0; i < passes; ++i) {
            Sink.Pass = static_cast<int>(State->Loop.TotalPasses());
            going = RunMainPass(*State, Seams);
        }
        return going;
    }
    void Rescan(int passes = 1) {
        State->List.RescanFlag = true;
        Run(passes);
    }
    ControllerListType& List() { return State->List; }
    ControllerDataType& Pad(std::size_t k) { return State->List.Controllers[k]; }
    ControllerDataType* Named(const std::string& name) {
        for (ControllerDataType& c : State->List.Controllers)
            if (c.Identity.DeviceName == name) return &c;
        return nullptr;
    }
    // Writes a profile whose Button1 presses the key named.
    std::string WriteProfileFile(const std::string& title, std::string_view key = "A",
                                 int control = Button1) {
        ProfileType p;
        NewProfile(p, Config);
        p.FileName = Folder.File(title + ".velmoraprofile");
        SetSlot(p.Sets[0].Assignments[static_cast<std::size_t>(control)].Slots, 0, *FindSlotCode(key));
        RecordingUserInterface quiet;
        WriteProfile(p, quiet);
        return p.FileName;
    }
    // A known model (no pad of it plugged yet) with a layout file of its own and these recent profiles.
    KnownControllerDataType& KnowModel(const std::string& name, const std::array<std::string, 4>& recent) {
        ControllerFileType layout;
        layout.FileName = Folder.File(name + ".velmoracontroller");
        EXPECT_TRUE(WriteControllerFile(layout, Ui));
        KnownControllerDataType& known = Config.KnownControllers[Config.KnownCount++];
        known.Identity = {name, 0x045E0028};
        known.ControllerFile = layout.FileName;
        known.RecentProfiles = recent;
        return known;
    }
    static void Press(FakeDevice& d, int button, bool down = true) {
        d.State.Buttons[static_cast<std::size_t>(button)] = down ? 0x80 : 0;
    }
};

}  // namespace velmora::test
