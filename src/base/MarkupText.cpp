#include "base/MarkupText.h"

namespace velmora {

std::string PlainText(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (const char ch : text) {
        if (ch == '#' || ch == '$' || ch == MarkupEscape) plain += MarkupEscape;
        plain += ch;
    }
    return plain;
}

}  // namespace velmora
