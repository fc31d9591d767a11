#include "app/settings/DPadDisc.h"

#include <cmath>
#include <numbers>

#include "model/Profile.h"

namespace velmora {
namespace {

constexpr int Up = 0, Right = 1, Down = 2, Left = 3, UpRight = 4, DownRight = 5, DownLeft = 6, UpLeft = 7;
constexpr int None = NoSectorControl;
constexpr int Radius = 60;

// Sectors 0..15 of each mode, in mode order.
constexpr int Owners[6][DPadSectorCount] = {
    {Up, None, None, Right, Right, None, None, Down, Down, None, None, Left, Left, None, None, Up},
    {Up, Up, Right, Right, Right, Right, Down, Down, Down, Down, Left, Left, Left, Left, Up, Up},
    {UpRight, UpRight, UpRight, UpRight, DownRight, DownRight, DownRight, DownRight, DownLeft, DownLeft,
     DownLeft, DownLeft, UpLeft, UpLeft, UpLeft, UpLeft},
    {Up, UpRight, UpRight, Right, Right, DownRight, DownRight, Down, Down, DownLeft, DownLeft, Left, Left,
     UpLeft, UpLeft, Up},
    {Up, Right, Right, Right, Right, Right, Right, Down, Down, Left, Left, Left, Left, Left, Left, Up},
    {Up, Up, Up, Right, Right, Down, Down, Down, Down, Down, Down, Left, Left, Up, Up, Up},
};

// Bit s set: sector s takes the second base colour.
constexpr std::uint16_t Bits(std::initializer_list<int> sectors) {
    std::uint16_t bits = 0;
    for (int s : sectors) bits = static_cast<std::uint16_t>(bits | (1u << s));
    return bits;
}
constexpr std::uint16_t SecondColour[6] = {
    Bits({1, 2, 5, 6, 9, 10, 13, 14}),
    Bits({2, 3, 4, 5, 10, 11, 12, 13}),
    Bits({4, 5, 6, 7, 12, 13, 14, 15}),
    Bits({1, 2, 5, 6, 9, 10, 13, 14}),
    Bits({0, 7, 8, 15}),
    Bits({3, 4, 11, 12}),
};

int ModeRow(std::uint8_t mode) {
    return mode <= Vertical ? int{mode} : int{Standard};  // a mode no window offers draws as Standard
}

std::uint8_t StateOf(const StickDirectionStates& states, int control) {
    return control < 4 ? states.Straight[control] : states.Diagonal[control - 4];
}

}  // namespace

int SectorControl(std::uint8_t mode, int sector) {
    return Owners[ModeRow(mode)][sector];
}

bool SecondBaseColour(std::uint8_t mode, int sector) {
    return (SecondColour[ModeRow(mode)] >> sector) & 1u;
}

int SectorAt(int dx, int dy) {
    double degrees = std::atan2(double(dx), double(-dy)) * 180.0 / std::numbers::pi;
    if (degrees < 0) degrees += 360.0;
    return static_cast<int>(degrees / 22.5) % DPadSectorCount;
}

DiscColours MakeDiscColours(const ConfigurationType& config) {
    return {config.Interface[2], palette::Silver, palette::Red, palette::Green, config.Background[0]};
}

ColourType SectorColour(std::uint8_t mode, int sector, const StickDirectionStates& states,
                        const DiscColours& c) {
    const int control = SectorControl(mode, sector);
    const std::uint8_t state = control == None ? Inactive : StateOf(states, control);
    if (state == Active) return c.Active;
    if (state == Filtered) return c.Filtered;
    return SecondBaseColour(mode, sector) ? c.Base2 : c.Base1;
}

void DrawDPadDisc(PictureType& picture, int left, int top, std::uint8_t mode, std::uint8_t bits,
                  const ConfigurationType& config) {
    const DiscColours colours = MakeDiscColours(config);
    const StickDirectionStates states = ResolveDPad(bits, mode);
    const int centre = DPadDiscSize / 2;
    for (int row = 0; row < DPadDiscSize; ++row)
        for (int column = 0; column < DPadDiscSize; ++column) {
            const int dx = column - centre, dy = row - centre;
            const bool inside = dx * dx + dy * dy <= Radius * Radius;
            picture.Put(left + column, top + row,
                        inside ? SectorColour(mode, SectorAt(dx, dy), states, colours) : colours.Background);
        }
}

}  // namespace velmora
