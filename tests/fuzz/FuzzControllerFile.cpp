// Controller files as text; a read layout is written back.

#include <memory>

#include "FuzzSupport.h"
#include "base/NumberText.h"
#include "files/ControllerFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::UseInput(data, size);
    // One layout read into again and again, as a rescan reads a known
    // controller's file into the layout it has: a fresh one would cost a
    // whole blank picture per input.
    static const auto layout = std::make_unique<ControllerFileType>();
    if (!ReadControllerFile("fuzz.velmoracontroller", *layout, fuzz::SilentUi())) return 0;
    FileAccess file(fuzz::SilentUi());
    AddControllerEntries(file, *layout, VersionString());
    file.FillBuffer("fuzz.velmoracontroller", true);
    return 0;
}
