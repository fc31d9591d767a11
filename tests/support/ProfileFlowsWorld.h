#pragma once
// Controllers with profiles and layouts over real files, the recording user
// interface and a configuration: the world of the profile and layout menu
// commands and of the close check.

#include <memory>
#include <string>

#include "devices/DeviceRumble.h"
#include "files/ControllerFiles.h"
#include "files/FileDialogs.h"
#include "files/ProfileFiles.h"
#include "model/ProfileModel.h"
#include "model/SlotCodes.h"
#include "support/FakeDeviceApi.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora::test {

// The answers of the save question, by the button's number.
inline constexpr int SaveAnswer = 1, DoNotSave = 2, Cancel = 3;

struct ProfileFlowsWorld {
    FakeDeviceApi Api;
    std::unique_ptr<ControllerListType> List = std::make_unique<ControllerListType>();
    RecordingUserInterface Ui;
    ConfigurationType Config;
    DeviceRumble Rumble{Api};
    DeviceContext Context{*List, Api, Ui, Config, Rumble};
    TempFolder Folder;
    TempFolder Documents;
    FilePlaces SavedPlaces = CurrentFilePlaces();

    ProfileFlowsWorld() {
        CurrentFilePlaces().DocumentsFolder = Documents.Folder();
        Config.DefaultProfileLocation = Folder.Folder();
        Config.DefaultControllerLocation = Folder.Folder();
    }
    ~ProfileFlowsWorld() { CurrentFilePlaces() = SavedPlaces; }
    ProfileFlowsWorld(const ProfileFlowsWorld&) = delete;
    ProfileFlowsWorld& operator=(const ProfileFlowsWorld&) = delete;

    // A connected controller with a blank profile and a layout of its own
    // (or the layout of an earlier controller of the same model).
    ControllerDataType& Add(const std::string& name, int sharesLayoutWith = -1) {
        ControllerDataType& c = List->Controllers.emplace_back();
        c.Arrival = static_cast<std::uint8_t>(List->Count() - 1);
        c.Name = name;
        c.Identity = {name, 0x12345678};
        NewProfile(c.Profile, Config);
        if (sharesLayoutWith >= 0) {
            c.ControllerFileIndex = Pad(static_cast<std::size_t>(sharesLayoutWith)).ControllerFileIndex;
            c.Identity = Pad(static_cast<std::size_t>(sharesLayoutWith)).Identity;
            c.InstanceNumber = 1;
        } else {
            c.ControllerFileIndex = static_cast<std::uint8_t>(List->Layouts.size());
            List->Layouts.emplace_back().Identity = c.Identity;
        }
        if (List->Selected == NoSelection) List->Selected = 0;
        return c;
    }
    ControllerDataType& Pad(std::size_t k) { return List->Controllers[k]; }
    ControllerFileType& LayoutOf(std::size_t k) { return List->LayoutOf(Pad(k)); }

    // Makes the controller's profile changed, its Button1 pressing the key.
    void Change(std::size_t k, std::string_view key = "B") {
        SetSlot(Pad(k).Profile.Sets[0].Assignments[static_cast<std::size_t>(Button1)].Slots, 0,
                *FindSlotCode(key));
        Pad(k).Profile.Changed = true;
    }
    // Writes a profile file whose Button1 presses the key named.
    std::string WriteProfileFile(const std::string& title, std::string_view key = "A",
                                 std::string name = {}) {
        ProfileType p;
        NewProfile(p, Config);
        p.FileName = Folder.File(title + ".velmoraprofile");
        SetSlot(p.Sets[0].Assignments[static_cast<std::size_t>(Button1)].Slots, 0, *FindSlotCode(key));
        p.Sets[0].Assignments[1].Name = std::move(name);  // Button2
        RecordingUserInterface quiet;
        WriteProfile(p, quiet);
        return p.FileName;
    }
    std::uint8_t Button1Code(std::size_t k) {
        return Pad(k).Profile.Sets[0].Assignments[static_cast<std::size_t>(Button1)].Slots.Codes[0];
    }
    std::string Headings() const {
        std::string all;
        for (const MessageDialog& d : Ui.Dialogs) all += d.Heading + "|";
        return all;
    }
};

}  // namespace velmora::test
