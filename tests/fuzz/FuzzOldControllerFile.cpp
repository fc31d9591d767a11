// Old binary controller files. The input is the version number followed by
// the fields after the picture (locations, accesses, names); the picture in
// between is fixed, so that short inputs reach every field.

#include <algorithm>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "files/ControllerFiles.h"
#include "files/OldControllerFiles.h"
#include "model/ControllerLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::InputFiles();
    const std::size_t head = std::min<std::size_t>(size, 2);
    // The file is put together in one buffer kept from input to input, and
    // read from there as the reader reads a file's buffer: the fixed picture
    // is most of it, and a fresh copy per input (the file as read, as the
    // reader's buffer) cost more than the reading. The reader changes no byte
    // of the picture, so only what comes before and after it is written anew.
    static std::string bytes;
    static std::size_t pictureAfter = 0;  // the version bytes before the picture in bytes
    if (bytes.empty() || head != pictureAfter) {
        bytes.assign(OldControllerSignature);
        bytes.append(head, '\0');
        bytes.append(ImageBytes, '\x7F');
        pictureAfter = head;
    }
    const std::size_t pictureEnd = OldControllerSignature.size() + head + ImageBytes;
    bytes.resize(pictureEnd);
    bytes.replace(OldControllerSignature.size(), head, reinterpret_cast<const char*>(data), head);
    bytes.append(reinterpret_cast<const char*>(data) + head, size - head);
    static const auto layout = std::make_unique<ControllerFileType>();
    FileAccess file(fuzz::SilentUi());
    file.Buffer.swap(bytes);
    ReadControllerBuffer(file, "fuzz.velmoracontroller", *layout);
    file.Buffer.swap(bytes);
    return 0;
}
