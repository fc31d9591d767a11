#include "app/settings/MouseTestPicture.h"

#include <cmath>
#include <cstdlib>

#include "model/Profile.h"
#include "ui/Ramps.h"

namespace velmora {
namespace {

int Wrap(double position) {
    const int whole = static_cast<int>(std::floor(position));
    return (whole % TestPictureSize + TestPictureSize) % TestPictureSize;
}

int ScreenToField(std::int32_t absolute) {
    return static_cast<int>(std::int64_t{absolute} * (TestPictureSize - 1) / 65535);
}

void DrawField(PictureType& picture, int left, int top, std::uint8_t mode) {
    picture.Fill(left, top, TestPictureSize, TestPictureSize, palette::White);
    const ColourType lines = mode == Spring ? palette::Silver : ColourType{232, 232, 232};
    const int middle = TestPictureSize / 2;
    picture.Fill(left + middle, top, 1, TestPictureSize, lines);
    picture.Fill(left, top + middle, TestPictureSize, 1, lines);
}

void DrawPointer(PictureType& picture, int x, int y) {
    for (int d = -3; d <= 3; ++d) {
        picture.Put(x + d, y, palette::Black);
        picture.Put(x, y + d, palette::Black);
    }
}

}  // namespace

TestPoint TestPlace(const MouseState& mouse, std::uint8_t mode) {
    if (mode == Spring) return {ScreenToField(mouse.SpringShownX), ScreenToField(mouse.SpringShownY)};
    return {Wrap(mouse.PositionX + TestPictureSize / 2), Wrap(mouse.PositionY + TestPictureSize / 2)};
}

void AddTestPoint(MouseTestTrail& trail, const MouseState& mouse, std::uint8_t mode) {
    trail.Points[static_cast<std::size_t>(trail.Next)] = TestPlace(mouse, mode);
    trail.Next = (trail.Next + 1) % TestTrailLength;
    if (trail.Count < TestTrailLength) ++trail.Count;
}

void DrawMouseTestPicture(PictureType& picture, int left, int top, const MouseTestTrail& trail,
                          std::uint8_t mode) {
    DrawField(picture, left, top, mode);
    if (trail.Count == 0) return;
    const RampType fade = BuildLinearRamp(TestTrailLength, palette::LightBlue, palette::Navy);
    const int oldest = trail.Count < TestTrailLength ? 0 : trail.Next;
    for (int i = 0; i < trail.Count; ++i) {
        const TestPoint& p = trail.Points[static_cast<std::size_t>((oldest + i) % TestTrailLength)];
        const ColourType colour = fade[static_cast<std::size_t>(TestTrailLength - trail.Count + i)];
        picture.Fill(left + p.X - 1, top + p.Y - 1, 3, 3, colour);
    }
    const TestPoint& newest =
        trail.Points[static_cast<std::size_t>((trail.Next + TestTrailLength - 1) % TestTrailLength)];
    DrawPointer(picture, left + newest.X, top + newest.Y);
}

}  // namespace velmora
