#pragma once
// The window's text drawer: Tahoma through GDI, drawn into a scratch bitmap
// and copied into the picture in the wanted colour, so that the picture
// stays one plain buffer whatever draws into it.

#include <memory>

#include "ui/TextDrawer.h"

namespace velmora {

// Falls back to the pixel font when GDI cannot give a font or a bitmap.
std::unique_ptr<TextDrawer> MakeGdiTextDrawer();

}  // namespace velmora
