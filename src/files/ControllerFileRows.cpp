#include "files/ControllerFileRows.h"

#include <algorithm>

#include "model/ControllerLayout.h"

namespace velmora {

namespace {

// The smallest non-negative number that does not occur: at most the row's size.
std::uint32_t FindMarker(std::span<const std::uint32_t> row) {
    std::vector<bool> seen(row.size() + 1, false);
    for (std::uint32_t value : row)
        if (value < seen.size()) seen[value] = true;
    return static_cast<std::uint32_t>(std::find(seen.begin(), seen.end(), false) - seen.begin());
}

void AppendRun(std::vector<std::uint32_t>& items, std::uint32_t marker, std::uint32_t value,
               std::size_t length) {
    if (length > 3) {
        items.insert(items.end(), {marker, value, static_cast<std::uint32_t>(length)});
        return;
    }
    items.insert(items.end(), length, value);
}

}  // namespace

std::vector<std::uint32_t> EncodeRow(std::span<const std::uint32_t> row) {
    const std::uint32_t marker = FindMarker(row);
    std::vector<std::uint32_t> items{marker};
    for (std::size_t start = 0; start < row.size();) {
        std::size_t end = start + 1;
        while (end < row.size() && row[end] == row[start]) ++end;
        AppendRun(items, marker, row[start], end - start);
        start = end;
    }
    return items;
}

std::vector<std::uint32_t> DecodeRow(std::span<const std::int32_t> items) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(RowPixels);
    if (items.size() >= 2) {
        const std::int32_t marker = items[0];
        for (std::size_t i = 1; i < items.size(); ++i) {
            if (items[i] != marker) {
                if (pixels.size() < RowPixels) pixels.push_back(static_cast<std::uint32_t>(items[i]));
                continue;
            }
            if (i + 2 >= items.size()) continue;  // a marker too near the end is skipped
            const std::int32_t length = items[i + 2];
            if (length > 0 && pixels.size() + static_cast<std::size_t>(length) <= RowPixels)
                pixels.insert(pixels.end(), static_cast<std::size_t>(length),
                              static_cast<std::uint32_t>(items[i + 1]));
            i += 2;
        }
    }
    pixels.resize(RowPixels, Magenta);
    return pixels;
}

std::string FormatRowItems(std::span<const std::uint32_t> items) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint32_t item : items) {
        if (!text.empty()) text += ',';
        std::string digits;
        do {
            digits += Digits[item & 15u];
            item >>= 4;
        } while (item != 0);
        text.append(digits.rbegin(), digits.rend());
    }
    return text;
}

}  // namespace velmora
