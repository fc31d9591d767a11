// The pieces the stick, DPad and trigger forms are made of, as real windows
// under Wine: the labelled sliders, the rows of choice buttons, the pictures'
// padded rows and the focus that a form keeps across activations.
#ifdef _WIN32

#include <gtest/gtest.h>

#include "app/settings/SettingsControls.h"
#include "app/win32/settings/GroupFormControls.h"
#include "base/win32/Windows.h"
#include "support/win32/WindowTestSupport.h"
#include "ui/win32/ChoiceButtonRows.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/LabelledTrackBars.h"
#include "ui/win32/SettingsPictureBoxes.h"

// The track bars' messages and class (after the system headers above).
#include <commctrl.h>

namespace velmora {
namespace {

using testing::TextOf;

RECT PlaceInParent(HWND child) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

class SettingsFormControls : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display for windows";
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        parent_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 420, 300,
                                  nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override {
        if (parent_) DestroyWindow(parent_);
    }
    HWND parent_ = nullptr;
};

TEST(SettingsPictureRows, RowsOfAnOddWidthArePaddedToWholeWordsWithThePixelsKept) {
    PictureType picture(127, 3);
    picture.Put(126, 2, {10, 20, 30});
    picture.Put(0, 1, {40, 50, 60});
    const std::vector<std::uint8_t> rows = PaddedPictureRows(picture);
    ASSERT_EQ(rows.size(), 384u * 3);            // 381 bytes of pixels, 3 of padding per row
    EXPECT_EQ(rows[384 * 2 + 126 * 3 + 0], 30);  // blue, green, red
    EXPECT_EQ(rows[384 * 2 + 126 * 3 + 2], 10);
    EXPECT_EQ(rows[384 + 2], 40);
    EXPECT_EQ(rows[381], 0);
}

TEST(SettingsPictureRows, AWidthOfWholeWordsIsCopiedAsItIs) {
    PictureType picture(4, 2);
    picture.Put(3, 1, {1, 2, 3});
    EXPECT_EQ(PaddedPictureRows(picture), picture.Bytes());
}

TEST_F(SettingsFormControls, ASliderTakesItsRangePositionAndLabelsAndHidesWhole) {
    const LabelledTrackBar slider = CreateLabelledTrackBar(parent_, "Dead Zone", 10, 10, 300, 101);
    FillLabelledTrackBar(slider, 1, 89, 45, "Smaller", "Larger", "(45)");
    EXPECT_EQ(SendMessageW(slider.Bar, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessageW(slider.Bar, TBM_GETRANGEMAX, 0, 0), 89);
    EXPECT_EQ(TrackBarPosition(slider.Bar), 45);
    EXPECT_EQ(TextOf(slider.Low), L"Smaller");
    EXPECT_EQ(TextOf(slider.High), L"Larger");
    EXPECT_EQ(TextOf(slider.Value), L"(45)");
    EXPECT_EQ(GetDlgCtrlID(slider.Bar), 101);

    ShowLabelledTrackBar(slider, false);
    for (HWND control : {slider.Caption, slider.Bar, slider.Low, slider.High, slider.Value})
        EXPECT_FALSE(IsWindowVisible(control));
    ShowLabelledTrackBar(slider, true);
    for (HWND control : {slider.Caption, slider.Bar, slider.Low, slider.High, slider.Value})
        EXPECT_TRUE(IsWindowVisible(control));
}

TEST_F(SettingsFormControls, AButtonRowWrapsAfterItsLineAndNumbersItsButtons) {
    const std::vector<HWND> row = CreateChoiceButtonRow(parent_, 10, 20, 100, 22, 6, 3, 200);
    ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(GetDlgCtrlID(row[4]), 204);
    EXPECT_EQ(PlaceInParent(row[2]).left, 10 + 2 * 104);
    EXPECT_EQ(PlaceInParent(row[3]).left, 10);
    EXPECT_EQ(PlaceInParent(row[3]).top, 20 + 26);
}

TEST_F(SettingsFormControls, OnlyTheMarkedChoiceIsBold) {
    const std::vector<HWND> row = CreateChoiceButtonRow(parent_, 10, 20, 100, 22, 2, 2, 200);
    FillChoiceButton(row[0], "Standard", true);
    FillChoiceButton(row[1], "8-Way", false);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(row[0], WM_GETFONT, 0, 0)), DialogFont(11, true));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(row[1], WM_GETFONT, 0, 0)), DialogFont(11, false));
    EXPECT_EQ(TextOf(row[1]), L"8-Way");
}

TEST_F(SettingsFormControls, AnAutoAssignButtonRunsTheChoiceItShowsNotItsPlace) {
    GroupFormControls controls = CreateGroupButtons(parent_, 10, 10, 400);
    FillGroupButtons(controls, ModeButtons(0), GroupAutoAssignButtons(255), "Mouse Settings...");
    EXPECT_EQ(AutoAssignChoiceOf(controls, AutoAssignButtonId + 2), 2);  // Mouse
    EXPECT_EQ(AutoAssignChoiceOf(controls, AutoAssignButtonId + 3), 6);  // NumPad
    EXPECT_EQ(AutoAssignChoiceOf(controls, AutoAssignButtonId + 4), 7);  // None
    EXPECT_EQ(AutoAssignChoiceOf(controls, AutoAssignButtonId + 5), -1);
    EXPECT_EQ(AutoAssignChoiceOf(controls, ModeButtonId), -1);
}

TEST_F(SettingsFormControls, AFormGivesTheFocusBackToItsControlWhenActivatedAgain) {
    const std::vector<HWND> row = CreateChoiceButtonRow(parent_, 10, 20, 100, 22, 2, 2, 200);
    HWND remembered = row[0];
    SetFocus(row[1]);
    EXPECT_TRUE(KeepControlFocus(parent_, WM_ACTIVATE, WA_INACTIVE, remembered));
    EXPECT_EQ(remembered, row[1]);
    SetFocus(parent_);
    EXPECT_TRUE(KeepControlFocus(parent_, WM_ACTIVATE, WA_ACTIVE, remembered));
    EXPECT_EQ(GetFocus(), row[1]);
    EXPECT_FALSE(KeepControlFocus(parent_, WM_SETFOCUS, 0, remembered));
}

}  // namespace
}  // namespace velmora

#endif  // _WIN32
