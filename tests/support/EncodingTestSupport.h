#pragma once
// Text in the encodings Windows editors write, made from UTF-8, and a fake
// Cyrillic ANSI code page (Windows-1251) to install as the system's.

#include <string>
#include <string_view>
#include <vector>

#include "base/TextEncoding.h"

namespace velmora::test {

inline std::u32string CodePoints(std::string_view utf8) {
    std::u32string points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        points += c;
        i += length;
    }
    return points;
}

inline void AppendUnit(std::string& out, char32_t unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

inline std::string Utf16(std::string_view utf8, bool bigEndian, bool mark) {
    std::string out;
    if (mark) AppendUnit(out, 0xFEFF, bigEndian);
    for (const char32_t c : CodePoints(utf8)) {
        if (c < 0x10000) {
            AppendUnit(out, c, bigEndian);
        } else {
            AppendUnit(out, 0xD800 + ((c - 0x10000) >> 10), bigEndian);
            AppendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), bigEndian);
        }
    }
    return out;
}

// Windows-1251 for ASCII, А..я, Ё and ё; Windows-1252 (Latin-1 part) for the rest.
inline std::string SingleByte(std::string_view utf8, bool cyrillic) {
    std::string out;
    for (const char32_t c : CodePoints(utf8)) {
        if (cyrillic && c >= 0x410 && c <= 0x44F)
            out += static_cast<char>(0xC0 + (c - 0x410));
        else if (cyrillic && (c == 0x401 || c == 0x451))
            out += static_cast<char>(c == 0x401 ? 0xA8 : 0xB8);
        else
            out += static_cast<char>(c < 0x100 ? c : '?');
    }
    return out;
}

inline std::string FakeCp1251ToUtf8(std::string_view bytes) {
    std::string out;
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        char32_t c = byte;
        if (byte >= 0xC0) c = 0x410 + (byte - 0xC0);
        if (byte == 0xA8 || byte == 0xB8) c = byte == 0xA8 ? 0x401 : 0x451;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += "\xEF\xBF\xBD";
        }
    }
    return out;
}

// One way of writing a text file, with the ANSI page a reader must have to
// read it back.
struct WrittenEncoding {
    std::string_view Name;
    FileEncoding Expected;
    std::string (*Encode)(std::string_view utf8);
    AnsiConversion SystemPage;  // nullptr: Windows-1252
};

inline const std::vector<WrittenEncoding>& EveryEncoding() {
    static const std::vector<WrittenEncoding> encodings{
        {"UTF-8", FileEncoding::Utf8, [](std::string_view t) { return std::string(t); }, nullptr},
        {"UTF-8 BOM", FileEncoding::Utf8WithMark,
         [](std::string_view t) { return "\xEF\xBB\xBF" + std::string(t); }, nullptr},
        {"UTF-16 LE BOM", FileEncoding::Utf16LE, [](std::string_view t) { return Utf16(t, false, true); },
         nullptr},
        {"UTF-16 BE BOM", FileEncoding::Utf16BE, [](std::string_view t) { return Utf16(t, true, true); },
         nullptr},
        {"UTF-16 LE", FileEncoding::Utf16LENoMark, [](std::string_view t) { return Utf16(t, false, false); },
         nullptr},
        {"UTF-16 BE", FileEncoding::Utf16BENoMark, [](std::string_view t) { return Utf16(t, true, false); },
         nullptr},
        {"cp1251", FileEncoding::Ansi, [](std::string_view t) { return SingleByte(t, true); },
         &FakeCp1251ToUtf8},
    };
    return encodings;
}

// Restores the Windows-1252 page when the test ends.
struct AnsiPageScope {
    explicit AnsiPageScope(AnsiConversion page) { SetAnsiConversion(page); }
    ~AnsiPageScope() { SetAnsiConversion(nullptr); }
    AnsiPageScope(const AnsiPageScope&) = delete;
    AnsiPageScope& operator=(const AnsiPageScope&) = delete;
};

}  // namespace velmora::test
