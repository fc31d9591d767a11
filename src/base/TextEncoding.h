#pragma once
// File text is UTF-8 when it is valid UTF-8, otherwise the system's ANSI code
// page, taken as Windows-1252 (what English and Western European systems use).
// The program writes UTF-8. Plain ASCII reads the same either way.

#include <string>
#include <string_view>

namespace velmora {

// Whether bytes are valid UTF-8. With allowCutEnd an incomplete sequence at
// the very end is accepted: a file read up to a size limit may be cut inside
// a character.
bool IsValidUtf8(std::string_view bytes, bool allowCutEnd = false);

// Windows-1252 bytes as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

// File bytes as UTF-8 text: unchanged when valid UTF-8, else converted from
// Windows-1252. A cut last character of a file read only in part is dropped.
std::string FileTextToUtf8(std::string_view bytes, bool readInPart);

// The number of characters (code points) in UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The first count characters of UTF-8 text.
std::string Utf8Prefix(std::string_view text, std::size_t count);

}  // namespace velmora
