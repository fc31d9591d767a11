// Old binary controller files. Layout, little-endian: the signature, a 16-bit
// version, the picture (256 rows of 512 blue-green-red pixels, top row first),
// 46 locations (a Top byte and a 16-bit Left), the access bytes (4 DPad,
// 4 stick, 2 trigger) and 45 names of 32 bytes.

#include "files/OldControllerFiles.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "files/ControllerFiles.h"
#include "model/ControllerLayout.h"

namespace velmora {

namespace {

constexpr std::uint8_t NotSet = 255;
constexpr std::size_t VersionOffset = OldControllerSignature.size();
constexpr std::size_t LocationsOffset = VersionOffset + 2 + ImageBytes;
constexpr std::size_t AccessOffset = LocationsOffset + 46 * 3;
constexpr std::size_t StickOffset = AccessOffset + 4;
constexpr std::size_t TriggerOffset = StickOffset + 4;

std::uint8_t ByteAt(const std::string& bytes, std::size_t at) {
    return at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : 0;
}

void SetByteAt(std::string& bytes, std::size_t at, std::uint8_t value) {
    if (at < bytes.size()) bytes[at] = static_cast<char>(value);
}

// Version 0 numbered the POV 0 and the axes and buttons from 1, and kept the
// stick's inverted flag in bit 7. An unset stick (255) stays unset rather than
// turning into an inverted second slider.
void UpgradeFromVersion0(std::string& bytes) {
    for (std::size_t at = AccessOffset; at < StickOffset; ++at) {
        const std::uint8_t value = ByteAt(bytes, at);
        SetByteAt(bytes, at, value == 0 ? std::uint8_t{40} : static_cast<std::uint8_t>(value - 1));
    }
    for (std::size_t at = StickOffset; at < TriggerOffset; ++at) {
        const std::uint8_t value = ByteAt(bytes, at);
        if (value != NotSet)
            SetByteAt(bytes, at, static_cast<std::uint8_t>((value & 7) | ((value >> 7) << 3)));
    }
}

// Version 1 triggers had no mode: the left one used the upper half, and the
// right one too unless it shared the left one's axis (then it had the lower).
void UpgradeFromVersion1(std::string& bytes) {
    const std::uint8_t left = ByteAt(bytes, TriggerOffset);
    const std::uint8_t right = ByteAt(bytes, TriggerOffset + 1);
    if (left == NotSet) return;
    SetByteAt(bytes, TriggerOffset, static_cast<std::uint8_t>(left | 8));
    if (right != NotSet && right != left)
        SetByteAt(bytes, TriggerOffset + 1, static_cast<std::uint8_t>(right | 8));
}

// The picture in one copy into the one the layout has; bytes past the end of
// a short file read as 0, as single byte reads give them.
void ReadPicture(FileAccess& file, std::vector<std::uint8_t>& picture) {
    const std::size_t start = std::min(file.Position, file.Buffer.size());
    const std::size_t present = std::min(ImageBytes, file.Buffer.size() - start);
    picture.resize(ImageBytes);
    if (present > 0) std::memcpy(picture.data(), file.Buffer.data() + start, present);
    std::fill(picture.begin() + static_cast<std::ptrdiff_t>(present), picture.end(), std::uint8_t{0});
    file.Position += ImageBytes;
}

void ReadLocations(FileAccess& file, ControllerFileType& layout) {
    for (int control = 0; control < Stick1UpRight; ++control) {
        const std::int32_t top = file.ReadByte();
        const std::int32_t left = file.ReadWord();
        layout.Locations[control] = left == 0 ? Location{} : Location{top, left};
    }
    NormaliseLocations(layout);
}

DPadDirectionAccess DecodeDPadByte(std::uint8_t value) {
    if (value <= 7) return {DPadKind::Axis, value, 0};
    if (value <= 39) return {DPadKind::Button, 0, static_cast<std::uint8_t>(value - 8)};
    if (value == 40) return {DPadKind::POV, 0, 0};
    return {};
}

AxisAccess DecodeStickByte(std::uint8_t value) {
    if (value > 15) return {};
    return {static_cast<std::uint8_t>(value & 7), static_cast<std::uint8_t>((value >> 3) & 1), 0};
}

// Trigger modes: 0 lower half, 1 upper half, 2 whole axis reversed, 3 whole axis.
AxisAccess DecodeTriggerByte(std::uint8_t value) {
    if (value > 31) return {};
    const int mode = value >> 3;
    return {static_cast<std::uint8_t>(value & 7), static_cast<std::uint8_t>(mode == 0 || mode == 2 ? 1 : 0),
            static_cast<std::uint8_t>(mode >= 2 ? 1 : 0)};
}

void ReadAccesses(FileAccess& file, ControllerFileType& layout) {
    for (DPadDirectionAccess& access : layout.DPadAccess) access = DecodeDPadByte(file.ReadByte());
    for (auto& stick : layout.StickAccess)
        for (AxisAccess& axis : stick) axis = DecodeStickByte(file.ReadByte());
    for (AxisAccess& trigger : layout.TriggerAccess) trigger = DecodeTriggerByte(file.ReadByte());
    if (!DPadPlaced(layout))
        for (DPadDirectionAccess& access : layout.DPadAccess) access.Kind = DPadKind::None;
    if (!Stick1Placed(layout)) layout.StickAccess[0] = {};
    if (!Stick2Placed(layout)) layout.StickAccess[1] = {};
    for (int side = 0; side < 2; ++side)
        if (layout.Locations[TriggerLeft + side].Left == 0) layout.TriggerAccess[side] = {};
}

void ReadNames(FileAccess& file, ControllerFileType& layout) {
    constexpr std::size_t NameBytes = 32;
    for (std::string& name : layout.ButtonNames) name = file.ReadText(NameBytes);
    layout.DPadName = file.ReadText(NameBytes);
    for (std::string& name : layout.DPadDirectionNames) name = file.ReadText(NameBytes);
    for (std::string& name : layout.StickNames) name = file.ReadText(NameBytes);
    for (std::string& name : layout.StickDirectionNames) name = file.ReadText(NameBytes);
    for (std::string& name : layout.TriggerNames) name = file.ReadText(NameBytes);
}

}  // namespace

bool ImportOldControllerFile(FileAccess& file, const std::string& fileName, ControllerFileType& layout) {
    file.Position = VersionOffset;
    const std::uint16_t version = file.ReadWord();
    if (version > 2) {
        file.Ui().ShowMessageDialog(
            MakeMessage(DialogKind::Error, "*Invalid binary controller version number*",
                        {{"*Controller File*", FileTitle(fileName)}, {"*Location*", FileFolder(fileName)}},
                        Translate("*This controller file cannot be opened.*")));
        return false;
    }
    if (version == 0) UpgradeFromVersion0(file.Buffer);
    if (version <= 1) UpgradeFromVersion1(file.Buffer);
    ReadPicture(file, layout.Image);
    ReadLocations(file, layout);
    ReadAccesses(file, layout);
    ReadNames(file, layout);
    file.Entries.clear();
    file.LookupHint = 0;
    AddControllerFields(file, layout, FirstTextControllerVersion, true);
    return true;
}

}  // namespace velmora
