#pragma once
// The controller database, gamecontrollerdb.txt beside the program: one line
// per controller model, in the format of the public SDL game controller
// database. The release carries its Windows lines; a newer copy the user drops
// there is read instead. A malformed line is skipped and counted, never fatal.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/FileSystem.h"
#include "model/PadMapping.h"

namespace velmora {

inline constexpr std::string_view ControllerDatabaseFileName = "gamecontrollerdb.txt";
// The database with every platform is about 600 KB; room to grow.
inline constexpr std::size_t ControllerDatabaseMaxBytes = 8 * 1024 * 1024;

struct ControllerDatabase {
    std::vector<PadMapping> Entries;  // in file order
    // Each model's entries in file order; a later line for a model replaces an
    // earlier one, so a line the user appends corrects the shipped one.
    std::unordered_map<std::uint32_t, std::vector<std::size_t>> ByVendorProduct;
    const PadMapping* XInputEntry = nullptr;  // the last "xinput" line
    std::size_t MalformedLines = 0;
    bool Found = false;  // the file was read

    // The model's winning entry: its last line.
    const PadMapping* Find(std::uint32_t vendorProduct) const;
    // Every entry of the model, the winning one first, then the earlier lines.
    std::vector<const PadMapping*> FindAll(std::uint32_t vendorProduct) const;
};

// The database in the text (UTF-8).
ControllerDatabase ParseControllerDatabase(std::string_view text);

// The database in the file, read in any encoding; empty when the file cannot be read.
ControllerDatabase ReadControllerDatabase(const std::string& path, FileSystem& files = DefaultFileSystem());

// The program's database, read from the program's folder on first use and
// kept for the run.
const ControllerDatabase& ProgramControllerDatabase();
// Makes the next use read the file again (tests, a changed program folder).
void ForgetProgramControllerDatabase();

}  // namespace velmora
