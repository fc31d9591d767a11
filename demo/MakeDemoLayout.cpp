// Writes demo/demo.velmoracontroller: a pad drawn from circles and boxes, with
// the buttons, the DPad, both sticks and both triggers placed on it, through
// the program's own controller-file writer. Build and run it from the
// repository after a debug build:
//   c++ -std=c++20 -Isrc demo/MakeDemoLayout.cpp build/debug/libvelmora_core.a
//       -fsanitize=address,undefined -o /tmp/make-demo-layout
//   /tmp/make-demo-layout demo
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/ControllerLayout.h"
#include "files/ControllerFiles.h"

namespace {

using namespace velmora;

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(b) * 65536u + static_cast<std::uint32_t>(g) * 256u +
           static_cast<std::uint32_t>(r);
}

bool InCircle(int x, int y, int cx, int cy, int r) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// The body: a wide box with rounded ends, two handles, and a lower middle
// with a bump around each stick.
bool InBody(int x, int y) {
    return (x >= 120 && x <= 392 && y >= 36 && y <= 150) || InCircle(x, y, 120, 93, 57) ||
           InCircle(x, y, 392, 93, 57) || InCircle(x, y, 140, 160, 78) || InCircle(x, y, 372, 160, 78) ||
           (x >= 215 && x <= 312 && y >= 150 && y <= 190) || InCircle(x, y, 215, 195, 50) ||
           InCircle(x, y, 312, 195, 50);
}

std::uint32_t BodyPixel(int x, int y) {
    if (!InBody(x, y)) return Magenta;
    const bool edge = !InBody(x - 2, y) || !InBody(x + 2, y) || !InBody(x, y - 2) || !InBody(x, y + 2);
    if (edge) return Rgb(40, 44, 52);
    for (auto [cx, cy] : {std::pair{215, 195}, std::pair{312, 195}})  // stick wells
        if (InCircle(x, y, cx, cy, 42)) return InCircle(x, y, cx, cy, 40) ? Rgb(70, 76, 88) : Rgb(40, 44, 52);
    for (auto [cx, cy] : {std::pair{140, 100}, std::pair{372, 100}})  // DPad and face plates
        if (InCircle(x, y, cx, cy, 56))
            return InCircle(x, y, cx, cy, 54) ? Rgb(96, 102, 116) : Rgb(40, 44, 52);
    const int shade = 120 - y / 6;  // lit from above
    return Rgb(shade, shade + 6, shade + 18);
}

void Place(ControllerFileType& layout, int control, int centreX, int centreY) {
    layout.Locations[static_cast<std::size_t>(control)] = {centreY - 15, centreX - 15};
}

// Four directions around a centre, 32 pixels out.
void PlaceGroup(ControllerFileType& layout, int up, int cx, int cy) {
    Place(layout, up, cx, cy - 32);
    Place(layout, up + 1, cx + 32, cy);
    Place(layout, up + 2, cx, cy + 32);
    Place(layout, up + 3, cx - 32, cy);
}

void PlaceControls(ControllerFileType& layout) {
    PlaceGroup(layout, DPadUp, 140, 100);
    Place(layout, Button1, 372, 132);  // the face diamond: 1 bottom, 2 right, 3 left, 4 top
    Place(layout, Button1 + 1, 404, 100);
    Place(layout, Button1 + 2, 340, 100);
    Place(layout, Button1 + 3, 372, 68);
    Place(layout, Button1 + 4, 150, 24);  // shoulders
    Place(layout, Button1 + 5, 362, 24);
    Place(layout, Button1 + 6, 228, 80);  // back and start
    Place(layout, Button1 + 7, 284, 80);
    Place(layout, TriggerLeft, 80, 30);
    Place(layout, TriggerRight, 432, 30);
    PlaceGroup(layout, Stick1Up, 215, 195);
    PlaceGroup(layout, Stick2Up, 312, 195);
    FollowDiagonals(layout, Stick1Up, Stick1UpRight);
    FollowDiagonals(layout, Stick2Up, Stick2UpRight);
    FollowDiagonals(layout, DPadUp, DPadUpRight);
}

void SetAccesses(ControllerFileType& layout) {
    layout.StickAccess[0] = {{{0, 0, 0}, {1, 0, 0}}};
    layout.StickAccess[1] = {{{3, 0, 0}, {4, 0, 0}}};
    layout.TriggerAccess = {{{2, 1, 0}, {2, 0, 0}}};
    for (auto& direction : layout.DPadAccess) direction.Kind = DPadKind::POV;
    layout.ButtonNames[0] = "A";
    layout.ButtonNames[1] = "B";
    layout.ButtonNames[2] = "X";
    layout.ButtonNames[3] = "Y";
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "demo";
    ControllerFileType layout;
    for (int y = 0; y < ImageHeight; ++y)
        for (int x = 0; x < ImageWidth; ++x) SetPixel(layout, y, x, BodyPixel(x, y));
    PlaceControls(layout);
    SetAccesses(layout);
    layout.Identity = {"Demo Pad", 0x12345678};
    layout.FileName = std::filesystem::absolute(folder + "/demo.velmoracontroller").string();
    layout.Name = "demo";
    NoUserInterface ui;
    if (!WriteControllerFile(layout, ui)) {
        std::fprintf(stderr, "cannot write %s\n", layout.FileName.c_str());
        return 1;
    }
    return 0;
}
