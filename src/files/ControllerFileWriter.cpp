// Writing controller files.

#include <vector>

#include "base/NumberText.h"
#include "files/ControllerFileKeys.h"
#include "files/ControllerFileRows.h"
#include "files/ControllerFiles.h"

namespace velmora {

namespace {

void AddHeader(FileAccess& file, std::string_view version) {
    file.AddComment("-------------------------");
    file.AddComment(" Velmora Controller File");
    file.AddComment("-------------------------");
    file.AddBlankLine();
    file.AddEntry("Version", std::string(version));
    file.AddBlankLine();
}

void AddLocations(FileAccess& file, const ControllerFileType& layout) {
    file.AddSection("Button Locations");
    for (int control = 0; control < Stick1UpRight; ++control) {
        const Location& at = layout.Locations[control];
        if (at.Top != 0 && at.Left != 0) file.AddNumbers(LocationKey(control), {at.Left, at.Top});
    }
    file.AddBlankLine();
}

void AddAccesses(FileAccess& file, const ControllerFileType& layout, bool explicitUpperHalf) {
    file.AddSection("Access");
    for (int direction = 0; direction < 4; ++direction) {
        const std::string text = DPadAccessText(layout.DPadAccess[direction]);
        if (!text.empty()) file.AddEntry(DPadAccessKey(direction), text);
    }
    for (int stick = 0; stick < 2; ++stick)
        for (int axis = 0; axis < 2; ++axis) {
            const std::string text = StickAccessText(layout.StickAccess[stick][axis]);
            if (!text.empty()) file.AddEntry(StickAccessKey(stick, axis), text);
        }
    for (int side = 0; side < 2; ++side) {
        const std::string text = TriggerAccessText(layout.TriggerAccess[side], explicitUpperHalf);
        if (!text.empty()) file.AddEntry(TriggerAccessKey(side), text);
    }
    file.AddBlankLine();
}

void AddName(FileAccess& file, std::string key, const std::string& name) {
    if (!name.empty()) file.AddEntry(std::move(key), name);
}

void AddNames(FileAccess& file, const ControllerFileType& layout) {
    file.AddSection("Names");
    for (int button = 0; button < 32; ++button)
        AddName(file, ButtonNameKey(button), layout.ButtonNames[button]);
    AddName(file, "DPadName", layout.DPadName);
    for (int d = 0; d < 4; ++d) AddName(file, DPadDirectionNameKey(d), layout.DPadDirectionNames[d]);
    for (int stick = 0; stick < 2; ++stick) AddName(file, StickNameKey(stick), layout.StickNames[stick]);
    for (int d = 0; d < 4; ++d) AddName(file, StickDirectionNameKey(d), layout.StickDirectionNames[d]);
    for (int side = 0; side < 2; ++side) AddName(file, TriggerNameKey(side), layout.TriggerNames[side]);
    file.AddBlankLine();
}

// Rows that are all background are left out; a reader fills them back in.
void AddImage(FileAccess& file, const ControllerFileType& layout) {
    file.AddSection("Image");
    std::vector<std::uint32_t> row(RowPixels);
    for (int r = 0; r < ImageHeight; ++r) {
        if (!CopyPixelRow(layout, r, row)) file.AddEntry(ImageLineKey(r), FormatRowItems(EncodeRow(row)));
    }
}

}  // namespace

void AddControllerFields(FileAccess& file, const ControllerFileType& layout, std::string_view version,
                         bool explicitUpperHalf) {
    AddHeader(file, version);
    AddLocations(file, layout);
    AddAccesses(file, layout, explicitUpperHalf);
    AddNames(file, layout);
}

void AddControllerEntries(FileAccess& file, const ControllerFileType& layout, std::string_view version,
                          bool explicitUpperHalf) {
    AddControllerFields(file, layout, version, explicitUpperHalf);
    AddImage(file, layout);
}

bool WriteControllerFile(ControllerFileType& layout, UserInterface& ui) {
    FileAccess file(ui);
    AddControllerEntries(file, layout, VersionString());
    if (!file.SaveTextFile(layout.FileName, true)) return false;
    layout.Changed = 0;
    return true;
}

}  // namespace velmora
