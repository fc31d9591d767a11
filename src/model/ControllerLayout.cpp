#include "model/ControllerLayout.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace velmora {

namespace {

// One pixel, then the filled part copied onto the rest, doubling each time:
// a whole picture in 18 block copies instead of a loop over every pixel.
void FillMagenta(std::vector<std::uint8_t>& pixels) {
    constexpr std::uint8_t Pixel[] = {0xFF, 0x00, 0xFF};
    const std::size_t whole = pixels.size() / 3 * 3;
    std::size_t filled = std::min<std::size_t>(3, whole);
    std::copy_n(Pixel, filled, pixels.begin());
    while (filled < whole) {
        const std::size_t count = std::min(filled, whole - filled);
        std::copy_n(pixels.begin(), count, pixels.begin() + static_cast<std::ptrdiff_t>(filled));
        filled += count;
    }
}

}  // namespace

int FindAxisName(std::string_view name) {
    for (std::size_t i = 0; i < AxisNames.size(); ++i)
        if (AxisNames[i] == name) return static_cast<int>(i);
    return -1;
}

std::uint32_t PixelValue(const ControllerFileType& layout, int row, int column) {
    const std::size_t at = PixelOffset(row, column);
    return std::uint32_t{layout.Image[at]} << 16 | std::uint32_t{layout.Image[at + 1]} << 8 |
           std::uint32_t{layout.Image[at + 2]};
}

void SetPixel(ControllerFileType& layout, int row, int column, std::uint32_t value) {
    const std::size_t at = PixelOffset(row, column);
    layout.Image[at] = static_cast<std::uint8_t>(value >> 16);
    layout.Image[at + 1] = static_cast<std::uint8_t>(value >> 8);
    layout.Image[at + 2] = static_cast<std::uint8_t>(value);
    PictureChanged(layout);
}

// One counter for every layout of the program; atomic so that no two threads
// could ever be handed one number, though pictures change on the window's thread.
void PictureChanged(ControllerFileType& layout) {
    static std::atomic<std::uint64_t> last{0};
    layout.PictureVersion = last.fetch_add(1, std::memory_order_relaxed) + 1;
}

// Rows go through the bytes directly: a picture is read and written a row at
// a time, and 131,072 calls of the pixel functions made a file's picture cost
// more than the rest of the file.
bool CopyPixelRow(const ControllerFileType& layout, int row, std::span<std::uint32_t> pixels) {
    static const std::vector<std::uint8_t> blankRow = MagentaPixels(ImageWidth);
    const std::uint8_t* at = layout.Image.data() + PixelOffset(row, 0);
    if (std::memcmp(blankRow.data(), at, blankRow.size()) == 0) {
        std::fill_n(pixels.begin(), ImageWidth, Magenta);
        return true;
    }
    for (std::uint32_t& value : pixels.first(ImageWidth)) {
        value = std::uint32_t{at[0]} << 16 | std::uint32_t{at[1]} << 8 | std::uint32_t{at[2]};
        at += 3;
    }
    return false;
}

void SetPixelRow(ControllerFileType& layout, int row, std::span<const std::uint32_t> pixels) {
    std::uint8_t* at = layout.Image.data() + PixelOffset(row, 0);
    for (const std::uint32_t value : pixels.first(ImageWidth)) {
        at[0] = static_cast<std::uint8_t>(value >> 16);
        at[1] = static_cast<std::uint8_t>(value >> 8);
        at[2] = static_cast<std::uint8_t>(value);
        at += 3;
    }
    PictureChanged(layout);
}

std::vector<std::uint8_t> MagentaPixels(std::size_t pixels) {
    std::vector<std::uint8_t> image(pixels * 3);
    FillMagenta(image);
    return image;
}

bool DPadPlaced(const ControllerFileType& layout) {
    return layout.Locations[DPadUp].Left != 0;
}
bool Stick1Placed(const ControllerFileType& layout) {
    return layout.Locations[Stick1Up].Left != 0;
}
bool Stick2Placed(const ControllerFileType& layout) {
    return layout.Locations[Stick2Up].Left != 0;
}
bool TriggersPlaced(const ControllerFileType& layout) {
    return layout.Locations[TriggerLeft].Left != 0;
}
bool TriggerRightPlaced(const ControllerFileType& layout) {
    return layout.Locations[TriggerRight].Left != 0;
}

namespace {

void ClearNames(ControllerFileType& layout) {
    for (std::string& name : layout.ButtonNames) name.clear();
    for (std::string& name : layout.DPadDirectionNames) name.clear();
    for (std::string& name : layout.StickNames) name.clear();
    for (std::string& name : layout.StickDirectionNames) name.clear();
    for (std::string& name : layout.TriggerNames) name.clear();
    layout.DPadName.clear();
}

void ClearAccesses(ControllerFileType& layout) {
    // Only the axis is unset; the inverted flags stay as they were.
    for (auto& stick : layout.StickAccess)
        for (AxisAccess& axis : stick) axis.Axis = NoAxis;
    for (DPadDirectionAccess& direction : layout.DPadAccess) direction.Kind = DPadKind::None;
    for (AxisAccess& trigger : layout.TriggerAccess) trigger.Axis = NoAxis;
}

void ClearLocations(ControllerFileType& layout, int first, int count) {
    for (int i = first; i < first + count; ++i) layout.Locations[i] = Location{};
}

// A group box sits at its Down square's row and its Right square's column.
void UpdateGroupIndicator(ControllerFileType& layout, IndicatorIndex box, int up) {
    IndicatorBox& indicator = layout.Indicators[box];
    indicator.Present = layout.Locations[up].Left != 0 ? 1 : 0;
    if (!indicator.Present) return;
    indicator.Top = static_cast<std::uint16_t>(layout.Locations[up + 2].Top);
    indicator.Left = static_cast<std::uint16_t>(layout.Locations[up + 1].Left);
    indicator.Height = indicator.Width = 16;
}

// The triggers' box goes below the right trigger in the upper half of the
// picture and above it in the lower half, centred on its 30-pixel square.
void UpdateTriggersIndicator(ControllerFileType& layout) {
    IndicatorBox& indicator = layout.Indicators[TriggersIndicator];
    indicator.Present = TriggersPlaced(layout) ? 1 : 0;
    if (!indicator.Present) return;
    const Location& right = layout.Locations[TriggerRight];
    const std::int32_t top = right.Top < 128 ? right.Top + 32 : right.Top - 18;
    indicator.Top = static_cast<std::uint16_t>(top);
    indicator.Left = static_cast<std::uint16_t>(right.Left + 7);
    indicator.Height = indicator.Width = 16;
}

std::int32_t ClampCoordinate(std::int32_t value, std::int32_t limit) {
    if (value < 1) return 1;
    if (value > limit) return limit;
    return value;
}

}  // namespace

// The picture is blanked where it is: a new one for every reset cost a
// 393,216-byte allocation, which a scan of several pads repeats per pad.
void ResetLayout(ControllerFileType& layout) {
    layout.Image.resize(ImageBytes);
    FillMagenta(layout.Image);
    PictureChanged(layout);
    // A reduced all-magenta picture is all magenta at any tab size.
    FillMagenta(layout.Thumbnail);
    layout.Name.clear();
    layout.FileName.clear();
    layout.Changed = 0;
    ClearLocations(layout, 0, ControlCount);
    ClearNames(layout);
    ClearAccesses(layout);
    UpdateIndicators(layout);
}

void FollowDiagonals(ControllerFileType& layout, int d, int g) {
    auto& at = layout.Locations;
    const Location up = at[d], right = at[d + 1], down = at[d + 2], left = at[d + 3];
    at[g] = Location{up.Top, right.Left};
    at[g + 1] = Location{down.Top, right.Left};
    at[g + 2] = Location{down.Top, left.Left};
    at[g + 3] = Location{up.Top, left.Left};
}

void UpdateIndicators(ControllerFileType& layout) {
    UpdateGroupIndicator(layout, DPadIndicator, DPadUp);
    UpdateGroupIndicator(layout, Stick1Indicator, Stick1Up);
    UpdateGroupIndicator(layout, Stick2Indicator, Stick2Up);
    UpdateTriggersIndicator(layout);
}

void NormaliseLocations(ControllerFileType& layout) {
    for (Location& location : layout.Locations) {
        if (location == Location{}) continue;
        // One coordinate 0 and the other not: placed at 1 on the zero side.
        location.Top = ClampCoordinate(location.Top, MaximumTop);
        location.Left = ClampCoordinate(location.Left, MaximumLeft);
    }
    if (!DPadPlaced(layout)) ClearLocations(layout, DPadUp, 4);
    const bool stick1 = Stick1Placed(layout);
    if (!stick1) ClearLocations(layout, Stick1Up, 4);
    if (!stick1 || !Stick2Placed(layout)) ClearLocations(layout, Stick2Up, 4);
    if (!TriggersPlaced(layout)) layout.Locations[TriggerRight] = Location{};
    FollowDiagonals(layout, Stick1Up, Stick1UpRight);
    FollowDiagonals(layout, Stick2Up, Stick2UpRight);
    FollowDiagonals(layout, DPadUp, DPadUpRight);
}

std::array<bool, ControlCount> PlacedControls(const ControllerFileType& layout) {
    std::array<bool, ControlCount> placed{};
    for (int c = 0; c < ControlCount; ++c)
        placed[static_cast<std::size_t>(c)] = layout.Locations[static_cast<std::size_t>(c)].Left != 0;
    return placed;
}

}  // namespace velmora
