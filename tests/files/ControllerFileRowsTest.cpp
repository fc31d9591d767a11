#include <gtest/gtest.h>

#include <random>

#include "files/ControllerFileKeys.h"
#include "files/ControllerFileRows.h"
#include "model/ControllerLayout.h"

namespace velmora {
namespace {

std::vector<std::uint32_t> Row(std::initializer_list<std::pair<std::uint32_t, int>> runs) {
    std::vector<std::uint32_t> row;
    for (auto [value, length] : runs) row.insert(row.end(), static_cast<std::size_t>(length), value);
    return row;
}

TEST(EncodeRow, WhiteAndBlackRowUsesTheFirstMissingNumberAsMarker) {
    const auto row = Row({{0xFFFFFF, 500}, {0, 12}});
    EXPECT_EQ(FormatRowItems(EncodeRow(row)), "1,1,FFFFFF,1F4,1,0,C");
}

TEST(EncodeRow, RunsOfUpToThreeAreWrittenAsSinglePixels) {
    const auto row = Row({{5, 3}, {7, 4}, {5, 505}});
    EXPECT_EQ(EncodeRow(row), (std::vector<std::uint32_t>{0, 5, 5, 5, 0, 7, 4, 0, 5, 505}));
}

TEST(DecodeRow, FewerThanTwoItemsGiveABackgroundRow) {
    const std::vector<std::int32_t> one{7};
    const auto row = DecodeRow(one);
    ASSERT_EQ(row.size(), 512u);
    EXPECT_EQ(row[0], Magenta);
    EXPECT_EQ(row[511], Magenta);
}

TEST(DecodeRow, ARunThatDoesNotFitIsDroppedAndLaterSinglesAreKept) {
    const std::vector<std::int32_t> items{0, 0, 9, 510, 0, 8, 5, 3, 4, 0, 1};
    const auto row = DecodeRow(items);
    EXPECT_EQ(row[509], 9u);
    EXPECT_EQ(row[510], 3u);  // the run of five 8s did not fit
    EXPECT_EQ(row[511], 4u);
}

TEST(DecodeRow, MarkerTooNearTheEndAndZeroLengthRunsAddNothing) {
    // 6, a run of 9s of length 0, 6, a marker with one item left, 7.
    const std::vector<std::int32_t> items{0, 6, 0, 9, 0, 6, 0, 7};
    const auto row = DecodeRow(items);
    EXPECT_EQ(row[0], 6u);
    EXPECT_EQ(row[1], 6u);
    EXPECT_EQ(row[2], 7u);  // the marker before it had only one item after it
    EXPECT_EQ(row[3], Magenta);
}

TEST(DecodeRow, GivesBackEveryEncodedRow) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 50; ++trial) {
        std::vector<std::uint32_t> row;
        while (row.size() < 512) {
            const auto value = static_cast<std::uint32_t>(random() % (trial % 2 ? 4u : 0x1000000u));
            const std::size_t length = std::min<std::size_t>(1 + random() % 20, 512 - row.size());
            row.insert(row.end(), length, value);
        }
        const auto items = EncodeRow(row);
        const std::vector<std::int32_t> read(items.begin(), items.end());
        EXPECT_EQ(DecodeRow(read), row) << trial;
    }
}

TEST(ControllerFileKeys, KeysAreBuiltFromTheWordTables) {
    EXPECT_EQ(LocationKey(11), "Button12Location");
    EXPECT_EQ(LocationKey(Stick2Left), "Stick2LeftLocation");
    EXPECT_EQ(LocationKey(TriggerRight), "TriggerRightLocation");
    EXPECT_EQ(DPadAccessKey(0), "DPadUpAccess");
    EXPECT_EQ(StickAccessKey(0, 1), "Stick1YAccess");
    EXPECT_EQ(StickDirectionNameKey(0), "StickUpName");
    EXPECT_EQ(ImageLineKey(0), "ImageLine1");
}

TEST(ControllerFileAccessValues, TriggerValuesWithAndWithoutHalfAndFull) {
    EXPECT_EQ(ParseTriggerAccess("Axis Z Full"), (AxisAccess{2, 0, 1}));
    EXPECT_EQ(ParseTriggerAccess("Axis Z - Full"), (AxisAccess{2, 1, 1}));
    EXPECT_EQ(ParseTriggerAccess("Axis Z + Full"), (AxisAccess{2, 0, 1}));
    EXPECT_EQ(ParseTriggerAccess("Axis Z +"), (AxisAccess{2, 0, 0}));
    EXPECT_EQ(ParseTriggerAccess("Axis Z"), (AxisAccess{2, 0, 0}));
    EXPECT_EQ(ParseTriggerAccess("Slider 1 -"), (AxisAccess{6, 1, 0}));
    EXPECT_FALSE(ParseTriggerAccess(" Full"));
    EXPECT_FALSE(ParseTriggerAccess("Axis Z -Full"));
    EXPECT_EQ(TriggerAccessText({2, 1, 1}), "Axis Z - Full");
    EXPECT_EQ(TriggerAccessText({2, 0, 0}), "Axis Z");
    EXPECT_EQ(TriggerAccessText({2, 0, 0}, true), "Axis Z +");
}

TEST(ControllerFileAccessValues, StickInvertedIsCaseSensitive) {
    EXPECT_EQ(ParseStickAccess("Axis RY Inverted"), (AxisAccess{4, 1, 0}));
    EXPECT_FALSE(ParseStickAccess("Axis X inverted"));
    EXPECT_FALSE(ParseStickAccess(" Inverted"));
    EXPECT_EQ(StickAccessText({4, 1, 0}), "Axis RY Inverted");
}

TEST(ControllerFileAccessValues, DPadButtonsAreNumberedFromOneToThirtyTwo) {
    EXPECT_EQ(ParseDPadAccess("Button 7"), (DPadDirectionAccess{DPadKind::Button, 0, 6}));
    EXPECT_EQ(ParseDPadAccess("Button 32"), (DPadDirectionAccess{DPadKind::Button, 0, 31}));
    EXPECT_FALSE(ParseDPadAccess("Button 33"));
    EXPECT_FALSE(ParseDPadAccess("Button 0"));
    EXPECT_FALSE(ParseDPadAccess("Button "));
    EXPECT_EQ(ParseDPadAccess("POV"), (DPadDirectionAccess{DPadKind::POV, 0, 0}));
    EXPECT_EQ(ParseDPadAccess("Axis RZ"), (DPadDirectionAccess{DPadKind::Axis, 5, 0}));
    EXPECT_EQ(DPadAccessText({DPadKind::Button, 0, 6}), "Button 7");
}

}  // namespace
}  // namespace velmora
