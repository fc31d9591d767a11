#include "app/CommandLine.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "model/Controller.h"

namespace velmora {
namespace {

constexpr std::string_view ProfileExtension = "velmoraprofile";
constexpr std::string_view ShortcutExtension = "lnk";

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void ShowInvalidShortcut(const std::string& path, UserInterface& ui) {
    const std::vector<DetailLine> details{{"*Name*", FileTitle(path)}, {"*Location*", FileFolder(path)}};
    ui.ShowMessageDialog(
        MakeMessage(DialogKind::Error, "*Invalid shortcut*", details,
                    Translate("*This shortcut cannot be found and so cannot be launched.*")));
}

// "-m" or "/min" was meant as a switch: taken for a profile's name it would
// only give a puzzling "cannot open" later. A name with an extension is a file.
bool LooksLikeSwitch(const std::string& param) {
    return (param[0] == '/' || param[0] == '-') && FileExtension(param).empty();
}

void ShowUnknownSwitch(const std::string& param, UserInterface& ui) {
    ui.ShowMessageDialog(MakeMessage(DialogKind::Error, "*Unknown switch*", {{"*Value*", param}},
                                     Translate("*The known switches are /M, /C and /?.*")));
}

struct ParsedProfiles {
    std::array<std::string, MaxQueuedProfiles> Names;
    std::size_t Count = 0;

    void Add(std::string name) {
        if (Count < MaxQueuedProfiles) Names[Count++] = std::move(name);  // a 17th is ignored
    }
};

void ParseOne(CommandLineType& commandLine, const std::string& param, ParsedProfiles& profiles,
              UserInterface& ui, const FileExistsFunction& fileExists) {
    if (param == "/m" || param == "/M") {
        commandLine.MinimizeSwitch = true;
    } else if (param == "/c" || param == "/C") {
        commandLine.CloseSwitch = true;
    } else if (param == "/?") {
        commandLine.HelpSwitch = true;
    } else if (LooksLikeSwitch(param)) {
        ShowUnknownSwitch(param, ui);
    } else {
        // Extensions are compared exactly: "A.VELMORAPROFILE" is ignored.
        const std::string extension = FileExtension(param);
        if (extension.empty()) {
            profiles.Add(AbsolutePath(param + "." + std::string(ProfileExtension)));
        } else if (extension == ProfileExtension) {
            profiles.Add(AbsolutePath(param));
        } else if (extension == ShortcutExtension) {
            std::string path = AbsolutePath(param);
            if (fileExists(path))
                commandLine.ShortcutPath = std::move(path);
            else
                ShowInvalidShortcut(path, ui);
        }
    }
}

}  // namespace

bool AsksForRegistryRemoval(std::span<const std::string> params) {
    return std::any_of(params.begin(), params.end(), [](const std::string& param) {
        const std::string trimmed = Trim(param);
        return trimmed == "/u" || trimmed == "/U";
    });
}

void StoreParams(CommandLineType& commandLine, std::span<const std::string> params) {
    const std::size_t count = std::min(params.size(), MaxCommandLineParams);
    for (std::size_t i = 0; i < count; ++i) commandLine.Params[i] = params[i];
    commandLine.ParamCount = static_cast<std::uint8_t>(count);
}

void ParseCommandLine(CommandLineType& commandLine, UserInterface& ui, const FileExistsFunction& fileExists) {
    // A shortcut still waiting for its controllers stays until another replaces it.
    commandLine.MinimizeSwitch = commandLine.HelpSwitch = commandLine.CloseSwitch = false;
    ParsedProfiles profiles;
    for (std::size_t i = 0; i < commandLine.ParamCount; ++i) {
        std::string& param = commandLine.Params[i];
        param = Trim(param);
        if (!param.empty()) ParseOne(commandLine, param, profiles, ui, fileExists);
    }
    for (std::size_t i = 0; i < profiles.Count; ++i) QueueProfile(commandLine, std::move(profiles.Names[i]));
}

void QueueProfile(CommandLineType& commandLine, std::string file) {
    if (commandLine.ProfileCount == MaxQueuedProfiles) TakeQueuedProfile(commandLine);
    commandLine.Profiles[commandLine.ProfileCount++] = std::move(file);
}

std::optional<std::string> TakeQueuedProfile(CommandLineType& commandLine) {
    if (commandLine.ProfileCount == 0) return std::nullopt;
    auto& queue = commandLine.Profiles;
    std::string oldest = std::move(queue[0]);
    std::move(queue.begin() + 1, queue.begin() + commandLine.ProfileCount, queue.begin());
    queue[--commandLine.ProfileCount].clear();
    return oldest;
}

std::string BuildHandOverBuffer(std::span<const std::string> params) {
    std::string buffer;
    for (const std::string& param : params) {
        buffer += param;
        buffer += '\0';
    }
    buffer += '\0';
    return buffer;
}

std::optional<std::vector<std::string>> ReadHandOverBuffer(const void* data, std::size_t byteCount) {
    if (data == nullptr) return std::nullopt;
    const std::string_view bytes(static_cast<const char*>(data), byteCount);
    std::vector<std::string> params;
    std::size_t position = 0;
    while (position < bytes.size() && params.size() < MaxCommandLineParams) {
        const std::size_t end = bytes.find('\0', position);
        if (end == std::string_view::npos) return std::nullopt;  // cut off: trust none of it
        if (end == position) break;                              // the closing empty string
        params.emplace_back(bytes.substr(position, end - position));
        position = end + 1;
    }
    return params;
}

std::vector<HandOverRequest> DistributeHandOverProfiles(CommandLineType& commandLine,
                                                        std::span<const std::uint8_t> connections,
                                                        int selected) {
    std::vector<HandOverRequest> requests;
    if (connections.empty()) return requests;
    const auto codeFor = [&](int controller) {
        return connections[static_cast<std::size_t>(controller)] == Connected ? RequestOpenNow
                                                                              : RequestOpenWhenConnected;
    };
    const int count = static_cast<int>(connections.size());
    if (commandLine.ProfileCount == 1 && selected >= 0 && selected < count) {
        requests.push_back({selected, codeFor(selected), *TakeQueuedProfile(commandLine)});
        return requests;
    }
    for (int i = 0; i < count && commandLine.ProfileCount > 0; ++i)
        requests.push_back({i, codeFor(i), *TakeQueuedProfile(commandLine)});
    return requests;
}

}  // namespace velmora
