// The number helpers of file access.

#include "base/NumberText.h"

namespace velmora {

std::int32_t ParseDecimal(std::string_view text) {
    if (text.empty() || text.size() > 8) return -1;
    std::int32_t value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') return -1;
        value = value * 10 + (ch - '0');
    }
    return value > 16777215 ? -1 : value;
}

// Upper-case digits only: the program writes them so.
std::int32_t ParseHex(std::string_view text) {
    if (text.empty() || text.size() > 6) return -1;
    std::int32_t value = 0;
    for (const char ch : text) {
        int digit = -1;
        if (ch >= '0' && ch <= '9') digit = ch - '0';
        if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

std::string FormatHex(std::uint32_t value, int digits) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), Digits[value & 0xF]);
        value >>= 4;
    } while (digits == 0 ? value != 0 : static_cast<int>(text.size()) < digits);
    return text;
}

std::string TwoDigits(int value) {
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

std::string VersionString() {
    return "2007.12";
}

}  // namespace velmora
