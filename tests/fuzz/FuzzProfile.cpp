// Profile files, text and old binary.

#include "FuzzSupport.h"
#include "files/ProfileFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::UseInput(data, size);
    static const ConfigurationType config;
    ProfileType profile;
    if (ReadProfile("fuzz.velmoraprofile", profile, config, fuzz::SilentUi()))
        ProfileFileBytes(profile, fuzz::SilentUi(), "fuzz.velmoraprofile");
    return 0;
}
