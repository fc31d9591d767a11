#include "files/GlobalLanguage.h"

namespace velmora {

std::string Translate(std::string_view key) {
    if (key.size() < 2) return {};
    return std::string(key.substr(1, key.size() - 2));
}

}  // namespace velmora
