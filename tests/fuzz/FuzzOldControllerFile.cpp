// Old binary controller files. The input is the version number followed by
// the fields after the picture (locations, accesses, names); the picture in
// between is fixed, so that short inputs reach every field.

#include <memory>

#include "FuzzSupport.h"
#include "files/ControllerFiles.h"
#include "files/OldControllerFiles.h"
#include "model/ControllerLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t head = std::min<std::size_t>(size, 2);
    std::string bytes = std::string(OldControllerSignature) + input.substr(0, head);
    bytes += std::string(ImageBytes, '\x7F');
    bytes += input.substr(head);
    fuzz::UseInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    auto layout = std::make_unique<ControllerFileType>();
    ReadControllerFile("fuzz.velmoracontroller", *layout, fuzz::SilentUi());
    return 0;
}
