// The typed readers of the file-access record.

#include "base/FileAccess.h"
#include "base/NumberText.h"

namespace velmora {

// The entry at the hint is tried first, so readers that ask in file order find
// each name at once; otherwise the last entry of that name wins. The map of
// each name's last index gives the same answer as a search from the last entry
// backwards, without walking thousands of entries for every absent name.
std::size_t FileAccess::FindIndex(std::string_view name) {
    std::size_t found = Entries.size();
    if (LookupHint < Entries.size() && Entries[LookupHint].Name == name) {
        found = LookupHint;
    } else {
        if (indexedCount_ != Entries.size()) BuildIndex();
        auto it = lastIndexByName_.find(name);
        // The table may have been refilled to the same size since.
        if (it != lastIndexByName_.end() && Entries[it->second].Name != name) {
            BuildIndex();
            it = lastIndexByName_.find(name);
        }
        if (it != lastIndexByName_.end()) found = it->second;
    }
    if (found < Entries.size()) LookupHint = found + 1 == Entries.size() ? 0 : found + 1;
    return found;
}

void FileAccess::BuildIndex() {
    lastIndexByName_.clear();
    for (std::size_t i = 0; i < Entries.size(); ++i) lastIndexByName_[Entries[i].Name] = i;
    indexedCount_ = Entries.size();
}

std::string FileAccess::FindValue(std::string_view name, std::string_view fallback) {
    const std::size_t index = FindIndex(name);
    return index < Entries.size() ? Entries[index].Value : std::string(fallback);
}

bool FileAccess::ReadBoolean(std::string_view name, bool fallback) {
    const std::string value = FindValue(name, {});
    if (value == "1") return true;
    if (value == "0") return false;
    return fallback;
}

// Items are cut at 8 characters; an empty item (two commas in a row) is no
// item; a bad or out-of-range item gives the default.
int FileAccess::ReadNumbers(std::string_view name, int count, std::int32_t minimum, std::int32_t maximum,
                            std::int32_t fallback, bool hexadecimal) {
    Numbers.assign(static_cast<std::size_t>(count), fallback);
    const std::string value = FindValue(name, {}) + ",";
    std::string item;
    int done = 0;
    for (std::size_t i = 0; i < value.size() && done < count; ++i) {
        if (value[i] != ',') {
            if (item.size() < 8) item += value[i];
        } else if (!item.empty()) {
            std::int32_t number = hexadecimal ? ParseHex(item) : ParseDecimal(item);
            if (number < minimum || number > maximum) number = fallback;
            Numbers[static_cast<std::size_t>(done++)] = number;
            item.clear();
        }
    }
    return done;
}

// A comma met while the item is still empty is part of the item, so ",," in a
// list keeps the second comma as the next item's first character.
void FileAccess::ReadList(std::string_view name) {
    List.clear();
    std::string item;
    for (const char ch : FindValue(name, {})) {
        if (ch == ',' && !item.empty()) {
            List.push_back(std::move(item));
            item.clear();
        } else {
            item += ch;
        }
    }
    if (!item.empty()) List.push_back(std::move(item));
}

}  // namespace velmora
