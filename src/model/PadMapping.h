#pragma once
// One entry of the controller database (gamecontrollerdb.txt): a model's
// GUID, its name and which device input each of its named controls reads,
// as in "a:b0", "leftx:a0", "dpup:h0.1", "lefttrigger:+a2", "righty:a3~".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class PadInputKind : std::uint8_t { Button, Hat, Axis };

// A device input as the database numbers it: axes count only those the
// device has, in the order X, Y, Z, RX, RY, RZ, Slider 1, Slider 2.
struct PadInput {
    PadInputKind Kind = PadInputKind::Button;
    std::uint8_t Index = 0;    // button, hat or axis number
    std::uint8_t HatMask = 0;  // hat: 1 up, 2 right, 4 down, 8 left
    std::int8_t Half = 0;      // axis: +1 the upper half, -1 the lower half, 0 the whole axis
    bool Inverted = false;     // axis: "~"

    friend bool operator==(const PadInput&, const PadInput&) = default;
};

struct PadBinding {
    std::string Control;  // the database's name, with its "+" or "-" for half outputs
    PadInput Input;
};

struct PadMapping {
    std::string Guid;
    std::string Name;
    std::vector<PadBinding> Bindings;

    // The input of a named control, or none.
    const PadInput* Find(std::string_view control) const;
};

// "b3", "h0.4", "a2", "+a2", "-a5", "a1~"; none when it is none of them.
std::optional<PadInput> ParsePadInput(std::string_view text);

enum class PadLineKind : std::uint8_t {
    Entry,      // a Windows entry (or one that names no platform)
    Ignored,    // blank, a comment, or another platform's entry
    Malformed,  // not an entry: no GUID or name, a field without ":", a control with a bad input
};

// Reads one line of the database into entry (filled only for Entry).
PadLineKind ParsePadMappingLine(std::string_view line, PadMapping& entry);

// The VendorProduct number of a GUID of the form 03000000VVVV0000PPPP000000000000
// (vendor and product little-endian); none for any other GUID.
std::optional<std::uint32_t> GuidVendorProduct(std::string_view guid);

}  // namespace velmora
