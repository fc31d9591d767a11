// Language files, read and compared with the program's key list.

#include "FuzzSupport.h"
#include "base/FileAccess.h"
#include "base/Language.h"
#include "files/LanguageFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::UseInput(data, size);
    LanguageDatabaseType read;
    if (!ReadLanguageFile("fuzz.velmoralanguage", read, fuzz::SilentUi())) return 0;
    LanguageDatabaseType keys;
    BuildKeyList(keys);
    const LanguageCheckResult result = CompareWithKeyList(read, keys);
    CompatibilityText(result, keys.Pairs.size());
    FileAccess file(fuzz::SilentUi());
    AddLanguageEntries(file, read, {"x"});
    file.FillBuffer("fuzz.velmoralanguage", true);
    return 0;
}
