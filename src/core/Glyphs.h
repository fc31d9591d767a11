#pragma once
// The 20 x 20 icons of the slot codes, drawn at compile time.

#include <cstdint>
#include <string_view>

#include "core/SlotCodes.h"

namespace velmora {

constexpr GlyphBits MakeGlyph(std::uint8_t /*code*/, std::string_view /*name*/, SlotKind /*kind*/,
                              std::uint8_t /*value*/) {
    return GlyphBits{};  // replaced by the pixel-font glyphs
}

}  // namespace velmora
