#pragma once
// File text as Windows editors write it: UTF-16 (little- or big-endian, with
// or without a byte-order mark), UTF-8 (with or without a byte-order mark), or
// the system's ANSI code page when the bytes are not valid UTF-8. The program
// writes UTF-8 without a mark. Plain ASCII reads the same either way.

#include <string>
#include <string_view>

namespace velmora {

// Whether bytes are valid UTF-8. With allowCutEnd an incomplete sequence at
// the very end is accepted: a file read up to a size limit may be cut inside
// a character.
bool IsValidUtf8(std::string_view bytes, bool allowCutEnd = false);

// Windows-1252 bytes as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

// The system's ANSI code page as a conversion to UTF-8. Windows installs the
// system's own conversion at start-up; until then, and natively, it is
// Windows-1252 (what English and Western European systems use).
using AnsiConversion = std::string (*)(std::string_view bytes);
void SetAnsiConversion(AnsiConversion conversion);
std::string AnsiCodePageToUtf8(std::string_view bytes);

// How a file's bytes were read.
enum class FileEncoding { Utf8, Utf8WithMark, Utf16LE, Utf16BE, Utf16LENoMark, Utf16BENoMark, Ansi };
// The encoding's name as a user knows it ("UTF-16 LE", "ANSI").
std::string_view EncodingName(FileEncoding encoding);

struct DecodedText {
    std::string Text;  // UTF-8, without the byte-order mark
    FileEncoding Encoding = FileEncoding::Utf8;
};

// File bytes as UTF-8 text. A byte-order mark decides; without one, zero bytes
// mean UTF-16 (no text file in UTF-8 or an ANSI page holds any), and the half
// of the byte pairs that holds more of them is the high byte; otherwise valid
// UTF-8 stays as it is and anything else is the ANSI code page, decided for
// the whole file. A cut last character of a file read only in part is dropped.
DecodedText DecodeFileText(std::string_view bytes, bool readInPart);
std::string FileTextToUtf8(std::string_view bytes, bool readInPart);

// The number of characters (code points) in UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The first count characters of UTF-8 text.
std::string Utf8Prefix(std::string_view text, std::size_t count);

// The character of UTF-8 text that starts at pos, pos moved past it. A byte
// that starts no valid character comes alone, as 0xDC00 plus its value (no
// character of any alphabet).
char32_t NextCharacter(std::string_view text, std::size_t& pos);

// A character's small letter, for the capitals of the Latin, Greek and
// Cyrillic alphabets as Windows compares file names; final sigma is sigma.
char32_t SmallLetter(char32_t c);

}  // namespace velmora
