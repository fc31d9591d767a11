// velmora-cli render --window stick1|stick2|dpad|triggers|mouse: the live
// picture of a settings window for a profile's set and a given controller
// state, as a 24-bit BMP of the picture's own size. The format is described
// in docs/velmora-cli-render.md.

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/settings/DPadDisc.h"
#include "app/settings/MouseWindow.h"
#include "app/settings/SpeedGraph.h"
#include "app/settings/StickWindow.h"
#include "app/settings/TriggerBars.h"
#include "app/settings/TriggerWindow.h"
#include "base/FileAccess.h"
#include "base/FileSystem.h"
#include "cli/Commands.h"
#include "files/ConfigurationFile.h"
#include "files/ProfileFiles.h"

namespace velmora::cli {
namespace {

struct WindowOptions {
    std::string Window, Profile, Ini, Out, Target;
    int Set = 0;
    int StickX = 0, StickY = 0;
    std::uint8_t DPad = 0;
    std::array<std::uint8_t, 2> Triggers{};
};

class StderrUserInterface : public NoUserInterface {
public:
    int ShowMessageDialog(const MessageDialog& dialog) override {
        std::fprintf(stderr, "velmora-cli render: %s\n", dialog.Heading.c_str());
        return NoUserInterface::ShowMessageDialog(dialog);
    }
};

bool Number(const std::string& text, int low, int high, int& value) {
    try {
        std::size_t used = 0;
        value = std::stoi(text, &used);
        return used == text.size() && value >= low && value <= high;
    } catch (...) {
        return false;
    }
}

// "up+right", "left", "none".
bool ParseDPad(const std::string& text, std::uint8_t& bits) {
    bits = 0;
    if (text == "none") return true;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t plus = std::min(text.find('+', start), text.size());
        const std::string word = text.substr(start, plus - start);
        const int bit = word == "up"      ? DPadUpBit
                        : word == "right" ? DPadRightBit
                        : word == "down"  ? DPadDownBit
                        : word == "left"  ? DPadLeftBit
                                          : 0;
        if (!bit) return false;
        bits = static_cast<std::uint8_t>(bits | bit);
        start = plus + 1;
    }
    return true;
}

bool Take(const Arguments& args, std::size_t& i, std::string& value) {
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
}

bool TakeNumbers(const Arguments& args, std::size_t& i, int low, int high, int& a, int& b) {
    std::string first, second;
    return Take(args, i, first) && Take(args, i, second) && Number(first, low, high, a) &&
           Number(second, low, high, b);
}

bool ParseOption(const Arguments& args, std::size_t& i, WindowOptions& o) {
    const std::string& a = args[i];
    std::string text;
    int left = 0, right = 0;
    if (a == "--window") return Take(args, i, o.Window);
    if (a == "--profile") return Take(args, i, o.Profile);
    if (a == "--ini") return Take(args, i, o.Ini);
    if (a == "--out") return Take(args, i, o.Out);
    if (a == "--target") return Take(args, i, o.Target);
    if (a == "--set") return Take(args, i, text) && Number(text, 1, 8, o.Set) && (--o.Set, true);
    if (a == "--stick") return TakeNumbers(args, i, -255, 255, o.StickX, o.StickY);
    if (a == "--dpad") return Take(args, i, text) && ParseDPad(text, o.DPad);
    if (a != "--trigger" || !TakeNumbers(args, i, 0, 255, left, right)) return false;
    o.Triggers = {static_cast<std::uint8_t>(left), static_cast<std::uint8_t>(right)};
    return true;
}

bool ParseOptions(const Arguments& args, WindowOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!ParseOption(args, i, options)) return false;
    static constexpr std::string_view Windows[] = {"stick1", "stick2", "dpad", "triggers", "mouse"};
    const bool known = std::find(std::begin(Windows), std::end(Windows), options.Window) != std::end(Windows);
    return known && !options.Profile.empty() && !options.Out.empty();
}

// "DPad", "Stick1", "Stick2" or a control's profile-file name; -1 when none.
int ParseTarget(const std::string& text) {
    if (text.empty() || text == "Stick1") return FirstGroupTarget + 1;
    if (text == "DPad") return FirstGroupTarget;
    if (text == "Stick2") return FirstGroupTarget + 2;
    return FindControl(text);
}

struct Rendered {
    PictureType Picture;
    int Width = 0, Height = 0;
};

// The picture's top-left width x height pixels as a BMP, rows bottom-up,
// each padded to four bytes.
std::string RegionBitmap(const Rendered& r) {
    std::string bytes;
    WriteBitmapHeader(bytes, static_cast<std::uint32_t>(r.Width), static_cast<std::uint32_t>(r.Height));
    for (int y = r.Height - 1; y >= 0; --y) {
        for (int x = 0; x < r.Width; ++x) {
            const ColourType c = r.Picture.Get(x, y);
            bytes += {static_cast<char>(c.Blue), static_cast<char>(c.Green), static_cast<char>(c.Red)};
        }
        bytes.append(static_cast<std::size_t>((4 - r.Width * 3 % 4) % 4), '\0');
    }
    // The shared header counts unpadded rows; the file and image sizes must count the padding.
    const auto put = [&bytes](std::size_t at, std::size_t value) {
        for (std::size_t k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    };
    put(2, bytes.size());
    put(34, bytes.size() - 54);
    return bytes;
}

bool Draw(const WindowOptions& o, const ProfileType& profile, const ConfigurationType& config, Rendered& r) {
    const SetType& set = profile.Sets[profile.CurrentSet];
    if (o.Window == "stick1" || o.Window == "stick2") {
        DrawStickStatus(r.Picture, 0, 0, set, o.Window == "stick1" ? 0 : 1, o.StickX, o.StickY, config);
        r.Width = r.Height = ZoneMapSize;
    } else if (o.Window == "dpad") {
        DrawDPadDisc(r.Picture, 0, 0, set.DPadMode, o.DPad, config);
        r.Width = r.Height = DPadDiscSize;
    } else if (o.Window == "triggers") {
        r.Picture.Fill(0, 0, TriggerBarWidth, 2 * TriggerBarHeight + TriggerBarGap, config.Background[0]);
        DrawTriggerStatus(r.Picture, 0, 0, set, o.Triggers);
        r.Width = TriggerBarWidth;
        r.Height = 2 * TriggerBarHeight + TriggerBarGap;
    } else {
        MouseWindowState state;
        state.Target = ParseTarget(o.Target);
        if (state.Target < 0) return false;
        const MouseWindowView view = MouseView(state, profile, ControllerFileType{});
        DrawSpeedGraph(r.Picture, 0, 0, CurvesOf(view), SharedSpeedTable());
        r.Width = SpeedGraphWidth;
        r.Height = SpeedGraphHeight;
    }
    return true;
}

}  // namespace

bool IsSettingsWindowRender(const Arguments& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--window" && args[i + 1] != "assignment") return true;
    return false;
}

int RunRenderSettings(const Arguments& args) {
    WindowOptions options;
    if (!ParseOptions(args, options)) {
        std::fputs(
            "usage: velmora-cli render --window stick1|stick2|dpad|triggers|mouse --profile P [--set N] "
            "[--ini FILE] [--stick X Y] [--dpad up|right|down|left|up+right|...|none] [--trigger LEFT RIGHT] "
            "[--target CONTROL|DPad|Stick1|Stick2] --out FILE.bmp\n",
            stderr);
        return 2;
    }
    StderrUserInterface ui;
    ConfigurationType config;
    if (!options.Ini.empty())
        ReadConfigurationFile(config, ui, std::filesystem::absolute(options.Ini).string(), "");
    ProfileType profile;
    if (!ReadProfile(std::filesystem::absolute(options.Profile).string(), profile, config, ui)) {
        std::fprintf(stderr, "velmora-cli render: %s: cannot open the profile\n", options.Profile.c_str());
        return 1;
    }
    profile.CurrentSet = static_cast<std::uint8_t>(options.Set);
    Rendered rendered;
    if (!Draw(options, profile, config, rendered)) {
        std::fprintf(stderr, "velmora-cli render: %s: no such target\n", options.Target.c_str());
        return 2;
    }
    if (!DefaultFileSystem().WriteFile(options.Out, RegionBitmap(rendered))) {
        std::fprintf(stderr, "velmora-cli render: cannot write \"%s\"\n", options.Out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace velmora::cli
