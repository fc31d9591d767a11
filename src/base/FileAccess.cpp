#include "base/FileAccess.h"

#include <algorithm>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/TextEncoding.h"

namespace velmora {
namespace {

// Whether the reader takes a line (its leading spaces removed) as an entry,
// and where its "=" is.
std::size_t EntrySeparator(std::string_view line) {
    if (line.size() < 2 || line[0] == '[' || line[0] == ';' || line[0] == '=') return std::string_view::npos;
    return line.find('=');
}

std::string_view WithoutLeadingSpaces(std::string_view line) {
    const std::size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : line.substr(first);
}

// Appends the entry's line to the text and answers it; written in place, as
// a string of its own per line cost most of the time of writing a file.
std::string_view AppendWrittenLine(std::string& text, const FileEntry& entry) {
    const std::size_t start = text.size();
    if (!entry.Name.empty()) text.append(entry.Name).append(1, '=');
    text.append(entry.Value);
    for (std::size_t i = start; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) < 32) text[i] = ' ';
    return std::string_view(text).substr(start);
}

}  // namespace

FileAccess::FileAccess(UserInterface& ui, FileLimits limits, FileSystem& files)
    : ui_(ui), limits_(limits), files_(files) {}

bool FileAccess::ReadWholeFile(const std::string& path, bool showErrors) {
    // One byte more than the buffer holds tells whether the file was cut.
    auto bytes = files_.ReadFile(path, limits_.MaxBytes + 1);
    if (!bytes) {
        if (showErrors) ShowError(path, "*File cannot be found or cannot be opened*", {}, {});
        return false;
    }
    readInPart_ = bytes->size() > limits_.MaxBytes;
    if (readInPart_) bytes->resize(limits_.MaxBytes);
    Buffer = std::move(*bytes);
    Position = 0;
    return true;
}

bool FileAccess::LoadTextFile(const std::string& path, bool readFromDisk) {
    Entries.clear();
    LookupHint = 0;
    unreadLines_ = false;
    BuildIndex();
    if (readFromDisk && !ReadWholeFile(path, false)) return false;
    DecodedText decoded = DecodeFileText(Buffer, readInPart_);
    Encoding = decoded.Encoding;
    return CutLines(path, decoded.Text);
}

// Lines other than blanks, comments and sections, yet no entry: the file is
// in a form this reader cannot use, and saving over it would lose it.
bool FileAccess::RefuseUnreadable(const std::string& path) {
    if (!Entries.empty() || !unreadLines_) return false;
    ShowError(path, "*File holds nothing Velmora can read*",
              {{"*Encoding*", std::string(EncodingName(Encoding))}},
              Translate("*The file has not been changed. Save it as UTF-8 or ANSI text in a text editor.*"));
    return true;
}

// CR and LF each end a line, so CR LF ends one line and then an empty one.
bool FileAccess::CutLines(const std::string& path, const std::string& text) {
    // Room for every line at once: grown line by line, the table was
    // allocated again and again.
    const auto lineEnds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    Entries.reserve(std::min(lineEnds + 1, limits_.MaxEntries));
    std::string line;
    std::size_t length = 0;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == 13 || byte == 10) {
            if (!ParseLine(path, line)) return false;
            line.clear();
            length = 0;
            continue;
        }
        if ((byte & 0xC0) != 0x80 && length++ == limits_.MaxLineLength) {
            ShowError(path, "*File line too long*",
                      {{"*Line*", line}, {"*Maximum Size*", std::to_string(limits_.MaxLineLength)}}, {});
            return false;
        }
        line += byte < 32 ? ' ' : ch;
    }
    return line.empty() || ParseLine(path, line);
}

bool FileAccess::ParseLine(const std::string& path, const std::string& line) {
    if (Entries.size() >= limits_.MaxEntries) {
        ShowError(path, "*File too large to open*", {{"*Maximum Lines*", std::to_string(limits_.MaxEntries)}},
                  {});
        return false;
    }
    const std::string_view text = WithoutLeadingSpaces(line);
    const std::size_t separator = EntrySeparator(text);
    if (separator != std::string_view::npos)
        Entries.push_back({std::string(text.substr(0, separator)), std::string(text.substr(separator + 1))});
    else if (!text.empty() && text[0] != '[' && text[0] != ';')
        unreadLines_ = true;
    return true;
}

void FileAccess::AddEntry(std::string name, std::string value) {
    Entries.push_back({std::move(name), std::move(value)});
}

void FileAccess::AddNumbers(std::string name, const std::vector<std::int32_t>& numbers) {
    std::string value;
    for (const std::int32_t number : numbers) {
        if (!value.empty()) value += ',';
        value += std::to_string(number);
    }
    AddEntry(std::move(name), std::move(value));
}

// The length of the written lines, so the text is made in one piece.
std::size_t FileAccess::WrittenSize() const {
    std::size_t size = 0;
    for (const FileEntry& entry : Entries) size += entry.Name.size() + 1 + entry.Value.size() + 2;
    return size;
}

// Every line ends with CR LF, and the LF after the last entry's CR is one more
// line end, which must still find room in the reader's table: a file may hold
// one entry fewer than the table.
bool FileAccess::FillBuffer(const std::string& path, bool showErrors) {
    std::string out;
    out.reserve(WrittenSize());
    std::size_t entryLines = 0;
    bool fits = Entries.size() <= limits_.MaxEntries;
    for (std::size_t i = 0; fits && i < Entries.size(); ++i) {
        const std::string_view line = AppendWrittenLine(out, Entries[i]);
        fits = Utf8Length(line) <= limits_.MaxLineLength;
        if (EntrySeparator(WithoutLeadingSpaces(line)) != std::string_view::npos) ++entryLines;
        out += "\r\n";
    }
    if (!fits || entryLines >= limits_.MaxEntries || out.size() > limits_.MaxBytes) {
        if (showErrors) ShowTooLargeToSave(path);
        return false;
    }
    Buffer = std::move(out);
    Position = Buffer.size();
    return true;
}

bool FileAccess::SaveTextFile(const std::string& path, bool showErrors) {
    return FillBuffer(path, showErrors) && WriteWholeFile(path, showErrors);
}

bool FileAccess::WriteWholeFile(const std::string& path, bool showErrors) {
    if (files_.WriteFile(path, Buffer)) return true;
    if (showErrors)
        ShowError(
            path, "*File cannot be saved*", {},
            Translate("*File may be read-only or open elsewhere. Folder may not exist. Drive may be full.*"));
    return false;
}

void FileAccess::ShowTooLargeToSave(const std::string& path) {
    ShowError(path, "*File too large to save*",
              {{"*Maximum Size*", std::to_string(limits_.MaxBytes)},
               {"*Maximum Lines*", std::to_string(limits_.MaxEntries - 1)}},
              Translate("*The file would be too large to open again, so it has not been saved.*"));
}

void FileAccess::ShowError(const std::string& path, std::string_view headingKey,
                           const std::vector<DetailLine>& extra, std::string message) {
    std::vector<DetailLine> details = FileDetails(path);
    details.insert(details.end(), extra.begin(), extra.end());
    ui_.ShowMessageDialog(MakeMessage(DialogKind::Error, headingKey, details, std::move(message)));
}

}  // namespace velmora
