// Reading controller files: the version check, then every value with its
// default, so that a missing or bad line never fails the load.

#include <algorithm>
#include <array>
#include <optional>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/NumberText.h"
#include "base/Paths.h"
#include "files/ControllerFileKeys.h"
#include "files/ControllerFileRows.h"
#include "files/ControllerFiles.h"
#include "files/OldControllerFiles.h"

namespace velmora {

namespace {

std::vector<DetailLine> ControllerFileDetails(const std::string& fileName) {
    return {{"*Controller File*", FileTitle(fileName)}, {"*Location*", FileFolder(fileName)}};
}

void ShowBadAccess(FileAccess& file, const std::string& fileName, std::string_view headingKey,
                   const std::string& key, const std::string& value, std::string_view messageKey) {
    std::vector<DetailLine> details = ControllerFileDetails(fileName);
    details.push_back({"*Name*", key});
    details.push_back({"*Value*", value});
    file.Ui().ShowMessageDialog(MakeMessage(DialogKind::Error, headingKey, details, Translate(messageKey)));
}

void ReadLocations(FileAccess& file, ControllerFileType& layout) {
    layout.Locations = {};
    for (int control = 0; control < Stick1UpRight; ++control) {
        file.ReadNumbers(LocationKey(control), 2, 0, 65535, 0);
        layout.Locations[control] = Location{file.Numbers[1], file.Numbers[0]};
    }
    NormaliseLocations(layout);
}

void ReadDPadAccesses(FileAccess& file, const std::string& fileName, ControllerFileType& layout) {
    for (int direction = 0; direction < 4; ++direction) {
        const std::string key = DPadAccessKey(direction);
        const std::string value = file.ReadString(key, {});
        const std::optional<DPadDirectionAccess> access = ParseDPadAccess(value);
        if (!access)
            ShowBadAccess(file, fileName, "*Bad DPad Access value found in controller file*", key, value,
                          "*This is not a valid value. The DPad Access has loaded as \"None\".*");
        layout.DPadAccess[direction] = access.value_or(DPadDirectionAccess{});
        if (!DPadPlaced(layout)) layout.DPadAccess[direction].Kind = DPadKind::None;
    }
}

void ReadStickAccesses(FileAccess& file, const std::string& fileName, ControllerFileType& layout) {
    for (int stick = 0; stick < 2; ++stick) {
        for (int axis = 0; axis < 2; ++axis) {
            const std::string key = StickAccessKey(stick, axis);
            const std::string value = file.ReadString(key, {});
            const std::optional<AxisAccess> access = ParseStickAccess(value);
            if (!access)
                ShowBadAccess(file, fileName, "*Bad Stick Access value found in controller file*", key, value,
                              "*This is not a valid value. The Stick Access has loaded as \"None\".*");
            layout.StickAccess[stick][axis] = access.value_or(AxisAccess{});
        }
        const bool placed = stick == 0 ? Stick1Placed(layout) : Stick2Placed(layout);
        if (!placed)
            for (AxisAccess& axis : layout.StickAccess[stick]) axis.Axis = NoAxis;
    }
}

void ReadTriggerAccesses(FileAccess& file, const std::string& fileName, ControllerFileType& layout) {
    for (int side = 0; side < 2; ++side) {
        const std::string key = TriggerAccessKey(side);
        const std::string value = file.ReadString(key, {});
        const std::optional<AxisAccess> access = ParseTriggerAccess(value);
        if (!access)
            ShowBadAccess(file, fileName, "*Bad Trigger Access value found in controller file*", key, value,
                          "*This is not a valid value. The Trigger Access has loaded as \"None\".*");
        layout.TriggerAccess[side] = access.value_or(AxisAccess{});
        if (layout.Locations[TriggerLeft + side].Left == 0) layout.TriggerAccess[side].Axis = NoAxis;
    }
}

void ReadNames(FileAccess& file, ControllerFileType& layout) {
    for (int button = 0; button < 32; ++button)
        layout.ButtonNames[button] = file.ReadString(ButtonNameKey(button), {});
    layout.DPadName = file.ReadString("DPadName", {});
    for (int d = 0; d < 4; ++d) layout.DPadDirectionNames[d] = file.ReadString(DPadDirectionNameKey(d), {});
    for (int stick = 0; stick < 2; ++stick)
        layout.StickNames[stick] = file.ReadString(StickNameKey(stick), {});
    for (int d = 0; d < 4; ++d) layout.StickDirectionNames[d] = file.ReadString(StickDirectionNameKey(d), {});
    for (int side = 0; side < 2; ++side)
        layout.TriggerNames[side] = file.ReadString(TriggerNameKey(side), {});
}

// The rows whose key the file has, found in one walk of its entries rather
// than by 256 lookups of keys that most files leave out.
std::array<bool, ImageHeight> RowsInFile(const FileAccess& file) {
    constexpr std::string_view prefix = "ImageLine";
    std::array<bool, ImageHeight> rows{};
    for (const FileEntry& entry : file.Entries) {
        if (!entry.Name.starts_with(prefix) || entry.Name.size() > prefix.size() + 3) continue;
        const std::int32_t number = ParseDecimal(entry.Name.substr(prefix.size()));
        if (number >= 1 && number <= ImageHeight && entry.Name == ImageLineKey(number - 1))
            rows[static_cast<std::size_t>(number - 1)] = true;
    }
    return rows;
}

// A row missing from the file is Magenta, as an empty one decodes: only the
// rows that are there are decoded (most files leave most rows out).
void ReadImage(FileAccess& file, ControllerFileType& layout) {
    static const std::vector<std::uint8_t> blank = MagentaPixels(std::size_t{ImageWidth} * ImageHeight);
    layout.Image.resize(ImageBytes);
    std::copy(blank.begin(), blank.end(), layout.Image.begin());
    PictureChanged(layout);
    const std::array<bool, ImageHeight> rows = RowsInFile(file);
    for (int r = 0; r < ImageHeight; ++r) {
        if (!rows[static_cast<std::size_t>(r)]) continue;
        const std::string key = ImageLineKey(r);
        if (file.FindValue(key, {}).empty()) continue;
        const int count = file.ReadNumbers(key, RowPixels + 1, 0, 0xFFFFFF, 0, true);
        const std::vector<std::uint32_t> row =
            DecodeRow(std::span<const std::int32_t>(file.Numbers.data(), static_cast<std::size_t>(count)));
        SetPixelRow(layout, r, row);
    }
}

// Version strings are year "." two-digit month, so text order is time order.
bool RefuseNewer(FileAccess& file, const std::string& fileName) {
    if (file.ReadString("Version", FirstTextControllerVersion) <= VersionString()) return false;
    file.Ui().ShowMessageDialog(
        MakeMessage(DialogKind::Error, "*Cannot open newer controller file*", ControllerFileDetails(fileName),
                    Translate("*This controller file was saved by a newer version and cannot be opened.*")));
    return true;
}

}  // namespace

namespace {

void ReadAllButImage(FileAccess& file, const std::string& fileName, ControllerFileType& layout) {
    layout.FileName = fileName;
    layout.Name = FileTitle(fileName);
    layout.Changed = 0;
    ReadLocations(file, layout);
    ReadDPadAccesses(file, fileName, layout);
    ReadStickAccesses(file, fileName, layout);
    ReadTriggerAccesses(file, fileName, layout);
    ReadNames(file, layout);
}

}  // namespace

void ReadControllerEntries(FileAccess& file, const std::string& fileName, ControllerFileType& layout) {
    ReadAllButImage(file, fileName, layout);
    ReadImage(file, layout);
    UpdateIndicators(layout);
}

bool ReadControllerFile(const std::string& fileName, ControllerFileType& layout, UserInterface& ui) {
    FileAccess file(ui);
    return file.ReadWholeFile(fileName, true) && ReadControllerBuffer(file, fileName, layout);
}

bool ReadControllerBuffer(FileAccess& file, const std::string& fileName, ControllerFileType& layout) {
    if (!file.Buffer.starts_with(OldControllerSignature)) {
        if (!file.LoadTextFile(fileName, false) || file.RefuseUnreadable(fileName) ||
            RefuseNewer(file, fileName))
            return false;
        ReadControllerEntries(file, fileName, layout);
        return true;
    }
    // An old binary file: the import puts its picture in place and turns the
    // rest into entries of the first text version, read as a text file's.
    if (!ImportOldControllerFile(file, fileName, layout)) return false;
    ReadAllButImage(file, fileName, layout);
    PictureChanged(layout);
    UpdateIndicators(layout);
    return true;
}

}  // namespace velmora
