// The configuration file, read and written back.

#include "FuzzSupport.h"
#include "base/FileAccess.h"
#include "files/ConfigurationFile.h"
#include "model/Configuration.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::UseInput(data, size);
    ConfigurationType config;
    ReadConfiguration(config, fuzz::SilentUi(), "C:\\Documents");
    RememberProfile(config, 0, 1, "C:\\x.velmoraprofile");
    ForgetProfile(config, 0, "C:\\x.velmoraprofile");
    PruneRecentProfiles(config, 0, [](const std::string& file) { return file.size() % 2 == 0; });
    FileAccess file(fuzz::SilentUi());
    AddConfigurationEntries(file, config);
    file.FillBuffer("Velmora.ini", true);
    return 0;
}
