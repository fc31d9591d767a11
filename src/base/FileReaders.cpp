// The typed readers of the file-access record.

#include <algorithm>
#include <cstdint>

#include "base/FileAccess.h"
#include "base/NumberText.h"

namespace velmora {

namespace {

std::size_t NameHash(std::string_view name) {
    return std::hash<std::string_view>{}(name);
}

}  // namespace

// The entry at the hint is tried first, so readers that ask in file order find
// each name at once; otherwise the last entry of that name wins. The index of
// the names' hashes gives the same answer as a search from the last entry
// backwards, without walking thousands of entries for every absent name.
std::size_t FileAccess::FindIndex(std::string_view name) {
    std::size_t found = Entries.size();
    if (LookupHint < Entries.size() && Entries[LookupHint].Name == name) {
        found = LookupHint;
    } else {
        if (indexedCount_ != Entries.size()) BuildIndex();
        bool stale = false;
        found = FindIndexed(name, stale);
        // The table may have been refilled to the same size since.
        if (stale) {
            BuildIndex();
            found = FindIndexed(name, stale);
        }
    }
    if (found < Entries.size()) LookupHint = found + 1 == Entries.size() ? 0 : found + 1;
    return found;
}

// One block of hashes and indices, in order: no copy of any name, no
// allocation per entry (a map of names made two for most entries).
void FileAccess::BuildIndex() {
    hashIndex_.clear();
    for (std::size_t i = 0; i < Entries.size(); ++i) hashIndex_.emplace_back(NameHash(Entries[i].Name), i);
    std::sort(hashIndex_.begin(), hashIndex_.end());
    indexedCount_ = Entries.size();
}

// The last entry of that name among those of its hash; stale when one of
// them has another name and none has this one.
std::size_t FileAccess::FindIndexed(std::string_view name, bool& stale) const {
    const std::size_t hash = NameHash(name);
    auto at = std::upper_bound(hashIndex_.begin(), hashIndex_.end(), std::pair{hash, SIZE_MAX});
    stale = false;
    while (at != hashIndex_.begin() && (--at)->first == hash) {
        if (Entries[at->second].Name == name) return at->second;
        stale = true;
    }
    return Entries.size();
}

std::string FileAccess::FindValue(std::string_view name, std::string_view fallback) {
    const std::size_t index = FindIndex(name);
    return index < Entries.size() ? Entries[index].Value : std::string(fallback);
}

std::vector<bool> FileAccess::NumbersAfter(std::string_view prefix, std::size_t count) const {
    std::vector<bool> named(count);
    for (const FileEntry& entry : Entries) {
        if (!entry.Name.starts_with(prefix)) continue;
        std::size_t number = 0;
        for (std::size_t i = prefix.size(); i < entry.Name.size() && number <= count; ++i) {
            const char ch = entry.Name[i];
            if (ch < '0' || ch > '9') break;
            number = number * 10 + static_cast<std::size_t>(ch - '0');
        }
        if (number >= 1 && number <= count) named[number - 1] = true;
    }
    return named;
}

std::string_view FileAccess::ValueOf(std::string_view name) {
    const std::size_t index = FindIndex(name);
    return index < Entries.size() ? std::string_view(Entries[index].Value) : std::string_view{};
}

bool FileAccess::ReadBoolean(std::string_view name, bool fallback) {
    const std::string_view value = ValueOf(name);
    if (value == "1") return true;
    if (value == "0") return false;
    return fallback;
}

// Items are cut at 8 characters; an empty item (two commas in a row) is no
// item; a bad or out-of-range item gives the default.
int FileAccess::ReadNumbers(std::string_view name, int count, std::int32_t minimum, std::int32_t maximum,
                            std::int32_t fallback, bool hexadecimal) {
    Numbers.assign(static_cast<std::size_t>(count), fallback);
    const std::string_view value = ValueOf(name);
    std::string item;
    int done = 0;
    // The end of the value ends the last item as a comma would.
    for (std::size_t i = 0; i <= value.size() && done < count; ++i) {
        if (i < value.size() && value[i] != ',') {
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
    for (const char ch : ValueOf(name)) {
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
