#include "engine/MouseEmulation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace velmora {
namespace {

bool IsStickDirection(int c) {
    return c >= Stick1Up && c <= Stick2Left;
}
bool IsStickDiagonal(int c) {
    return c >= Stick1UpRight && c <= Stick2UpLeft;
}
bool IsTrigger(int c) {
    return c == TriggerLeft || c == TriggerRight;
}
int StickOf(int c) {
    return IsStickDirection(c) ? (c - Stick1Up) / 4 : (c - Stick1UpRight) / 4;
}
// 0 up, 1 right, 2 down, 3 left; diagonals 0 up-right, 1 down-right, ...
int DirectionOf(int c) {
    return IsStickDirection(c) ? (c - Stick1Up) % 4 : (c - Stick1UpRight) % 4;
}

int Clamp255(double v) {
    return static_cast<int>(std::clamp(v, 0.0, 255.0));
}

// Cursor and Spring follow the stick into a direction's whole half, whatever
// the direction's own zone says, so the pointer moves smoothly around.
bool PointsIntoHalf(const NormalisedInput& in, int stick, int direction) {
    const int x = in.StickX[static_cast<std::size_t>(stick)], y = in.StickY[static_cast<std::size_t>(stick)];
    const bool half[4] = {y > 0, x > 0, y < 0, x < 0};
    return half[direction];
}

int StickAmount(const ControllerDataType& c, int control, const AssignmentType& a) {
    const int stick = StickOf(control);
    const StickGeometry& g = c.Sticks[static_cast<std::size_t>(stick)];
    bool moves = c.EffectiveState[static_cast<std::size_t>(control)] == Active;
    if (!moves && IsStickDirection(control) && a.MouseMode != LookCamera && !g.InDeadZone)
        moves = PointsIntoHalf(c.Input, stick, DirectionOf(control));
    if (!moves) return 0;
    const int dz = c.Profile.Sets[c.Profile.CurrentSet].StickDeadZones[static_cast<std::size_t>(stick)];
    const double m = static_cast<double>(g.Distance - dz + 1) / (256 - dz) * 255.0;
    const double radians = g.Angle * std::numbers::pi / 180.0;
    // Up, down and the up-right and down-left diagonals follow the vertical part.
    const bool vertical = DirectionOf(control) % 2 == 0;
    return Clamp255(std::trunc(m * (vertical ? std::cos(radians) : std::sin(radians))));
}

int TriggerAmount(const ControllerDataType& c, int control) {
    if (c.EffectiveState[static_cast<std::size_t>(control)] != Active) return 0;
    const int t = control - TriggerLeft;
    const int value = c.Input.Triggers[static_cast<std::size_t>(t)];
    const int threshold = c.Profile.Sets[c.Profile.CurrentSet].TriggerDeadZones[static_cast<std::size_t>(t)];
    return Clamp255(std::trunc(static_cast<double>(value - threshold + 1) / (256 - threshold) * 255.0));
}

// Buttons and DPads accelerate: the amount is the controller's level, which
// rises on every fifth pass (Look/Camera, Cursor) or on every call (Spring).
int DigitalAmount(MouseState& mouse, ControllerDataType& c, int control, const AssignmentType& a,
                  int passCounter) {
    if (c.EffectiveState[static_cast<std::size_t>(control)] != Active) return 0;
    const int level = c.MouseAcceleration;
    mouse.DigitalMovement = true;
    if (level < 255) {
        if (a.MouseMode == Spring)
            c.MouseAcceleration = static_cast<std::uint8_t>(level + (256 - level) / 32);
        else if (passCounter % 5 == 0)
            c.MouseAcceleration = static_cast<std::uint8_t>(level + (256 - level) / 2);
    }
    return level;
}

void AddSpeed(MouseState& m, int direction, int speed) {
    if (direction % 2 == 0) {
        m.SpeedSumY += speed;
        ++m.SpeedCountY;
    } else {
        m.SpeedSumX += speed;
        ++m.SpeedCountX;
    }
}

void Move(std::int32_t& x, std::int32_t& y, int direction, std::int32_t by) {
    switch (direction) {
        case 0:
            y -= by;
            break;
        case 1:
            x += by;
            break;
        case 2:
            y += by;
            break;
        default:
            x -= by;
            break;
    }
}

void EmitSpring(MouseState& m, InputSink& sink) {
    // Several spring slots can push past the edge; the absolute space ends there.
    const std::int32_t x = std::clamp(m.SpringX, 0, 65535), y = std::clamp(m.SpringY, 0, 65535);
    if (x != m.SpringShownX || y != m.SpringShownY) {
        m.SpringShownX = x;
        m.SpringShownY = y;
        MouseRecord r;
        r.Flags = MouseMoveFlag | MouseAbsolute;
        r.Dx = x;
        r.Dy = y;
        sink.SendMouse(r);
    }
}

int AxisSpeed(int amount, int r, std::int32_t sum, std::int32_t count, const SpeedTable& table) {
    if (count == 0) return 0;
    const std::size_t row = static_cast<std::size_t>(std::clamp(sum / count, 0, 255));
    return static_cast<int>(
        std::nearbyint(static_cast<double>(amount) / r * table[row][static_cast<std::size_t>(r)]));
}

void EmitRelative(MouseState& m, const SpeedTable& table, InputSink& sink) {
    int ax = std::min(std::abs(m.AmountX), 255), ay = std::min(std::abs(m.AmountY), 255);
    if (ax == 255 && ay == 255) ax = ay = 180;  // a full diagonal is no faster than a straight push
    const int r =
        std::min(static_cast<int>(std::nearbyint(std::sqrt(static_cast<double>(ax * ax + ay * ay)))), 255);
    const int hs = AxisSpeed(ax, r, m.SpeedSumX, m.SpeedCountX, table);
    const int vs = AxisSpeed(ay, r, m.SpeedSumY, m.SpeedCountY, table);
    m.SpeedX = m.AmountX < 0 ? -hs : hs;
    m.SpeedY = m.AmountY < 0 ? -vs : vs;
    m.PositionX += m.SpeedX / 100.0;
    m.PositionY += m.SpeedY / 100.0;
    const auto dx = static_cast<std::int32_t>(std::trunc(m.PositionX) - std::trunc(m.PreviousX));
    const auto dy = static_cast<std::int32_t>(std::trunc(m.PositionY) - std::trunc(m.PreviousY));
    if (dx != 0 || dy != 0) {
        MouseRecord rec;
        rec.Flags = MouseMoveFlag;
        rec.Dx = dx;
        rec.Dy = dy;
        sink.SendMouse(rec);
    }
    m.AmountX = m.AmountY = 0;
    m.SpeedSumX = m.SpeedCountX = m.SpeedSumY = m.SpeedCountY = 0;
    m.PreviousX = m.PositionX;
    m.PreviousY = m.PositionY;
}

// One candidate row: 0, 10, then growing by f per column.
void FillRow(std::array<double, 256>& row, double f) {
    row[0] = 0;
    row[1] = 10;
    for (std::size_t k = 1; k < 255; ++k) row[k + 1] = row[k] * f;
}

}  // namespace

int MouseAmount(MouseState& mouse, ControllerDataType& c, int control, const AssignmentType& a,
                int passCounter) {
    if (IsStickDirection(control) || IsStickDiagonal(control)) return StickAmount(c, control, a);
    if (IsTrigger(control)) return TriggerAmount(c, control);
    return DigitalAmount(mouse, c, control, a, passCounter);
}

void AddMouseSlot(MouseState& mouse, ControllerDataType& c, int control, std::uint8_t code,
                  const AssignmentType& a, int passCounter) {
    if (a.MouseMode == Spring) mouse.SpringFlag = true;
    const int v = MouseAmount(mouse, c, control, a, passCounter);
    if (v == 0) return;
    const int direction = SlotCodeTable[code].ScanCode & 3;
    AddSpeed(mouse, direction, a.MouseSpeed);
    if (a.MouseMode == Spring)
        Move(mouse.SpringX, mouse.SpringY, direction, static_cast<std::int32_t>(v * SpringScale));
    else
        Move(mouse.AmountX, mouse.AmountY, direction, v);
}

void EmitMouse(MouseState& m, const SpeedTable& table, InputSink& sink) {
    if (m.SpringFlag) EmitSpring(m, sink);
    m.SpringFlag = false;
    m.SpringX = m.SpringY = SpringCentre;
    // Cancelled amounts keep their speed sums for the next pass that moves.
    if (m.AmountX != 0 || m.AmountY != 0) EmitRelative(m, table, sink);
}

void BuildSpeedTable(SpeedTable& table) {
    std::array<double, 256> row{};
    double f = 1.00001;
    for (std::size_t s = 0; s < 256; ++s) {
        const double target = 20.0 * static_cast<double>(s);
        do {
            FillRow(row, f);
            f += 0.00001;
        } while (row[255] < target);
        for (std::size_t k = 0; k < 256; ++k)
            table[s][k] = static_cast<std::uint16_t>(std::nearbyint(row[k]));
    }
}

const SpeedTable& SharedSpeedTable() {
    static SpeedTable table;
    static const bool built = (BuildSpeedTable(table), true);
    (void)built;
    return table;
}

}  // namespace velmora
