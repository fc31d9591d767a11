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
    const std::size_t head = std::min<std::size_t>(size, 2);
    // The file is put together in one buffer kept from input to input: the
    // fixed picture is most of it and would otherwise be allocated each time.
    static std::string bytes;
    bytes.assign(OldControllerSignature);
    bytes.append(reinterpret_cast<const char*>(data), head);
    bytes.append(ImageBytes, '\x7F');
    bytes.append(reinterpret_cast<const char*>(data) + head, size - head);
    fuzz::UseInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    static const auto layout = std::make_unique<ControllerFileType>();
    ReadControllerFile("fuzz.velmoracontroller", *layout, fuzz::SilentUi());
    return 0;
}
