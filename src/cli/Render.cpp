// velmora-cli render: the main window's picture for a profile and a layout,
// with one controller connected and selected and the animations finished,
// as a 24-bit 520 x 360 BMP. The format is described in docs/velmora-cli-render.md.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "app/ControllerScene.h"
#include "base/FileSystem.h"
#include "cli/Commands.h"
#include "files/ConfigurationFile.h"
#include "files/ControllerFiles.h"
#include "files/ProfileFiles.h"
#include "model/Configuration.h"
#include "model/ControllerLayout.h"
#include "ui/LayoutPicture.h"
#include "ui/Tabs.h"
#include "ui/TextDrawer.h"

namespace velmora::cli {
namespace {

struct RenderOptions {
    std::string Profile, Layout, Ini, Out;
    int Set = 0;  // 0..7
    bool Names = false;
    bool ElevatedWindow = false;  // the notice that input cannot reach the window in front
    std::array<std::uint8_t, ControlCount> States{};
};

class StderrUserInterface : public NoUserInterface {
public:
    int ShowMessageDialog(const MessageDialog& dialog) override {
        std::fprintf(stderr, "velmora-cli render: %s\n", dialog.Heading.c_str());
        return NoUserInterface::ShowMessageDialog(dialog);
    }
};

// "Button1=2": the control by its profile-file name and a drawn state 0..2.
bool ParseState(const std::string& text, RenderOptions& options) {
    const auto equals = text.find('=');
    if (equals == std::string::npos || equals + 2 != text.size()) return false;
    const int control = FindControl(std::string_view(text).substr(0, equals));
    const char state = text[equals + 1];
    if (control < 0 || state < '0' || state > '2') return false;
    options.States[static_cast<std::size_t>(control)] = static_cast<std::uint8_t>(state - '0');
    return true;
}

bool ParseValue(const Arguments& args, std::size_t& i, std::string& value) {
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
}

bool ParseSet(const std::string& text, int& set) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '8') return false;
    set = text[0] - '1';
    return true;
}

// --state takes every following word up to the next option.
bool ParseStates(const Arguments& args, std::size_t& i, RenderOptions& options) {
    bool any = false;
    while (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
        if (!ParseState(args[++i], options)) return false;
        any = true;
    }
    return any;
}

bool ParseOption(const Arguments& args, std::size_t& i, RenderOptions& o) {
    const std::string& a = args[i];
    std::string set;
    if (a == "--profile") return ParseValue(args, i, o.Profile);
    if (a == "--layout") return ParseValue(args, i, o.Layout);
    if (a == "--ini") return ParseValue(args, i, o.Ini);
    if (a == "--out") return ParseValue(args, i, o.Out);
    if (a == "--set") return ParseValue(args, i, set) && ParseSet(set, o.Set);
    if (a == "--names") return o.Names = true;
    if (a == "--elevated-window") return o.ElevatedWindow = true;
    if (a == "--state") return ParseStates(args, i, o);
    return false;
}

bool ParseOptions(const Arguments& args, RenderOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!ParseOption(args, i, options)) return false;
    return !options.Profile.empty() && !options.Layout.empty() && !options.Out.empty();
}

std::string Absolute(const std::string& path) {
    return std::filesystem::absolute(path).string();
}

// One controller, connected and selected, with the layout and the profile.
struct Loaded {
    ConfigurationType Config;
    std::unique_ptr<ControllerListType> List = std::make_unique<ControllerListType>();

    ControllerFileType& Layout() { return List->Layouts.front(); }
    ControllerDataType& Controller() { return List->Controllers.front(); }
};

bool Load(const RenderOptions& options, Loaded& loaded, UserInterface& ui) {
    if (!options.Ini.empty()) ReadConfigurationFile(loaded.Config, ui, Absolute(options.Ini), "");
    loaded.List->Layouts.emplace_back();
    loaded.List->Controllers.emplace_back();
    if (!ReadControllerFile(Absolute(options.Layout), loaded.Layout(), ui)) {
        std::fprintf(stderr, "velmora-cli render: %s: cannot open the layout\n", options.Layout.c_str());
        return false;
    }
    ProfileType& profile = loaded.Controller().Profile;
    if (!ReadProfile(Absolute(options.Profile), profile, loaded.Config, ui)) {
        std::fprintf(stderr, "velmora-cli render: %s: cannot open the profile\n", options.Profile.c_str());
        return false;
    }
    // Opening a profile for this layout moves trigger assignments as the program does.
    AdaptTriggers(profile, PlacedControls(loaded.Layout()));
    profile.CurrentSet = static_cast<std::uint8_t>(options.Set);
    BuildThumbnail(loaded.Layout(), TabsFor(1));
    loaded.Controller().EffectiveState = options.States;
    loaded.List->Selected = 0;
    loaded.List->NamesShown = options.Names;
    return true;
}

LayoutScene SceneFor(const Loaded& loaded, const RenderOptions& options) {
    MainWindowStatus status;
    status.LayoutShown = true;
    status.AnimationDone = true;
    status.InputBlockedNotice = options.ElevatedWindow;
    return SceneOf(*loaded.List, loaded.Config, status);
}

}  // namespace

int RunRender(const Arguments& args) {
    if (IsSettingsWindowRender(args)) return RunRenderSettings(args);
    if (std::find(args.begin(), args.end(), "--window") != args.end()) return RunRenderAssignment(args);
    RenderOptions options;
    if (!ParseOptions(args, options)) {
        std::fputs(
            "usage: velmora-cli render --profile P --layout L [--ini FILE] [--set N] [--names] "
            "[--elevated-window] [--state CONTROL=0|1|2 ...] --out FILE.bmp\n",
            stderr);
        return 2;
    }
    StderrUserInterface ui;
    Loaded loaded;
    if (!Load(options, loaded, ui)) return 1;
    PictureType picture;
    const auto text = MakePixelFontTextDrawer();
    DrawMainPicture(picture, SceneFor(loaded, options), *text);
    const std::vector<std::uint8_t> bytes = PictureBitmap(picture);
    if (!DefaultFileSystem().WriteFile(options.Out, std::string(bytes.begin(), bytes.end()))) {
        std::fprintf(stderr, "velmora-cli render: cannot write \"%s\"\n", options.Out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace velmora::cli
