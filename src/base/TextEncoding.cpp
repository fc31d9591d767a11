#include "base/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace velmora {
namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes keep their own value, as
// the system's own conversion does.
constexpr std::array<char16_t, 32> High1252{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte opens, 0 when it opens none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The second byte's range rules out overlong forms, surrogates and code
// points above U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    if (lead == 0xE0) return second >= 0xA0 && second <= 0xBF;
    if (lead == 0xED) return second >= 0x80 && second <= 0x9F;
    if (lead == 0xF0) return second >= 0x90 && second <= 0xBF;
    if (lead == 0xF4) return second >= 0x80 && second <= 0x8F;
    return IsContinuation(second);
}

// The number of valid bytes of the sequence starting at i (its full length
// when complete), or 0 when it is invalid.
std::size_t CheckSequence(std::string_view bytes, std::size_t i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = SequenceLength(lead);
    if (length <= 1) return length;
    std::size_t k = 1;
    for (; k < length && i + k < bytes.size(); ++k) {
        const auto byte = static_cast<unsigned char>(bytes[i + k]);
        if (k == 1 ? !SecondByteFits(lead, byte) : !IsContinuation(byte)) return 0;
    }
    return k;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

AnsiConversion& InstalledAnsiConversion() {
    static AnsiConversion conversion = &Windows1252ToUtf8;
    return conversion;
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

// The 16-bit unit at i of UTF-16 bytes.
char16_t Unit(std::string_view bytes, std::size_t i, bool bigEndian) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// A surrogate without its partner becomes U+FFFD, as the system's own
// conversion does; a high surrogate or odd byte cut off at the end is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t end = bytes.size() & ~std::size_t{1};
    for (std::size_t i = 0; i < end; i += 2) {
        char32_t c = Unit(bytes, i, bigEndian);
        if (IsHighSurrogate(c) && i + 2 >= end) break;
        if (IsHighSurrogate(c) && IsLowSurrogate(Unit(bytes, i + 2, bigEndian))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (Unit(bytes, i + 2, bigEndian) - 0xDC00);
            i += 2;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

// Zero bytes are the high bytes of UTF-16 text: the names, "=", digits and
// line ends of every Velmora file put one in at least a quarter of the pairs,
// all on one side. A stray zero in UTF-8 or ANSI text (a tail left by a crash,
// a tool's padding) is not that, and is read as a space as before.
std::optional<bool> Utf16WithoutMarkIsBigEndian(std::string_view bytes) {
    std::size_t evenZeros = 0;
    std::size_t oddZeros = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0') ++(i % 2 == 0 ? evenZeros : oddZeros);
    const std::size_t high = std::max(evenZeros, oddZeros);
    const std::size_t low = std::min(evenZeros, oddZeros);
    if (high == 0 || high * 4 < bytes.size() / 2 || low * 4 > high) return std::nullopt;
    return evenZeros > oddZeros;
}

// Valid UTF-8, perhaps cut inside its last character, without that character.
std::string WithoutCutEnd(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::size_t end = bytes.size();
    while (end > 0 && IsContinuation(static_cast<unsigned char>(bytes[end - 1]))) --end;
    return std::string(bytes.substr(0, end > 0 ? end - 1 : 0));
}

// The length of the valid UTF-8 text at the start of bytes; a cut sequence at
// the end counts as invalid unless allowed.
std::size_t ValidPrefix(std::string_view bytes, bool allowCutEnd) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(bytes[i]));
        const std::size_t valid = CheckSequence(bytes, i);
        if (valid == 0) return i;
        if (valid < length) return allowCutEnd && i + valid == bytes.size() ? bytes.size() : i;
        i += valid;
    }
    return i;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes, bool allowCutEnd) {
    return ValidPrefix(bytes, allowCutEnd) == bytes.size();
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x80 && byte < 0xA0)
            AppendUtf8(out, High1252[byte - 0x80]);
        else
            AppendUtf8(out, byte);
    }
    return out;
}

void SetAnsiConversion(AnsiConversion conversion) {
    InstalledAnsiConversion() = conversion != nullptr ? conversion : &Windows1252ToUtf8;
}

std::string AnsiCodePageToUtf8(std::string_view bytes) {
    return InstalledAnsiConversion()(bytes);
}

std::string_view EncodingName(FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Utf8:
            return "UTF-8";
        case FileEncoding::Utf8WithMark:
            return "UTF-8 with byte-order mark";
        case FileEncoding::Utf16LE:
            return "UTF-16 LE";
        case FileEncoding::Utf16BE:
            return "UTF-16 BE";
        case FileEncoding::Utf16LENoMark:
            return "UTF-16 LE without byte-order mark";
        case FileEncoding::Utf16BENoMark:
            return "UTF-16 BE without byte-order mark";
        case FileEncoding::Ansi:
            return "ANSI";
    }
    return "ANSI";
}

DecodedText DecodeFileText(std::string_view bytes, bool readInPart) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        const std::string_view rest = bytes.substr(3);
        const FileEncoding read =
            IsValidUtf8(rest, readInPart) ? FileEncoding::Utf8WithMark : FileEncoding::Ansi;
        return {FileTextToUtf8(rest, readInPart), read};
    }
    if (StartsWith(bytes, "\xFF\xFE")) return {Utf16ToUtf8(bytes.substr(2), false), FileEncoding::Utf16LE};
    if (StartsWith(bytes, "\xFE\xFF")) return {Utf16ToUtf8(bytes.substr(2), true), FileEncoding::Utf16BE};
    if (const std::optional<bool> bigEndian = Utf16WithoutMarkIsBigEndian(bytes))
        return {Utf16ToUtf8(bytes, *bigEndian),
                *bigEndian ? FileEncoding::Utf16BENoMark : FileEncoding::Utf16LENoMark};
    if (IsValidUtf8(bytes, readInPart)) return {WithoutCutEnd(bytes), FileEncoding::Utf8};
    return {AnsiCodePageToUtf8(bytes), FileEncoding::Ansi};
}

// Bytes without a byte-order mark or zero bytes: UTF-8 or the ANSI code page.
std::string FileTextToUtf8(std::string_view bytes, bool readInPart) {
    if (IsValidUtf8(bytes, readInPart)) return WithoutCutEnd(bytes);
    return AnsiCodePageToUtf8(bytes);
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (const char ch : text)
        if (!IsContinuation(static_cast<unsigned char>(ch))) ++count;
    return count;
}

std::string Utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size(); ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[i])) && seen++ == count) break;
    }
    return std::string(text.substr(0, i));
}

char32_t NextCharacter(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    const int more = lead < 0x80 ? 0 : lead >= 0xC2 && lead < 0xE0 ? 1 : lead >= 0xE0 && lead < 0xF0 ? 2 : 3;
    if (more == 0) return lead;
    if (lead > 0xF4 || !IsValidUtf8(text.substr(pos - 1, static_cast<std::size_t>(more) + 1)))
        return 0xDC00 + lead;
    char32_t c = lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) c = c << 6 | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    return c;
}

char32_t SmallLetter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    // Latin Extended-A: pairs of capital and small letter, the capital first.
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c + (c & 1);
    if (c == 0x178) return 0xFF;
    if (c == 0x386 || c == 0x38C) return c == 0x386 ? 0x3AC : 0x3CC;  // Greek capitals with tonos
    if (c >= 0x388 && c <= 0x38A) return c + 0x25;
    if (c == 0x38E || c == 0x38F) return c + 0x3F;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
    if (c == 0x3C2) return 0x3C3;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // Cyrillic
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

}  // namespace velmora
