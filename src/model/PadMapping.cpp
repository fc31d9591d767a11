#include "model/PadMapping.h"

#include <algorithm>
#include <array>

namespace velmora {
namespace {

// The control names the database gives inputs to. Other keys (platform, crc,
// hint, names a newer database adds) are left alone.
constexpr std::array<std::string_view, 32> ControlKeys{"a",
                                                       "b",
                                                       "x",
                                                       "y",
                                                       "back",
                                                       "guide",
                                                       "start",
                                                       "leftstick",
                                                       "rightstick",
                                                       "leftshoulder",
                                                       "rightshoulder",
                                                       "dpup",
                                                       "dpdown",
                                                       "dpleft",
                                                       "dpright",
                                                       "misc1",
                                                       "misc2",
                                                       "misc3",
                                                       "misc4",
                                                       "misc5",
                                                       "misc6",
                                                       "paddle1",
                                                       "paddle2",
                                                       "paddle3",
                                                       "paddle4",
                                                       "touchpad",
                                                       "leftx",
                                                       "lefty",
                                                       "rightx",
                                                       "righty",
                                                       "lefttrigger",
                                                       "righttrigger"};

bool IsControlKey(std::string_view key) {
    if (!key.empty() && (key.front() == '+' || key.front() == '-')) key.remove_prefix(1);
    return std::find(ControlKeys.begin(), ControlKeys.end(), key) != ControlKeys.end();
}

// A decimal number 0..255 that takes the whole text.
std::optional<std::uint8_t> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::optional<PadInput> ParseHat(std::string_view text) {
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    const std::optional<std::uint8_t> hat = SmallNumber(text.substr(0, dot));
    const std::optional<std::uint8_t> mask = SmallNumber(text.substr(dot + 1));
    if (!hat || !mask || (*mask != 1 && *mask != 2 && *mask != 4 && *mask != 8)) return std::nullopt;
    return PadInput{PadInputKind::Hat, *hat, *mask, 0, false};
}

std::optional<PadInput> ParseAxis(std::string_view text) {
    PadInput input{PadInputKind::Axis, 0, 0, 0, false};
    if (text.front() == '+' || text.front() == '-') {
        input.Half = text.front() == '+' ? 1 : -1;
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() != 'a') return std::nullopt;
    text.remove_prefix(1);
    if (!text.empty() && text.back() == '~') {
        input.Inverted = true;
        text.remove_suffix(1);
    }
    const std::optional<std::uint8_t> index = SmallNumber(text);
    if (!index) return std::nullopt;
    input.Index = *index;
    return input;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsHexGuid(std::string_view guid) {
    return guid.size() == 32 &&
           std::all_of(guid.begin(), guid.end(), [](char c) { return HexDigit(c) >= 0; });
}

// Two bytes written low byte first, as the GUID holds them.
std::uint32_t LittleEndianWord(std::string_view four) {
    std::uint32_t value = 0;
    for (std::size_t i : {2u, 3u, 0u, 1u}) value = value * 16 + static_cast<std::uint32_t>(HexDigit(four[i]));
    return value;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Cuts the next comma-separated field off text.
std::string_view NextField(std::string_view& text) {
    const std::size_t comma = text.find(',');
    const std::string_view field = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    return field;
}

// Reads the fields after GUID and name; false on a malformed one.
bool ReadBindings(std::string_view rest, PadMapping& entry, bool& otherPlatform) {
    while (!rest.empty()) {
        const std::string_view field = Trimmed(NextField(rest));
        if (field.empty()) continue;
        const std::size_t colon = field.find(':');
        if (colon == std::string_view::npos || colon == 0) return false;
        const std::string_view key = field.substr(0, colon), value = field.substr(colon + 1);
        if (key == "platform") otherPlatform = value != "Windows";
        if (!IsControlKey(key)) continue;
        const std::optional<PadInput> input = ParsePadInput(value);
        if (!input) return false;
        entry.Bindings.push_back({std::string(key), *input});
    }
    return true;
}

}  // namespace

const PadInput* PadMapping::Find(std::string_view control) const {
    for (const PadBinding& binding : Bindings)
        if (binding.Control == control) return &binding.Input;
    return nullptr;
}

std::optional<PadInput> ParsePadInput(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    if (text.front() == 'b') {
        const std::optional<std::uint8_t> index = SmallNumber(text.substr(1));
        if (!index) return std::nullopt;
        return PadInput{PadInputKind::Button, *index, 0, 0, false};
    }
    if (text.front() == 'h') return ParseHat(text.substr(1));
    return ParseAxis(text);
}

PadLineKind ParsePadMappingLine(std::string_view line, PadMapping& entry) {
    line = Trimmed(line);
    if (line.empty() || line.front() == '#') return PadLineKind::Ignored;
    const std::string_view guid = Trimmed(NextField(line));
    const std::string_view name = Trimmed(NextField(line));
    // SDL's own entry for XInput pads is the one GUID that is a word.
    if ((!IsHexGuid(guid) && guid != "xinput") || name.empty()) return PadLineKind::Malformed;
    PadMapping read{std::string(guid), std::string(name), {}};
    bool otherPlatform = false;
    if (!ReadBindings(line, read, otherPlatform)) return PadLineKind::Malformed;
    if (otherPlatform) return PadLineKind::Ignored;
    entry = std::move(read);
    return PadLineKind::Entry;
}

std::optional<std::uint32_t> GuidVendorProduct(std::string_view guid) {
    if (!IsHexGuid(guid) || guid.substr(0, 8) != "03000000" || guid.substr(12, 4) != "0000" ||
        guid.substr(20) != "000000000000")
        return std::nullopt;
    return LittleEndianWord(guid.substr(8, 4)) << 16 | LittleEndianWord(guid.substr(16, 4));
}

}  // namespace velmora
