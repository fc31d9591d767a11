#include "model/ReadyPicture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {

namespace {

// The three interface colours as the picture's pixel values: 0 dark (outlines,
// wells), 1 light (rims, caps), 2 the body.
using Palette = std::array<std::uint32_t, 3>;

struct Point {
    std::int16_t X = 0;
    std::int16_t Y = 0;
};

// A filled shape: every pixel within R of the box (X1, Y1)-(X2, Y2), or of the
// segment between the two points when Slanted. Mirrored shapes are drawn again
// reflected about the picture's middle column.
struct Shape {
    std::int16_t X1, Y1, X2, Y2;
    std::uint8_t R;
    bool Mirrored = true;
    bool Slanted = false;
};

// Where a family's controls sit: the centres of the DPad, the sticks and the
// face diamond, and of the small middle buttons.
struct FamilyPlan {
    Point DPad, Stick1, Stick2, Face, Back, Start, Guide, Touchpad, Misc;
    std::array<Shape, 3> Body;
};

// The groups take 94 x 94 pixels each (directions 32 pixels from the centre,
// diagonals in the corners), and no two of a family's groups share a pixel.
// The Xbox and Nintendo pads have the left stick high and the DPad low; the
// others have the DPad high and both sticks low.
// clang-format off
constexpr std::array<FamilyPlan, 4> Plans{{
    // DPad      Stick 1     Stick 2     Face        Back        Start       Guide       Touchpad   Misc
    {{200, 195}, {105, 110}, {312, 195}, {407, 110}, {216, 100}, {296, 100}, {256, 66}, {256, 100}, {256, 132},
     {{{140, 72, 256, 110, 44}, {118, 108, 74, 196, 48, true, true}, {200, 150, 256, 196, 50}}}},
    {{105, 110}, {200, 195}, {312, 195}, {407, 110}, {180, 72}, {331, 72}, {256, 128}, {256, 62}, {256, 95},
     {{{108, 58, 256, 120, 38}, {98, 120, 74, 206, 42, true, true}, {200, 165, 256, 196, 48}}}},
    {{200, 195}, {105, 110}, {312, 195}, {407, 110}, {200, 60}, {311, 60}, {290, 120}, {256, 88}, {221, 120},
     {{{150, 82, 256, 112, 54}, {116, 120, 96, 186, 56, true, true}, {200, 176, 256, 190, 52}}}},
    {{105, 110}, {200, 195}, {312, 195}, {407, 110}, {216, 100}, {295, 100}, {256, 132}, {256, 66}, {256, 100},
     {{{112, 80, 256, 150, 50}, {100, 128, 100, 128, 78}, {200, 150, 256, 196, 50}}}},
}};
// clang-format on

// Shoulders, triggers and paddles sit alike on every family; the right one of
// each pair mirrors the left.
constexpr Point LeftShoulderAt{122, 47}, LeftTriggerAt{61, 16}, LeftUpperPaddleAt{105, 175},
    LeftLowerPaddleAt{75, 222};

constexpr int Mirror(int x) {
    return ImageWidth - 1 - x;
}
constexpr Point Mirror(Point p) {
    return {static_cast<std::int16_t>(Mirror(p.X)), p.Y};
}

std::uint32_t PixelOf(const ColourType& colour) {
    const std::uint32_t value =
        std::uint32_t{colour.Blue} << 16 | std::uint32_t{colour.Green} << 8 | colour.Red;
    // Magenta would make that part of the pad transparent: the next red is as near as can be.
    return value == Magenta ? Magenta - 1 : value;
}

void Put(std::vector<std::uint8_t>& image, int x, int y, std::uint32_t value) {
    const std::size_t at = PixelOffset(y, x);
    image[at] = static_cast<std::uint8_t>(value >> 16);
    image[at + 1] = static_cast<std::uint8_t>(value >> 8);
    image[at + 2] = static_cast<std::uint8_t>(value);
}

// The distance from (x, y) to the shape's box or segment, squared.
float DistanceSquared(const Shape& s, float x, float y) {
    float dx = std::max({float(s.X1) - x, 0.0f, x - float(s.X2)});
    float dy = std::max({float(s.Y1) - y, 0.0f, y - float(s.Y2)});
    if (s.Slanted) {
        const float ax = float(s.X2 - s.X1), ay = float(s.Y2 - s.Y1);
        const float t = std::clamp(((x - s.X1) * ax + (y - s.Y1) * ay) / (ax * ax + ay * ay), 0.0f, 1.0f);
        dx = x - (float(s.X1) + t * ax);
        dy = y - (float(s.Y1) + t * ay);
    }
    return dx * dx + dy * dy;
}

// The largest whole e with e * e <= room.
int WholeReach(float room) {
    int e = static_cast<int>(std::sqrt(room));
    while (float((e + 1) * (e + 1)) <= room) ++e;
    while (e > 0 && float(e * e) > room) --e;
    return e;
}

// Only the shape's bounding box is visited, so a small shape costs little.
void FillOnce(std::vector<std::uint8_t>& image, const Shape& s, int grow, std::uint32_t value) {
    const int r = s.R + grow;
    const int top = std::max(0, std::min(s.Y1, s.Y2) - r);
    const int bottom = std::min(ImageHeight - 1, std::max(s.Y1, s.Y2) + r);
    const int left = std::max(0, std::min(s.X1, s.X2) - r);
    const int right = std::min(ImageWidth - 1, std::max(s.X1, s.X2) + r);
    const float limit = float(r * r) + 0.5f;
    for (int y = top; y <= bottom; ++y) {
        if (s.Slanted) {
            for (int x = left; x <= right; ++x)
                if (DistanceSquared(s, float(x), float(y)) <= limit) Put(image, x, y, value);
            continue;
        }
        // A box's row is one run: as far out from its sides as the rounding allows.
        const float dy = float(std::max({s.Y1 - y, 0, y - s.Y2}));
        const float room = limit - dy * dy;
        if (room < 0.0f) continue;
        const int reach = WholeReach(room);
        for (int x = std::max(left, s.X1 - reach); x <= std::min(right, s.X2 + reach); ++x)
            Put(image, x, y, value);
    }
}

void Fill(std::vector<std::uint8_t>& image, const Shape& s, int grow, std::uint32_t value) {
    FillOnce(image, s, grow, value);
    if (!s.Mirrored) return;
    const auto flip = [](int x) { return static_cast<std::int16_t>(Mirror(x)); };
    // A box keeps its left edge left of its right; a segment keeps its ends.
    const Shape mirrored = s.Slanted ? Shape{flip(s.X1), s.Y1, flip(s.X2), s.Y2, s.R, false, true}
                                     : Shape{flip(s.X2), s.Y1, flip(s.X1), s.Y2, s.R, false};
    FillOnce(image, mirrored, grow, value);
}

// A shape with a rim of the dark colour around it.
void FillOutlined(std::vector<std::uint8_t>& image, const Shape& s, const Palette& palette, int fill) {
    Fill(image, s, 2, palette[0]);
    Fill(image, s, 0, palette[static_cast<std::size_t>(fill)]);
}

Shape Disc(Point centre, int r) {
    return {centre.X, centre.Y, centre.X, centre.Y, static_cast<std::uint8_t>(r), false};
}

// A box of half-width w and half-height h around the centre, corners rounded by r.
Shape Box(Point centre, int w, int h, int r) {
    const auto at = [](int v) { return static_cast<std::int16_t>(v); };
    return {at(centre.X - w + r), at(centre.Y - h + r),         at(centre.X + w - r),
            at(centre.Y + h - r), static_cast<std::uint8_t>(r), false};
}

Point Offset(Point p, int dx, int dy) {
    return {static_cast<std::int16_t>(p.X + dx), static_cast<std::int16_t>(p.Y + dy)};
}

// The body: all outlines first, so that the pieces join without a seam.
void DrawBody(std::vector<std::uint8_t>& image, const FamilyPlan& plan, const Palette& palette) {
    for (const Shape& s : plan.Body) Fill(image, s, 3, palette[0]);
    for (const Shape& s : plan.Body) Fill(image, s, 0, palette[2]);
}

// The triggers rise from behind the body's top corners; the bumpers lie along its top edge.
void DrawTriggers(std::vector<std::uint8_t>& image, const Palette& palette) {
    Shape trigger = Box(Offset(LeftTriggerAt, 4, 42), 20, 48, 12);
    trigger.Mirrored = true;
    FillOutlined(image, trigger, palette, 2);
}

void DrawBumpers(std::vector<std::uint8_t>& image, const Palette& palette) {
    Shape bumper = Box(LeftShoulderAt, 40, 9, 8);
    bumper.Mirrored = true;
    FillOutlined(image, bumper, palette, 1);
}

void DrawStick(std::vector<std::uint8_t>& image, Point centre, const Palette& palette) {
    Fill(image, Disc(centre, 47), 0, palette[0]);
    Fill(image, Disc(centre, 23), 0, palette[1]);
    Fill(image, Disc(centre, 19), 0, palette[2]);
}

// A round plate under the cross on most pads; a bare dark cross on a Nintendo pad.
void DrawDPad(std::vector<std::uint8_t>& image, PadFamily family, Point centre, const Palette& palette) {
    const bool bare = family == PadFamily::Nintendo;
    if (!bare) Fill(image, Disc(centre, 50), 0, palette[0]);
    for (const Shape& arm : {Box(centre, 16, 46, 3), Box(centre, 46, 16, 3)})
        Fill(image, arm, bare ? 2 : 0, palette[bare ? 0 : 1]);
    if (family == PadFamily::PlayStation) Fill(image, Disc(centre, 12), 0, palette[0]);
}

void DrawFace(std::vector<std::uint8_t>& image, PadFamily family, Point centre, const Palette& palette) {
    for (const auto& [dx, dy] : {std::pair{0, 32}, {32, 0}, {-32, 0}, {0, -32}}) {
        if (family != PadFamily::Nintendo) Fill(image, Disc(Offset(centre, dx, dy), 19), 0, palette[1]);
        Fill(image, Disc(Offset(centre, dx, dy), 16), 0, palette[0]);
    }
}

void DrawMiddle(std::vector<std::uint8_t>& image, PadFamily family, const FamilyPlan& plan,
                const Palette& palette) {
    if (family == PadFamily::PlayStation) FillOutlined(image, Box(plan.Touchpad, 54, 25, 6), palette, 2);
    Fill(image, Box(plan.Back, 9, 6, 5), 0, palette[0]);
    Fill(image, Box(plan.Start, 9, 6, 5), 0, palette[0]);
    if (family != PadFamily::Generic) Fill(image, Disc(plan.Guide, 20), 0, palette[1]);
    Fill(image, Disc(plan.Guide, 16), 0, palette[0]);
    if (family == PadFamily::Nintendo) Fill(image, Box(plan.Misc, 8, 8, 2), 0, palette[0]);
    if (family == PadFamily::Xbox || family == PadFamily::PlayStation)
        Fill(image, Disc(plan.Misc, 7), 0, palette[0]);
}

void DrawPad(std::vector<std::uint8_t>& image, PadFamily family, const FamilyPlan& plan,
             const Palette& palette) {
    DrawTriggers(image, palette);
    DrawBody(image, plan, palette);
    DrawBumpers(image, palette);
    DrawStick(image, plan.Stick1, palette);
    DrawStick(image, plan.Stick2, palette);
    DrawDPad(image, family, plan.DPad, palette);
    DrawFace(image, family, plan.Face, palette);
    DrawMiddle(image, family, plan, palette);
}

struct Square {
    int Top, Left, Size;
};

bool Overlap(const Square& a, const Square& b) {
    return a.Top < b.Top + b.Size && b.Top < a.Top + a.Size && a.Left < b.Left + b.Size &&
           b.Left < a.Left + a.Size;
}

Location At(Point centre) {
    return {centre.Y - ControlSquareSize / 2, centre.X - ControlSquareSize / 2};
}

// The four directions 32 pixels from the centre, 2 pixels apart, so the
// diagonals fill the corners and the middle stays free for the stick's click.
void PlaceGroup(ControllerFileType& layout, int up, Point centre) {
    layout.Locations[static_cast<std::size_t>(up)] = At(Offset(centre, 0, -32));
    layout.Locations[static_cast<std::size_t>(up + 1)] = At(Offset(centre, 32, 0));
    layout.Locations[static_cast<std::size_t>(up + 2)] = At(Offset(centre, 0, 32));
    layout.Locations[static_cast<std::size_t>(up + 3)] = At(Offset(centre, -32, 0));
}

// A second stick or a right trigger is only placed beside the first, as every layout has it.
void PlaceGroups(ControllerFileType& layout, const FamilyPlan& plan) {
    if (layout.StickAccess[0][0].Axis != NoAxis) {
        PlaceGroup(layout, Stick1Up, plan.Stick1);
        if (layout.StickAccess[1][0].Axis != NoAxis) PlaceGroup(layout, Stick2Up, plan.Stick2);
    }
    if (layout.DPadAccess[0].Kind != DPadKind::None) PlaceGroup(layout, DPadUp, plan.DPad);
    if (layout.TriggerAccess[0].Axis != NoAxis) {
        layout.Locations[TriggerLeft] = At(LeftTriggerAt);
        if (layout.TriggerAccess[1].Axis != NoAxis)
            layout.Locations[TriggerRight] = At(Mirror(LeftTriggerAt));
    }
    FollowDiagonals(layout, Stick1Up, Stick1UpRight);
    FollowDiagonals(layout, Stick2Up, Stick2UpRight);
    FollowDiagonals(layout, DPadUp, DPadUpRight);
    UpdateIndicators(layout);
}

// Where each role's button sits on the family's pad.
Point RoleCentre(const FamilyPlan& plan, PadButtonRole role) {
    const std::array<Point, 19> centres{Offset(plan.Face, 0, 32),
                                        Offset(plan.Face, 32, 0),
                                        Offset(plan.Face, -32, 0),
                                        Offset(plan.Face, 0, -32),
                                        LeftShoulderAt,
                                        Mirror(LeftShoulderAt),
                                        LeftTriggerAt,
                                        Mirror(LeftTriggerAt),
                                        plan.Back,
                                        plan.Start,
                                        plan.Guide,
                                        plan.Stick1,
                                        plan.Stick2,
                                        plan.Touchpad,
                                        plan.Misc,
                                        Mirror(LeftUpperPaddleAt),
                                        LeftUpperPaddleAt,
                                        Mirror(LeftLowerPaddleAt),
                                        LeftLowerPaddleAt};
    return centres[static_cast<std::size_t>(role) - 1];
}

// What is already taken: every placed square, diagonals too, and the indicator boxes.
std::vector<Square> Taken(const ControllerFileType& layout) {
    std::vector<Square> taken;
    for (const Location& at : layout.Locations)
        if (at.Left != 0) taken.push_back({at.Top, at.Left, ControlSquareSize});
    for (const IndicatorBox& box : layout.Indicators)
        if (box.Present) taken.push_back({box.Top, box.Left, box.Width});
    return taken;
}

bool Free(const std::vector<Square>& taken, const Location& at) {
    const Square square{at.Top, at.Left, ControlSquareSize};
    return std::none_of(taken.begin(), taken.end(), [&](const Square& t) { return Overlap(square, t); });
}

// The role's own place, or when two buttons share a role the free place nearest to it.
Location FreePlace(const std::vector<Square>& taken, Point centre) {
    const Location wanted = At(centre);
    if (Free(taken, wanted)) return wanted;
    Location best{};
    int bestDistance = 1 << 30;
    for (int top = 1; top <= MaximumTop; top += 4)
        for (int left = 1; left <= MaximumLeft; left += 4) {
            const int distance =
                (top - wanted.Top) * (top - wanted.Top) + (left - wanted.Left) * (left - wanted.Left);
            if (distance < bestDistance && Free(taken, {top, left}))
                bestDistance = distance, best = {top, left};
        }
    return best;
}

void PlaceButtons(ControllerFileType& layout, const FamilyPlan& plan,
                  std::span<const PadButtonRole, 32> roles) {
    std::vector<Square> taken = Taken(layout);
    for (std::size_t b = 0; b < roles.size(); ++b) {
        if (roles[b] == PadButtonRole::None) continue;
        layout.Locations[b] = FreePlace(taken, RoleCentre(plan, roles[b]));
        taken.push_back({layout.Locations[b].Top, layout.Locations[b].Left, ControlSquareSize});
    }
}

}  // namespace

void DrawReadyPicture(ControllerFileType& layout, PadFamily family, std::span<const PadButtonRole, 32> roles,
                      const std::array<ColourType, 3>& colours) {
    const Palette palette{PixelOf(colours[0]), PixelOf(colours[1]), PixelOf(colours[2])};
    const FamilyPlan& plan = Plans[static_cast<std::size_t>(family)];
    layout.Image = MagentaPixels(std::size_t{ImageWidth} * ImageHeight);
    DrawPad(layout.Image, family, plan, palette);
    PictureChanged(layout);
    layout.Locations = {};
    PlaceGroups(layout, plan);
    PlaceButtons(layout, plan, roles);
}

}  // namespace velmora
