// Language files, read and compared with the program's key list. The key
// list depends on no input: it is built and sorted once, and each input
// compares against a fresh copy of it (the comparison fills in its values).

#include "FuzzSupport.h"
#include "base/FileAccess.h"
#include "base/Language.h"
#include "files/LanguageFiles.h"

namespace {

const velmora::LanguageDatabaseType& SortedKeyList() {
    static const velmora::LanguageDatabaseType keys = [] {
        velmora::LanguageDatabaseType list;
        velmora::BuildKeyList(list);
        return list;
    }();
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::UseInput(data, size);
    LanguageDatabaseType read;
    if (!ReadLanguageFile("fuzz.velmoralanguage", read, fuzz::SilentUi())) return 0;
    LanguageDatabaseType keys = SortedKeyList();
    const LanguageCheckResult result = CompareWithKeyList(read, keys);
    CompatibilityText(result, keys.Pairs.size());
    FileAccess file(fuzz::SilentUi());
    AddLanguageEntries(file, read, {"x"});
    file.FillBuffer("fuzz.velmoralanguage", true);
    return 0;
}
