// The main window's picture under Wine: whole redraws wait for the end of the
// pass, a changed button is drawn alone, and the window is asked for a repaint
// only in a pass that drew something.
#ifdef _WIN32

#include <gtest/gtest.h>

#include "app/win32/LayoutView.h"
#include "devices/ControllerList.h"
#undef DrawText
#include "app/ControllerScene.h"
#include "support/win32/WindowTestSupport.h"
#include "ui/LayoutPicture.h"
#include "ui/Tabs.h"
#include "ui/win32/GdiTextDrawer.h"

namespace velmora {
namespace {

struct ViewWorld : ::testing::Test {
    ControllerListType List;
    ConfigurationType Config;
    LayoutView View;
    HWND Window = nullptr;

    void SetUp() override {
        if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display";
        Config.ThemeButtons = SolidButtons;
        List.Layouts.resize(1);
        List.Layouts[0].Name = "pad";
        List.Layouts[0].Locations[Button1] = {100, 200};  // its square starts at (204, 177)
        List.Controllers.resize(1);
        List.Selected = 0;
        // Like the main window, it keeps its own device context: what is set on it stays.
        WNDCLASSW windowClass{};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.lpszClassName = L"VelmoraLayoutViewTest";
        RegisterClassW(&windowClass);
        Window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, PictureWidth,
                                 PictureHeight, nullptr, nullptr, nullptr, nullptr);
        View.Attach(List, Config);
    }
    void TearDown() override {
        if (Window) DestroyWindow(Window);
    }
    bool RepaintRequested() const { return GetUpdateRect(Window, nullptr, FALSE) != FALSE; }
    void EndPassFresh() {
        ValidateRect(Window, nullptr);
        View.EndPass(Window);
    }
    // The picture as the portable code draws it from the list as it is now.
    PictureType Expected(int waitingPhase = 0) {
        if (List.Count() > 0) BuildThumbnail(List.Layouts[0], TabsFor(static_cast<int>(List.Count())));
        MainWindowStatus status;
        // A layout is on screen while its controller is there.
        status.LayoutShown =
            List.Selected < List.Count() && List.Controllers[List.Selected].Connection != Lost;
        status.AnimationDone = true;
        const LayoutScene scene = SceneOf(List, Config, status);
        const auto text = MakeGdiTextDrawer();
        PictureType picture;
        DrawMainPicture(picture, scene, *text);
        if (scene.Selected < 0) DrawNoControllerPicture(picture, scene, waitingPhase);
        return picture;
    }
};

TEST_F(ViewWorld, WholeRedrawsAreDoneOnceAtTheEndOfThePassWithOneRepaint) {
    const PictureType blank;
    View.RedrawLayout();
    View.RedrawLayout();
    EXPECT_TRUE(View.Picture().Bytes() == blank.Bytes()) << "nothing is drawn before the pass ends";
    EndPassFresh();
    EXPECT_TRUE(RepaintRequested());
    EXPECT_TRUE(View.Picture().Bytes() == Expected().Bytes());
    EndPassFresh();
    EXPECT_FALSE(RepaintRequested()) << "a pass that drew nothing asks for no repaint";
}

TEST_F(ViewWorld, AChangedButtonIsDrawnAloneAndWaitsWhileAWholeRedrawIsDue) {
    EndPassFresh();
    List.Controllers[0].EffectiveState[Button1] = DrawnActive;
    View.RedrawLayout();
    View.DrawControlButton(Button1);
    EXPECT_NE(View.Picture().Get(204 + 15, 177 + 28), palette::Green) << "the whole redraw will draw it";
    EndPassFresh();
    List.Controllers[0].EffectiveState[Button1] = DrawnOff;
    View.DrawControlButton(Button1);
    EXPECT_EQ(View.Picture().Get(204 + 15, 177 + 28), palette::White);
    EXPECT_TRUE(View.Picture().Bytes() == Expected().Bytes());
    EndPassFresh();
    EXPECT_TRUE(RepaintRequested());
}

TEST_F(ViewWorld, TheButtonTheAssignmentWindowEditsIsYellowUntilItIsNoLongerEdited) {
    EndPassFresh();
    View.SetEditedControl(Button1);
    View.DrawControlButton(Button1);
    EXPECT_EQ(View.Picture().Get(204 + 15, 177 + 28), palette::Yellow);
    View.RedrawLayout();
    EndPassFresh();
    EXPECT_EQ(View.Picture().Get(204 + 15, 177 + 28), palette::Yellow) << "a whole redraw keeps it Yellow";
    View.SetEditedControl(-1);
    View.DrawControlButton(Button1);
    EXPECT_EQ(View.Picture().Get(204 + 15, 177 + 28), palette::White);
}

TEST_F(ViewWorld, ThumbnailsFollowTheNumberOfTabs) {
    EndPassFresh();
    List.Controllers.resize(8);  // tabs narrower than for one controller
    View.RedrawLayout();
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == Expected().Bytes());
}

TEST_F(ViewWorld, ThumbnailsFollowAChangedPictureUnderTheSameName) {
    EndPassFresh();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) SetPixel(List.Layouts[0], y, x, 0);  // a dark corner in the tab
    View.RedrawLayout();
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == Expected().Bytes());
}

TEST_F(ViewWorld, AHiddenWindowIsDrawnWhenItPaints) {
    const PictureType blank;
    ShowWindow(Window, SW_HIDE);
    View.RedrawLayout();
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == blank.Bytes());
    HDC dc = GetDC(Window);
    View.Paint(dc);
    ReleaseDC(Window, dc);
    EXPECT_TRUE(View.Picture().Bytes() == Expected().Bytes());
}

TEST_F(ViewWorld, WithoutControllersTheWaitingPictureShowsItsPhase) {
    List.Controllers.clear();
    List.Selected = NoSelection;
    View.SetWaitingPhase(3);
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == Expected(3).Bytes());
    EXPECT_TRUE(View.Picture().Bytes() != Expected(0).Bytes());
}

// Idle, the waiting picture is all the program draws: four times a second a
// new glyph, whose square alone is put on the window, with no repaint asked for.
TEST_F(ViewWorld, WithoutControllersANewPhaseIsPutOnTheWindowInItsSquareAlone) {
    List.Controllers.clear();
    List.Selected = NoSelection;
    EndPassFresh();
    const WaitingGlyphBox box = WaitingGlyphArea();
    HDC dc = GetDC(Window);
    const RECT client{0, 0, PictureWidth, PictureHeight};
    const HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    for (const int phase : {1, 2, 3, 0}) {
        FillRect(dc, &client, magenta);
        View.ShowWaitingPhase(phase);
        EndPassFresh();
        EXPECT_FALSE(RepaintRequested()) << phase;
        ASSERT_TRUE(View.Picture().Bytes() == Expected(phase).Bytes()) << phase;
        int wrong = 0;
        for (int y = box.Top; y < box.Top + box.Size; ++y)
            for (int x = box.Left; x < box.Left + box.Size; ++x) {
                const ColourType c = View.Picture().Get(x, y);
                wrong += GetPixel(dc, x, y) != RGB(c.Red, c.Green, c.Blue);
            }
        EXPECT_EQ(wrong, 0) << "pixels of the square not as drawn, phase " << phase;
        for (const POINT outside : {POINT{box.Left - 1, box.Top}, POINT{box.Left + box.Size, box.Top},
                                    POINT{box.Left, box.Top - 1}, POINT{box.Left, box.Top + box.Size}})
            EXPECT_EQ(GetPixel(dc, outside.x, outside.y), RGB(255, 0, 255)) << "drawn outside the square";
    }
    DeleteObject(magenta);
    // The square's clip is not left on the window's device context: a paint shows the whole picture.
    View.Paint(dc);
    const ColourType corner = View.Picture().Get(1, 1);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(corner.Red, corner.Green, corner.Blue));
    ReleaseDC(Window, dc);
    // A whole redraw asked for in the same pass is done whole, with the new phase.
    View.RedrawLayout();
    View.ShowWaitingPhase(1);
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == Expected(1).Bytes());
    RECT asked{};
    ASSERT_TRUE(GetUpdateRect(Window, &asked, FALSE));
    EXPECT_EQ(asked.right - asked.left, PictureWidth);
}

// The picture the whole drawing gives for the theme image and colours of the configuration now.
PictureType ExpectedWaiting(const ConfigurationType& config, const std::vector<std::uint8_t>* theme,
                            int phase) {
    ControllerListType none;
    LayoutScene scene = SceneOf(none, config, MainWindowStatus{});
    scene.ThemeImage = theme;
    const auto text = MakeGdiTextDrawer();
    PictureType picture;
    RedrawLayout(picture, scene, *text);
    DrawNoControllerPicture(picture, scene, phase);
    return picture;
}

// The square's background is kept between phases: a changed background (its colours, a theme
// image put in or taken out) must not leave the square of the old one under the next glyph.
TEST_F(ViewWorld, TheWaitingSquareFollowsAChangedBackground) {
    List.Controllers.clear();
    List.Selected = NoSelection;
    EndPassFresh();
    View.ShowWaitingPhase(1);
    EndPassFresh();
    Config.Background = {palette::Navy, palette::Teal, palette::Olive};
    View.RedrawLayout();
    EndPassFresh();
    View.ShowWaitingPhase(2);
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == ExpectedWaiting(Config, nullptr, 2).Bytes()) << "new colours";
    std::vector<std::uint8_t> theme(static_cast<std::size_t>(PictureWidth) * PictureHeight * 3);
    for (std::size_t i = 0; i < theme.size(); ++i) theme[i] = static_cast<std::uint8_t>(i * 7 % 251);
    View.SetThemeImage(theme);
    EndPassFresh();
    View.ShowWaitingPhase(3);
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == ExpectedWaiting(Config, &theme, 3).Bytes()) << "theme image";
    View.SetThemeImage({});
    EndPassFresh();
    View.ShowWaitingPhase(0);
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == ExpectedWaiting(Config, nullptr, 0).Bytes())
        << "theme image taken out";
}

// Enlarged, the glyph's square is put on the window at its enlarged place and size, each picture
// pixel a 2 x 2 square, and nothing around it is touched.
TEST_F(ViewWorld, EnlargedTheWaitingSquareIsPutAtItsEnlargedPlace) {
    List.Controllers.clear();
    List.Selected = NoSelection;
    SetWindowPos(Window, nullptr, 0, 0, 2 * PictureWidth, 2 * PictureHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    View.SetScale(2);
    EndPassFresh();
    const WaitingGlyphBox box = WaitingGlyphArea();
    HDC dc = GetDC(Window);
    const RECT client{0, 0, 2 * PictureWidth, 2 * PictureHeight};
    const HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &client, magenta);
    DeleteObject(magenta);
    View.ShowWaitingPhase(1);
    EndPassFresh();
    int wrong = 0, outside = 0;
    for (int y = 2 * box.Top - 4; y < 2 * (box.Top + box.Size) + 4; ++y)
        for (int x = 2 * box.Left - 4; x < 2 * (box.Left + box.Size) + 4; ++x) {
            const bool inside = x >= 2 * box.Left && x < 2 * (box.Left + box.Size) && y >= 2 * box.Top &&
                                y < 2 * (box.Top + box.Size);
            const ColourType c = View.Picture().Get(x / 2, y / 2);
            if (inside)
                wrong += GetPixel(dc, x, y) != RGB(c.Red, c.Green, c.Blue);
            else
                outside += GetPixel(dc, x, y) != RGB(255, 0, 255);
        }
    // The square as the picture has it at 100 %: outside the enlarged one, it stays untouched.
    outside += GetPixel(dc, box.Left, box.Top) != RGB(255, 0, 255);
    ReleaseDC(Window, dc);
    EXPECT_EQ(wrong, 0) << "pixels of the enlarged square not as drawn";
    EXPECT_EQ(outside, 0) << "pixels drawn around the enlarged square";
}

// The animations step at the ends of the passes: Play only queues, each
// pass draws the frame that is due, and nothing else draws meanwhile.
struct ViewAnimationWorld : ViewWorld {
    // Passes until the queue is empty, at most `limit`; how many it took.
    int PassesUntilStill(int limit = 400) {
        int passes = 0;
        for (; View.Animating() && passes < limit; ++passes) {
            EndPassFresh();
            Sleep(10);
        }
        return passes;
    }
};

TEST_F(ViewAnimationWorld, PlayOnlyQueuesAndThePassesStepTheFramesToTheEnd) {
    EndPassFresh();
    const std::vector<std::uint8_t> before = View.Picture().Bytes();
    View.Play(Window, LayoutAnimation::ShowLayout, true);
    EXPECT_TRUE(View.Animating());
    EXPECT_TRUE(View.Picture().Bytes() == before) << "nothing is drawn before the pass ends";
    EndPassFresh();
    EXPECT_TRUE(RepaintRequested());
    EXPECT_TRUE(View.Picture().Bytes() != before) << "the first frame: the picture's last rows at the bottom";
    // Eight slide frames of 25 ms, then the drop: one frame a pass at most.
    EXPECT_GE(PassesUntilStill(), 8);
    EXPECT_FALSE(View.Animating());
    EXPECT_EQ(List.Layouts[0].Locations[Button1].Top, 100) << "its place comes back";
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == Expected().Bytes());
}

TEST_F(ViewAnimationWorld, QueuedAnimationsPlayInTurnAndMissedButtonsAreDrawnAfter) {
    EndPassFresh();
    View.Play(Window, LayoutAnimation::ButtonsOut, true);
    View.Play(Window, LayoutAnimation::ButtonsIn, true);
    EndPassFresh();
    List.Controllers[0].EffectiveState[Button1] = DrawnActive;
    View.DrawControlButton(Button1);
    View.RedrawLayout();
    PassesUntilStill();
    EXPECT_FALSE(View.Animating());
    EXPECT_EQ(List.Layouts[0].Locations[Button1].Top, 100);
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == Expected().Bytes())
        << "the pressed button drawn after the animations";
}

// A profile with named assignments switches the names on right after asking
// for the buttons to drop in: that redraw must survive the animation's start.
TEST_F(ViewAnimationWorld, ARedrawAskedAfterPlayIsDoneWhenTheAnimationsEnd) {
    EndPassFresh();
    View.Play(Window, LayoutAnimation::ButtonsIn, true);
    EXPECT_FALSE(List.NamesShown) << "the drop switches the names off";
    List.NamesShown = true;
    View.RedrawLayout();
    PassesUntilStill();
    EndPassFresh();
    EXPECT_TRUE(View.Picture().Bytes() == Expected().Bytes()) << "the names switch drawn on";
}

// Each whole drawing costs milliseconds under Wine: a profile opened for the
// program in front drew the picture whole twice in the pass after the switch
// (the drop's first frame, then the redraw asked with it).
TEST_F(ViewAnimationWorld, ARedrawAskedWithAnAnimationThatDrawsWholeWaitsForTheNextPass) {
    Config.ShowAnimations = false;  // the drop has no frames: it ends in its first pass
    EndPassFresh();
    View.Play(Window, LayoutAnimation::ButtonsIn, true);
    List.Controllers[0].EffectiveState[Button1] = DrawnActive;  // not in the scene the drop was asked with
    View.RedrawLayout();
    EndPassFresh();
    EXPECT_FALSE(View.Animating());
    EXPECT_EQ(View.Picture().Get(204 + 15, 177 + 28), palette::White) << "one whole drawing in a pass";
    HDC dc = GetDC(Window);
    View.Paint(dc);
    ReleaseDC(Window, dc);
    EXPECT_EQ(View.Picture().Get(204 + 15, 177 + 28), palette::White) << "nor one more by a repaint";
    EndPassFresh();
    EXPECT_TRUE(RepaintRequested());
    EXPECT_TRUE(View.Picture().Bytes() == Expected().Bytes());
}

TEST_F(ViewAnimationWorld, FinishingPutsTheButtonsBackAtOnce) {
    EndPassFresh();
    View.Play(Window, LayoutAnimation::ButtonsIn, true);
    EndPassFresh();
    EndPassFresh();
    View.FinishAnimations();
    EXPECT_FALSE(View.Animating());
    EXPECT_EQ(List.Layouts[0].Locations[Button1].Top, 100);
}

TEST_F(ViewAnimationWorld, NothingIsQueuedWhileTheWindowIsHidden) {
    ShowWindow(Window, SW_HIDE);
    View.Play(Window, LayoutAnimation::HideLayout, true);
    EXPECT_FALSE(View.Animating());
}

TEST(GdiTextDrawer, InkInTheColourOnlyInsideTheClipAndWidthsGrow) {
    const auto text = MakeGdiTextDrawer();
    EXPECT_GT(text->TextWidth("WW"), text->TextWidth("W"));
    EXPECT_GT(text->TextWidth("W"), 0);
    PictureType picture;
    picture.Fill(0, 0, PictureWidth, PictureHeight, palette::White);
    text->DrawText(picture, 10, 10, "MMMM", palette::Blue, ClipBox{10, 10, 20, 30});
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x) {
            const ColourType c = picture.Get(x, y);
            if (c == palette::White) continue;
            EXPECT_EQ(c, palette::Blue);
            (x >= 10 && x < 20 && y >= 10 && y < 30 ? inside : outside) += 1;
        }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace velmora

#endif
