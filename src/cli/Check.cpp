// velmora-cli check: load a file as the program would, print every message the
// program would show, and write the file back with the program's own writer.
// The format is described in docs/velmora-cli-check.md.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "base/MarkupText.h"
#include "base/Paths.h"
#include "base/TextEncoding.h"
#include "cli/CheckKinds.h"
#include "cli/Commands.h"
#include "files/OldControllerFiles.h"
#include "files/ProfileFiles.h"
#include "model/Configuration.h"

namespace velmora::cli {
namespace {

constexpr std::string_view KindNames[] = {"Information", "Confirmation", "Warning", "Error"};

// The lines of a text in the dialog markup, without the bold switches: "#"
// ends a line and "$" switches bold; an escaped character is plain text.
std::vector<std::string> MarkupLines(std::string_view text) {
    std::vector<std::string> lines(1);
    bool lineEnded = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        lineEnded = text[i] == '#';
        if (text[i] == MarkupEscape && i + 1 < text.size())
            lines.back() += text[++i];
        else if (text[i] == '#')
            lines.emplace_back();
        else if (text[i] != '$')
            lines.back() += text[i];
    }
    if (lineEnded || lines.back().empty()) lines.pop_back();  // the final "#" is optional
    return lines;
}

// One line per message: kind, heading, the detail lines as Name=Value, then
// the message's non-empty lines joined by " / ".
std::string MessageLine(const MessageDialog& dialog) {
    std::string line = std::string(KindNames[static_cast<int>(dialog.Kind) & 3]) + ": " + dialog.Heading;
    const std::vector<std::string> captions = MarkupLines(dialog.Captions);
    const std::vector<std::string> values = MarkupLines(dialog.Values);
    for (std::size_t i = 0; i < captions.size(); ++i)
        line += " | " + captions[i] + "=" + (i < values.size() ? values[i] : "");
    std::string message;
    for (const std::string& part : MarkupLines(dialog.Message))
        if (!part.empty()) message += (message.empty() ? "" : " / ") + part;
    if (!message.empty()) line += " | " + message;
    return line;
}

// Messages go to standard error, so that standard output holds only the file.
class PrintingUserInterface : public NoUserInterface {
public:
    int ShowMessageDialog(const MessageDialog& dialog) override {
        std::fprintf(stderr, "%s\n", MessageLine(dialog).c_str());
        return NoUserInterface::ShowMessageDialog(dialog);
    }
};

// A file that is not UTF-8 reads differently on another system, and is written
// back as UTF-8: say how it was read. Old binary files are not text.
void PrintEncodingNote(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.starts_with(OldControllerSignature) || bytes.starts_with("VelmoraProfile")) return;
    const FileEncoding encoding = DecodeFileText(bytes, false).Encoding;
    if (encoding == FileEncoding::Utf8WithMark)
        std::fprintf(stderr, "Note: read as UTF-8 with byte-order mark, Velmora saves UTF-8 without it\n");
    else if (encoding != FileEncoding::Utf8)
        std::fprintf(stderr, "Note: not UTF-8: read as %s, Velmora saves UTF-8\n",
                     std::string(EncodingName(encoding)).c_str());
}

struct CheckOptions {
    std::string File;
    std::string Out;
};

bool ParseOptions(const Arguments& args, CheckOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            options.Out = args[++i];
        else if (options.File.empty() && !args[i].starts_with("--"))
            options.File = args[i];
        else
            return false;
    }
    return !options.File.empty();
}

bool IsProfile(const std::string& path) {
    std::string extension = FileExtension(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; });
    return extension == ProfileExtension;
}

int WriteBack(ProfileType& profile, const CheckOptions& options, UserInterface& ui) {
    if (!options.Out.empty()) {
        profile.FileName = std::filesystem::absolute(options.Out).string();
        return WriteProfile(profile, ui) ? 0 : 1;
    }
    const std::optional<std::string> bytes = ProfileFileBytes(profile, ui, profile.FileName);
    if (!bytes) return 1;
    std::fwrite(bytes->data(), 1, bytes->size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int CheckProfile(const CheckOptions& options) {
    PrintingUserInterface ui;
    const ConfigurationType config;
    ProfileType profile;
    // The program always works with full paths; the messages name the folder.
    const std::string path = std::filesystem::absolute(options.File).string();
    if (!ReadProfile(path, profile, config, ui)) {
        ui.ShowMessageDialog(CannotOpenProfileMessage(path, ""));
        return 1;
    }
    return WriteBack(profile, options, ui);
}

}  // namespace

int RunCheck(const Arguments& args) {
    CheckOptions options;
    if (!ParseOptions(args, options)) {
        std::fputs("usage: velmora-cli check [--out FILE] FILE\n", stderr);
        return 2;
    }
    PrintEncodingNote(options.File);
    PrintingUserInterface printing;
    if (const int status = CheckOtherKind(options.File, options.Out, printing); status != NotThisKind)
        return status;
    if (!IsProfile(options.File)) {
        std::fprintf(stderr, "velmora-cli check: %s: not a file kind that can be checked\n",
                     options.File.c_str());
        return 2;
    }
    return CheckProfile(options);
}

}  // namespace velmora::cli
