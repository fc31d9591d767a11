// velmora-cli simulate: play a controller script against a profile with the
// real engine and print every injected record, pass by pass. The formats are
// described in docs/velmora-cli-simulate.md.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "cli/Commands.h"
#include "engine/Simulation.h"
#include "files/ControllerFiles.h"
#include "files/ProfileFiles.h"
#include "model/Configuration.h"
#include "model/ControllerLayout.h"

namespace velmora::cli {
namespace {

struct SimulateOptions {
    KeyCodeMode Mode = KeyCodeMode::ScanCodes;
    std::string Profile;
    std::string Script;
    std::string Layout;  // empty: no layout, the profile is used as read
};

bool ParseOptions(const Arguments& args, SimulateOptions& options) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--vk")
            options.Mode = KeyCodeMode::VirtualKeys;
        else if (arg == "--layout" && i + 1 < args.size())
            options.Layout = args[++i];
        else if (arg.starts_with("--"))
            return false;
        else
            files.push_back(arg);
    }
    if (files.size() != 2) return false;
    options.Profile = files[0];
    options.Script = files[1];
    return true;
}

// The profile reader's messages (bad values keep their defaults) go to
// standard error, so that standard output holds only the trace.
class StderrUserInterface : public NoUserInterface {
public:
    int ShowMessageDialog(const MessageDialog& dialog) override {
        std::fprintf(stderr, "velmora-cli simulate: %s\n", dialog.Heading.c_str());
        return NoUserInterface::ShowMessageDialog(dialog);
    }
};

bool ReadScript(const std::string& path, SimulationScript& script) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "velmora-cli simulate: %s: cannot read the script\n", path.c_str());
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    if (ParseScript(text.str(), script, error)) return true;
    std::fprintf(stderr, "velmora-cli simulate: %s: %s\n", path.c_str(), error.c_str());
    return false;
}

// Opening a profile for a controller of this layout moves button and trigger
// assignments to the controls the layout actually has, as the program does.
bool ApplyLayout(const std::string& path, ProfileType& profile, UserInterface& ui) {
    auto layout = std::make_unique<ControllerFileType>();
    if (!ReadControllerFile(std::filesystem::absolute(path).string(), *layout, ui)) {
        std::fprintf(stderr, "velmora-cli simulate: %s: cannot open the layout\n", path.c_str());
        return false;
    }
    AdaptTriggers(profile, PlacedControls(*layout));
    return true;
}

}  // namespace

int RunSimulate(const Arguments& args) {
    SimulateOptions options;
    if (!ParseOptions(args, options)) {
        std::fputs("usage: velmora-cli simulate [--vk] [--layout FILE] PROFILE SCRIPT\n", stderr);
        return 2;
    }
    SimulationScript script;
    if (!ReadScript(options.Script, script)) return 1;
    ProfileType profile;
    StderrUserInterface ui;
    const std::string path = std::filesystem::absolute(options.Profile).string();
    if (!ReadProfile(path, profile, ConfigurationType{}, ui)) {
        std::fprintf(stderr, "velmora-cli simulate: %s: cannot open the profile\n", options.Profile.c_str());
        return 1;
    }
    if (!options.Layout.empty() && !ApplyLayout(options.Layout, profile, ui)) return 1;
    RunSimulation(profile, script, options.Mode, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace velmora::cli
