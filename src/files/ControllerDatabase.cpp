#include "files/ControllerDatabase.h"

#include <memory>
#include <optional>

#include "base/Paths.h"
#include "base/TextEncoding.h"

namespace velmora {
namespace {

void Index(ControllerDatabase& database) {
    database.ByVendorProduct.reserve(database.Entries.size());
    for (std::size_t i = 0; i < database.Entries.size(); ++i) {
        const PadMapping& entry = database.Entries[i];
        if (entry.Guid == "xinput") database.XInputEntry = &entry;
        if (const std::optional<std::uint32_t> model = GuidVendorProduct(entry.Guid))
            database.ByVendorProduct[*model].push_back(i);
    }
}

std::unique_ptr<ControllerDatabase>& ProgramDatabase() {
    static std::unique_ptr<ControllerDatabase> database;
    return database;
}

}  // namespace

const PadMapping* ControllerDatabase::Find(std::uint32_t vendorProduct) const {
    const auto found = ByVendorProduct.find(vendorProduct);
    return found == ByVendorProduct.end() ? nullptr : &Entries[found->second.back()];
}

std::vector<const PadMapping*> ControllerDatabase::FindAll(std::uint32_t vendorProduct) const {
    std::vector<const PadMapping*> entries;
    const auto found = ByVendorProduct.find(vendorProduct);
    if (found == ByVendorProduct.end()) return entries;
    for (auto i = found->second.rbegin(); i != found->second.rend(); ++i) entries.push_back(&Entries[*i]);
    return entries;
}

ControllerDatabase ParseControllerDatabase(std::string_view text) {
    ControllerDatabase database;
    database.Found = true;
    PadMapping entry;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const PadLineKind kind = ParsePadMappingLine(line, entry);
        if (kind == PadLineKind::Entry) database.Entries.push_back(std::move(entry));
        if (kind == PadLineKind::Malformed) ++database.MalformedLines;
    }
    Index(database);
    return database;
}

ControllerDatabase ReadControllerDatabase(const std::string& path, FileSystem& files) {
    const std::optional<std::string> bytes = files.ReadFile(path, ControllerDatabaseMaxBytes);
    if (!bytes) return {};
    return ParseControllerDatabase(DecodeFileText(*bytes, bytes->size() >= ControllerDatabaseMaxBytes).Text);
}

const ControllerDatabase& ProgramControllerDatabase() {
    std::unique_ptr<ControllerDatabase>& database = ProgramDatabase();
    if (!database)
        database = std::make_unique<ControllerDatabase>(
            ReadControllerDatabase(AbsolutePath(ControllerDatabaseFileName)));
    return *database;
}

void ForgetProgramControllerDatabase() {
    ProgramDatabase().reset();
}

}  // namespace velmora
