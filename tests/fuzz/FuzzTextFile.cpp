// Text file access: cutting lines, the entry table and every typed reader.

#include "FuzzSupport.h"
#include "base/FileAccess.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::UseInput(data, size);
    FileAccess file(fuzz::SilentUi());
    file.LoadTextFile("fuzz.txt", true);
    for (std::size_t i = 0; i < file.Entries.size() && i < 64; ++i) {
        const std::string& name = file.Entries[i].Name;
        file.ReadBoolean(name, true);
        file.ReadNumbers(name, 4, 0, 255, 7);
        file.ReadNumbers(name, 513, 0, 0xFFFFFF, 0, true);
        file.ReadList(name);
    }
    file.FindValue("absent", "default");
    file.FillBuffer("fuzz.txt", true);
    return 0;
}
