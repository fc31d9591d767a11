#pragma once
// Text file access shared by every file kind: a whole file is read into one
// buffer, cut into lines, and its Name=Value lines are kept in an entry table
// that typed readers look up with a default and limits, so a missing or bad
// value never stops a load. Writing fills the same table in order and writes
// it out in one piece. Also the byte-level access used for old binary files
// and bitmaps.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/FileMessages.h"
#include "base/FileSystem.h"
#include "base/TextEncoding.h"
#include "base/UserInterface.h"

namespace velmora {

// How much one file may hold. A line's length counts characters.
struct FileLimits {
    std::size_t MaxBytes;
    std::size_t MaxLineLength;
    std::size_t MaxEntries;
};

inline constexpr FileLimits TextFileLimits{1048576, 1048576, 4096};

// One line of the table. When reading only Name=Value lines become entries.
// When writing, an empty name and value is a blank line, an empty name with a
// value is a line holding just the value (comments, sections).
struct FileEntry {
    std::string Name;
    std::string Value;
};

// The file-access record. One object serves one file at a time; it owns its
// buffer and table, so its lifetime brackets the access.
class FileAccess {
public:
    explicit FileAccess(UserInterface& ui, FileLimits limits = TextFileLimits,
                        FileSystem& files = DefaultFileSystem());

    std::string Buffer;                          // raw file bytes; its size is the buffer length
    std::size_t Position = 0;                    // next byte for byte-level reads and appends
    std::vector<FileEntry> Entries;              // add with the writers below
    std::size_t LookupHint = 0;                  // the entry after the last one found
    std::vector<std::int32_t> Numbers;           // filled by ReadNumbers
    std::vector<std::string> List;               // filled by ReadList
    FileEncoding Encoding = FileEncoding::Utf8;  // how the last load read the bytes

    const FileLimits& Limits() const { return limits_; }
    UserInterface& Ui() { return ui_; }

    // Reading.
    bool ReadWholeFile(const std::string& path, bool showErrors);
    bool LoadTextFile(const std::string& path, bool readFromDisk);
    // After a load that found no entry but lines other than blanks, comments
    // and sections: shows an error naming the file and its encoding and
    // answers true, so the caller keeps its hands off the file.
    bool RefuseUnreadable(const std::string& path);
    std::string FindValue(std::string_view name, std::string_view fallback);
    // Which of the numbers 1 to count follow prefix at the start of some
    // entry's name ("Program3File" has 3 after "Program"); element n - 1
    // answers for n. A reader of numbered groups looks up the keys of these
    // numbers alone: a file names few of the numbers it could.
    std::vector<bool> NumbersAfter(std::string_view prefix, std::size_t count) const;
    std::string ReadString(std::string_view name, std::string_view fallback) {
        return FindValue(name, fallback);
    }
    bool ReadBoolean(std::string_view name, bool fallback);
    int ReadNumbers(std::string_view name, int count, std::int32_t minimum, std::int32_t maximum,
                    std::int32_t fallback, bool hexadecimal = false);
    void ReadList(std::string_view name);

    // Writing.
    void AddEntry(std::string name, std::string value);
    void AddBlankLine() { AddEntry({}, {}); }
    void AddComment(std::string_view text) { AddEntry({}, ";" + std::string(text)); }
    void AddSection(std::string_view text) { AddEntry({}, "[" + std::string(text) + "]"); }
    void AddBoolean(std::string name, bool flag) { AddEntry(std::move(name), flag ? "1" : "0"); }
    void AddNumbers(std::string name, const std::vector<std::int32_t>& numbers);
    // Fills the buffer with the entries, lines ending in CR LF. Refuses (with
    // a message when asked) a file that these limits could not read back.
    bool FillBuffer(const std::string& path, bool showErrors);
    bool SaveTextFile(const std::string& path, bool showErrors);
    bool WriteWholeFile(const std::string& path, bool showErrors);

    // Byte-level access at Position; each read or append advances it.
    std::uint8_t ReadByte();
    std::uint8_t ReadByteInRange(std::uint8_t minimum, std::uint8_t maximum, std::uint8_t fallback);
    std::uint16_t ReadWord();
    std::string ReadText(std::size_t count);
    void AddByte(std::uint8_t value);
    void AddText(std::string_view text);
    void WriteBitmapHeader(std::uint32_t width, std::uint32_t height);

private:
    bool CutLines(const std::string& path, const std::string& text);
    bool ParseLine(const std::string& path, const std::string& line);
    void ShowTooLargeToSave(const std::string& path);
    std::size_t WrittenSize() const;
    std::size_t FindIndex(std::string_view name);
    std::size_t FindIndexed(std::string_view name, bool& stale) const;
    std::string_view ValueOf(std::string_view name);  // empty when missing
    void BuildIndex();
    void ShowError(const std::string& path, std::string_view headingKey, const std::vector<DetailLine>& extra,
                   std::string message);

    UserInterface& ui_;
    FileLimits limits_;
    FileSystem& files_;
    std::vector<std::pair<std::size_t, std::size_t>> hashIndex_;  // see FindIndex
    std::size_t indexedCount_ = 0;
    bool readInPart_ = false;   // the file was longer than the buffer
    bool unreadLines_ = false;  // the load met lines that were neither entries, comments nor sections
};

// Appends the 54 bytes that open an uncompressed 24-bit BMP file of that size.
void WriteBitmapHeader(std::string& bytes, std::uint32_t width, std::uint32_t height);

}  // namespace velmora
