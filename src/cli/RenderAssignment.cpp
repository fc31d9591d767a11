// velmora-cli render --window assignment: the assignment window's keyboard
// picture for one control of a profile, with the key colours of that
// control's set, as a 24-bit BMP. The format is described in
// docs/velmora-cli-render.md.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "app/settings/AssignmentKeyboard.h"
#include "base/FileSystem.h"
#include "cli/Commands.h"
#include "files/ConfigurationFile.h"
#include "files/ControllerFiles.h"
#include "files/ProfileFiles.h"
#include "model/Configuration.h"
#include "model/ControllerLayout.h"

namespace velmora::cli {
namespace {

struct AssignmentRenderOptions {
    std::string Window, Profile, Layout, Ini, Out;
    int Control = -1;
    int Set = 0;  // 0..7
    int DesktopWidth = 1024;
};

class StderrUserInterface : public NoUserInterface {
public:
    int ShowMessageDialog(const MessageDialog& dialog) override {
        std::fprintf(stderr, "velmora-cli render: %s\n", dialog.Heading.c_str());
        return NoUserInterface::ShowMessageDialog(dialog);
    }
};

bool ParseNumber(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return value >= low && value <= high;
}

bool ParseOption(const Arguments& args, std::size_t& i, AssignmentRenderOptions& o) {
    if (i + 1 >= args.size()) return false;
    const std::string& name = args[i];
    const std::string& value = args[++i];
    if (name == "--window") return (o.Window = value) == "assignment";
    if (name == "--profile") return !(o.Profile = value).empty();
    if (name == "--layout") return !(o.Layout = value).empty();
    if (name == "--ini") return !(o.Ini = value).empty();
    if (name == "--out") return !(o.Out = value).empty();
    if (name == "--control") return (o.Control = FindControl(value)) >= 0;
    if (name == "--desktop-width") return ParseNumber(value, 1, 100000, o.DesktopWidth);
    if (name == "--set" && ParseNumber(value, 1, SetCount, o.Set)) return --o.Set, true;
    return false;
}

bool ParseOptions(const Arguments& args, AssignmentRenderOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!ParseOption(args, i, options)) return false;
    return !options.Profile.empty() && !options.Layout.empty() && !options.Out.empty() &&
           options.Control >= 0;
}

std::string Absolute(const std::string& path) {
    return std::filesystem::absolute(path).string();
}

// The profile as the program opens it for a controller of the layout.
bool Load(const AssignmentRenderOptions& options, ConfigurationType& config, ProfileType& profile,
          UserInterface& ui) {
    if (!options.Ini.empty()) ReadConfigurationFile(config, ui, Absolute(options.Ini), "");
    ControllerFileType layout;
    if (!ReadControllerFile(Absolute(options.Layout), layout, ui)) {
        std::fprintf(stderr, "velmora-cli render: %s: cannot open the layout\n", options.Layout.c_str());
        return false;
    }
    if (!ReadProfile(Absolute(options.Profile), profile, config, ui)) {
        std::fprintf(stderr, "velmora-cli render: %s: cannot open the profile\n", options.Profile.c_str());
        return false;
    }
    AdaptTriggers(profile, PlacedControls(layout));
    profile.CurrentSet = static_cast<std::uint8_t>(options.Set);
    return true;
}

}  // namespace

int RunRenderAssignment(const Arguments& args) {
    AssignmentRenderOptions options;
    if (!ParseOptions(args, options)) {
        std::fputs(
            "usage: velmora-cli render --window assignment --profile P --layout L --control CONTROL [--set "
            "N] "
            "[--desktop-width W] [--ini FILE] --out FILE.bmp\n",
            stderr);
        return 2;
    }
    StderrUserInterface ui;
    ConfigurationType config;
    auto profile = std::make_unique<ProfileType>();
    if (!Load(options, config, *profile, ui)) return 1;
    const KeyStates states = ComputeKeyStates(profile->Sets[profile->CurrentSet], options.Control);
    const PictureType picture = DrawKeyboardPicture(
        states, TableGlyphs(), KeyboardGeometryFor(options.DesktopWidth), config.ThemeButtons);
    const std::vector<std::uint8_t> bytes = PictureBitmap(picture);
    if (!DefaultFileSystem().WriteFile(options.Out, std::string(bytes.begin(), bytes.end()))) {
        std::fprintf(stderr, "velmora-cli render: cannot write \"%s\"\n", options.Out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace velmora::cli
