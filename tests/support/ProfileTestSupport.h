#pragma once
// Reading profile text through real files.

#include <string>

#include "files/ProfileFiles.h"
#include "model/Profile.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora::test {

struct ProfileRead {
    TempFolder Folder;
    RecordingUserInterface Ui;
    ConfigurationType Config;
    ProfileType Profile;
    std::string Path;

    bool Read(const std::string& text, const std::string& name = "pad.velmoraprofile") {
        Path = Folder.Write(name, text);
        return ReadProfile(Path, Profile, Config, Ui);
    }
    AssignmentType& At(int set, int control) {
        return Profile.Sets[static_cast<std::size_t>(set)].Assignments[static_cast<std::size_t>(control)];
    }
};

}  // namespace velmora::test
