// velmora-cli layout: the ready layout Velmora makes for a controller model,
// written as a controller file. The format is described in docs/velmora-cli-layout.md.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "files/ControllerDatabase.h"
#include "files/ControllerFiles.h"
#include "model/ReadyLayout.h"

namespace velmora::cli {
namespace {

struct LayoutOptions {
    std::optional<std::uint16_t> Vendor, Product;
    PadCapabilities Device;
    bool AxesGiven = false;
    bool XInput = false;
    std::string Database, Out;
};

class StderrUserInterface : public NoUserInterface {
public:
    int ShowMessageDialog(const MessageDialog& dialog) override {
        std::fprintf(stderr, "velmora-cli layout: %s\n", dialog.Heading.c_str());
        return NoUserInterface::ShowMessageDialog(dialog);
    }
};

std::optional<unsigned long> Number(const std::string& text, int base, unsigned long maximum) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::size_t used = 0;
    unsigned long value = 0;
    try {
        value = std::stoul(text, &used, base);
    } catch (...) {
        return std::nullopt;
    }
    if (used != text.size() || value > maximum || text[0] == '-' || text[0] == '+') return std::nullopt;
    return value;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// "x,y,z,rz": the axes the device has, by their short names.
bool ParseAxes(const std::string& text, PadCapabilities& device) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string name = Upper(text.substr(start, comma - start));
        int found = -1;
        for (std::size_t axis = 0; axis < ShortAxisNames.size(); ++axis)
            if (Upper(std::string(ShortAxisNames[axis])) == name) found = static_cast<int>(axis);
        if (found < 0) return false;
        device.Axes[static_cast<std::size_t>(found)] = true;
        start = comma + 1;
    }
    return true;
}

bool ParseCount(const Arguments& args, std::size_t& i, unsigned long maximum, std::uint8_t& count) {
    const std::optional<unsigned long> value =
        i + 1 < args.size() ? Number(args[++i], 10, maximum) : std::nullopt;
    if (value) count = static_cast<std::uint8_t>(*value);
    return value.has_value();
}

bool ParseHex(const Arguments& args, std::size_t& i, std::optional<std::uint16_t>& word) {
    const std::optional<unsigned long> value =
        i + 1 < args.size() ? Number(args[++i], 16, 0xFFFF) : std::nullopt;
    if (value) word = static_cast<std::uint16_t>(*value);
    return value.has_value();
}

bool ParseOption(const Arguments& args, std::size_t& i, LayoutOptions& o) {
    const std::string& a = args[i];
    if (a == "--vid") return ParseHex(args, i, o.Vendor);
    if (a == "--pid") return ParseHex(args, i, o.Product);
    if (a == "--axes") return (o.AxesGiven = true) && i + 1 < args.size() && ParseAxes(args[++i], o.Device);
    if (a == "--buttons") return ParseCount(args, i, 128, o.Device.ButtonCount);
    if (a == "--povs") return ParseCount(args, i, 4, o.Device.POVCount);
    if (a == "--xinput") return (o.XInput = true);
    if (a == "--database") return i + 1 < args.size() && !(o.Database = args[++i]).empty();
    if (a == "--out") return i + 1 < args.size() && !(o.Out = args[++i]).empty();
    return false;
}

int UsageError() {
    std::fputs(
        "usage: velmora-cli layout --vid HEX --pid HEX [--axes x,y,z,rz,...] [--buttons N] [--povs N] "
        "[--xinput] [--database FILE] --out FILE.velmoracontroller\n",
        stderr);
    return 2;
}

// Without --axes the device is taken to have all eight axes, without
// --povs one hat: the database's numbers are then the axis indexes.
void CompleteDevice(LayoutOptions& o) {
    if (!o.AxesGiven) o.Device.Axes.fill(true);
    if (o.Device.ButtonCount > 32) o.Device.ButtonCount = 32;
}

// The layout from the database; 3 when the model is not in it or does not fit the device.
int MakeFromDatabase(const LayoutOptions& o, ControllerFileType& layout, const ConfigurationType& config) {
    const std::string path =
        std::filesystem::absolute(o.Database.empty() ? std::string(ControllerDatabaseFileName) : o.Database)
            .string();
    const ControllerDatabase database = ReadControllerDatabase(path);
    if (!database.Found) {
        std::fprintf(stderr, "velmora-cli layout: cannot read %s\n", path.c_str());
        return 1;
    }
    if (database.MalformedLines > 0)
        std::fprintf(stderr, "velmora-cli layout: %zu malformed lines skipped\n", database.MalformedLines);
    const std::vector<const PadMapping*> entries = database.FindAll(layout.Identity.VendorProduct);
    if (entries.empty()) {
        std::fprintf(stderr, "velmora-cli layout: the database does not know %08X\n",
                     layout.Identity.VendorProduct);
        return 3;
    }
    // The model's last line first; an earlier one may still fit when it does not.
    for (const PadMapping* entry : entries)
        if (MakeReadyLayout(layout, *entry, o.Device, config.Interface)) return 0;
    std::fprintf(stderr, "velmora-cli layout: \"%s\" reads an axis the device does not have\n",
                 entries.front()->Name.c_str());
    return 3;
}

}  // namespace

int RunLayout(const Arguments& args) {
    LayoutOptions o;
    o.Device.POVCount = 1;
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!ParseOption(args, i, o)) return UsageError();
    if (o.Out.empty() || (!o.XInput && (!o.Vendor || !o.Product))) return UsageError();
    CompleteDevice(o);
    auto layout = std::make_unique<ControllerFileType>();
    layout->Identity.VendorProduct = std::uint32_t{o.Vendor.value_or(0)} << 16 | o.Product.value_or(0);
    const ConfigurationType config;
    if (o.XInput) {
        FinishReadyLayout(*layout, MapXInputPad(*layout), config.Interface);
    } else if (const int status = MakeFromDatabase(o, *layout, config); status != 0) {
        return status;
    }
    layout->FileName = std::filesystem::absolute(o.Out).string();
    StderrUserInterface ui;
    return WriteControllerFile(*layout, ui) ? 0 : 1;
}

}  // namespace velmora::cli
