// Byte-level access to the file buffer: old binary files and bitmaps.

#include "base/FileAccess.h"
#include "base/TextEncoding.h"

namespace velmora {
namespace {

void AppendLittleEndian(std::string& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::uint8_t FileAccess::ReadByte() {
    const std::uint8_t value = Position < Buffer.size() ? static_cast<std::uint8_t>(Buffer[Position]) : 0;
    ++Position;
    return value;
}

std::uint8_t FileAccess::ReadByteInRange(std::uint8_t minimum, std::uint8_t maximum, std::uint8_t fallback) {
    const std::uint8_t value = ReadByte();
    return value < minimum || value > maximum ? fallback : value;
}

std::uint16_t FileAccess::ReadWord() {
    const std::uint8_t low = ReadByte();
    return static_cast<std::uint16_t>(low | (ReadByte() << 8));
}

// Old binary files hold fixed-size text fields padded with spaces or zeros, in
// the system's ANSI code page.
std::string FileAccess::ReadText(std::size_t count) {
    std::string text;
    text.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t byte = ReadByte();
        text += byte < 32 ? ' ' : static_cast<char>(byte);
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return AnsiCodePageToUtf8(text);
}

void FileAccess::AddByte(std::uint8_t value) {
    if (Position < Buffer.size())
        Buffer[Position] = static_cast<char>(value);
    else
        Buffer.append(Position - Buffer.size(), '\0') += static_cast<char>(value);
    ++Position;
}

void FileAccess::AddText(std::string_view text) {
    for (const char ch : text) {
        const auto byte = static_cast<std::uint8_t>(ch);
        AddByte(byte < 32 ? std::uint8_t{32} : byte);
    }
}

void FileAccess::WriteBitmapHeader(std::uint32_t width, std::uint32_t height) {
    std::string header;
    velmora::WriteBitmapHeader(header, width, height);
    for (const char ch : header) AddByte(static_cast<std::uint8_t>(ch));
}

// Rows follow bottom row first, without padding: the callers' widths give rows
// of a multiple of four bytes.
void WriteBitmapHeader(std::string& bytes, std::uint32_t width, std::uint32_t height) {
    const std::uint32_t imageSize = width * height * 3;
    bytes += "BM";
    AppendLittleEndian(bytes, 54 + imageSize, 4);
    AppendLittleEndian(bytes, 0, 4);
    AppendLittleEndian(bytes, 54, 4);
    AppendLittleEndian(bytes, 40, 4);
    AppendLittleEndian(bytes, width & 0xFFFF, 4);
    AppendLittleEndian(bytes, height & 0xFFFF, 4);
    AppendLittleEndian(bytes, 1, 2);
    AppendLittleEndian(bytes, 24, 2);
    AppendLittleEndian(bytes, 0, 4);
    AppendLittleEndian(bytes, imageSize, 4);
    AppendLittleEndian(bytes, 7874, 4);
    AppendLittleEndian(bytes, 7874, 4);
    AppendLittleEndian(bytes, 0, 4);
    AppendLittleEndian(bytes, 0, 4);
}

}  // namespace velmora
