#pragma once
// What every fuzz target shares: the fuzzer's bytes served as the one file
// that file access reads, no language file, and a user interface that
// answers every question as if the dialog were closed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/FileSystem.h"
#include "base/Language.h"
#include "base/UserInterface.h"

namespace velmora::fuzz {

// Every path reads as the current input; writes are accepted and dropped.
class InputFileSystem : public FileSystem {
public:
    std::string Bytes;

    std::optional<std::string> ReadFile(const std::string&, std::size_t maxBytes) override {
        return Bytes.substr(0, maxBytes);
    }
    bool WriteFile(const std::string&, std::string_view) override { return true; }
    std::vector<std::string> ListFiles(const std::string&) override { return {}; }
};

// The file system of the inputs, installed with the English texts at the first call.
inline InputFileSystem& InputFiles() {
    static InputFileSystem files;
    static const bool installed = [] {
        SetDefaultFileSystem(files);
        UseEnglish();
        return true;
    }();
    (void)installed;
    return files;
}

// Installs the input as the file every reader sees.
inline InputFileSystem& UseInput(const std::uint8_t* data, std::size_t size) {
    InputFileSystem& files = InputFiles();
    files.Bytes.assign(reinterpret_cast<const char*>(data), size);
    return files;
}

inline NoUserInterface& SilentUi() {
    static NoUserInterface ui;
    return ui;
}

}  // namespace velmora::fuzz
